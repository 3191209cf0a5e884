#include "foreigntext.h"

namespace {

// Characters that change the direction of the text around them: an
// override can make "exe.txt" of "txt.exe".
bool isDirectionControl(char32_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e)
            || (c >= 0x2066 && c <= 0x2069);
}

bool isBlank(char32_t c)
{
    return QChar::isSpace(c) || c == 0x2028 || c == 0x2029;
}

bool isDropped(char32_t c)
{
    return QChar::category(c) == QChar::Other_Control || isDirectionControl(c)
            || QChar::isNonCharacter(c) || QChar::isSurrogate(c);
}

} // namespace

QString ForeignText::line(const QString &text, int maxLength)
{
    // Enough to fill the line even after much is dropped; a daemon may send
    // a megabyte.
    const QStringView head = QStringView(text).left(8 * maxLength + 8);
    QString out;
    out.reserve(qMin(int(head.size()), maxLength + 1));
    int length = 0; // in code points
    bool cut = false;
    bool pendingSpace = false;
    for (qsizetype i = 0; i < head.size(); ++i) {
        char32_t c = head.at(i).unicode();
        if (head.at(i).isHighSurrogate() && i + 1 < head.size()
            && head.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(head.at(i), head.at(i + 1));
            ++i;
        }
        if (isBlank(c)) {
            pendingSpace = length > 0;
            continue;
        }
        if (isDropped(c))
            continue;
        if (length + (pendingSpace ? 2 : 1) > maxLength) {
            cut = true;
            break;
        }
        if (pendingSpace) {
            out += QLatin1Char(' ');
            ++length;
            pendingSpace = false;
        }
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(c);
        }
        ++length;
    }
    cut = cut || head.size() < text.size();
    if (!cut)
        return out;
    // Room for the ellipsis, at a character boundary.
    while (length >= maxLength && !out.isEmpty()) {
        out.chop(out.size() > 1 && out.at(out.size() - 1).isLowSurrogate() ? 2 : 1);
        --length;
    }
    return out.trimmed() + QChar(0x2026);
}
