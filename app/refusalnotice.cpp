#include "refusalnotice.h"

#include "poweractions.h"

#include <QRegularExpression>

namespace {

// A schedule's window lasts two minutes; a refusal told longer ago than
// this belongs to another.
constexpr qint64 windowLengthMs = 119 * 1000;
// Who is in the way is named up to so many times; more are counted.
constexpr int namedInhibitors = 3;

} // namespace

void RefusalNotice::refused(const PowerRefusal &refusal)
{
    pending.insert(refusal.action, refusal);
}

std::optional<QString> RefusalNotice::observeBattery(const QString &path, const QString &action,
                                                     bool requesting, int level, int percent,
                                                     const std::function<QString()> &name)
{
    if (!requesting) {
        toldBatteries.remove(path);
        return std::nullopt;
    }
    const auto refusal = pending.constFind(action);
    if (refusal == pending.cend() || toldBatteries.contains(path))
        return std::nullopt;
    toldBatteries.insert(path);
    const QString battery = name().trimmed().isEmpty() ? path : name().trimmed();
    // No-break spaces: a notification must not wrap "10 %" apart. One pass
    // over each text: a battery's name may hold "%1" itself.
    return tr("%1 at %2\u00a0% was refused: %3. %4 is at %5\u00a0%: save your work.")
            .arg(powerActionName(action), QString::number(level), reason(*refusal), battery,
                 QString::number(percent));
}

std::optional<QString> RefusalNotice::observeSchedule(const QString &action, qint64 wallMs)
{
    const auto refusal = pending.constFind(action);
    if (refusal == pending.cend())
        return std::nullopt;
    const auto told = toldSchedules.constFind(action);
    if (told != toldSchedules.cend() && wallMs - *told <= windowLengthMs)
        return std::nullopt;
    toldSchedules.insert(action, wallMs);
    return tr("%1, as scheduled, was refused: %2.").arg(powerActionName(action), reason(*refusal));
}

QString RefusalNotice::reason(const PowerRefusal &refusal) const
{
    if (refusal.inhibitors.isEmpty())
        return plainLine(refusal.error, 160);
    QStringList named;
    for (const PowerRefusal::Inhibitor &inhibitor : refusal.inhibitors.mid(0, namedInhibitors)) {
        const QString who = plainLine(inhibitor.who, 60);
        const QString why = plainLine(inhibitor.why, 60);
        named << (why.isEmpty() ? tr("%1 is keeping the machine on").arg(who)
                                : tr("%1 is keeping the machine on (%2)").arg(who, why));
    }
    QString text = named.join(QStringLiteral("; "));
    const int more = int(refusal.inhibitors.size()) - namedInhibitors;
    if (more > 0)
        text += tr(" and %n more", nullptr, more);
    return text;
}

QString RefusalNotice::plainLine(const QString &text, int maxLength)
{
    // Enough to find the first words; a daemon may send a megabyte.
    QString line = text.left(4 * maxLength);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("[\\s\\p{Cc}]+"));
    line.remove(tags);
    line.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    line = line.replace(blanks, QStringLiteral(" ")).trimmed();
    if (line.size() > maxLength)
        line = line.left(maxLength - 1).trimmed() + QChar(0x2026);
    return line;
}
