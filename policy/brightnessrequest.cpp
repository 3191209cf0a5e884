#include "brightnessrequest.h"

#include "brightnesssteps.h"

#include <algorithm>

namespace {

const char messagePrefix[] = "brightness ";

} // namespace

BrightnessRequest BrightnessRequest::percent(int percent)
{
    return percent >= 0 && percent <= 100 ? BrightnessRequest(Percent, percent)
                                          : BrightnessRequest();
}

BrightnessRequest BrightnessRequest::parse(const QString &value)
{
    const QString word = value.trimmed().toLower();
    if (word == QLatin1String("up"))
        return up();
    if (word == QLatin1String("down"))
        return down();
    // A bare number could as well be a raw level: the sign says which.
    if (!word.endsWith(QLatin1Char('%')))
        return {};
    const QString digits = word.chopped(1);
    if (digits.isEmpty() || digits.size() > 3
        || !std::all_of(digits.cbegin(), digits.cend(),
                        [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return {};
    return percent(digits.toInt());
}

QString BrightnessRequest::message() const
{
    switch (m_kind) {
    case Up:
        return QLatin1String(messagePrefix) + QLatin1String("up");
    case Down:
        return QLatin1String(messagePrefix) + QLatin1String("down");
    case Percent:
        return QLatin1String(messagePrefix) + QString::number(m_percent) + QLatin1Char('%');
    case None:
        break;
    }
    return QString();
}

BrightnessRequest BrightnessRequest::fromMessage(const QString &message)
{
    if (!message.startsWith(QLatin1String(messagePrefix)))
        return {};
    return parse(message.mid(int(sizeof messagePrefix) - 1));
}

int BrightnessRequest::target(const BrightnessSteps &steps, int current) const
{
    switch (m_kind) {
    case Up:
        return steps.rawUp(current);
    case Down:
        return steps.rawDown(current);
    case Percent:
        return steps.rawForPercent(m_percent);
    case None:
        break;
    }
    return -1;
}
