#include "refusalnotice.h"

#include "foreigntext.h"
#include "monitorrules.h"
#include "poweractions.h"

namespace {

// Who is in the way is named up to so many times; more are counted.
constexpr int namedInhibitors = 3;

} // namespace

void RefusalNotice::refused(const PowerRefusal &refusal)
{
    pending.insert(refusal.action, refusal);
}

std::optional<QString> RefusalNotice::observeBattery(const QString &path, const QString &action,
                                                     bool requesting, int level, int percent,
                                                     const QString &model)
{
    if (!requesting) {
        toldBatteries.remove(path);
        return std::nullopt;
    }
    const auto refusal = pending.constFind(action);
    if (refusal == pending.cend() || toldBatteries.contains(path))
        return std::nullopt;
    toldBatteries.insert(path);
    const QString name = ForeignText::name(model);
    const QString battery = name.isEmpty() ? ForeignText::reason(path) : name;
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
    if (told != toldSchedules.cend() && wallMs - *told <= scheduleWindowMs)
        return std::nullopt;
    toldSchedules.insert(action, wallMs);
    return tr("%1, as scheduled, was refused: %2.").arg(powerActionName(action), reason(*refusal));
}

QString RefusalNotice::reason(const PowerRefusal &refusal)
{
    if (refusal.inhibitors.isEmpty())
        return ForeignText::reason(refusal.error);
    QStringList named;
    for (const PowerRefusal::Inhibitor &inhibitor : refusal.inhibitors.mid(0, namedInhibitors)) {
        const QString who = ForeignText::name(inhibitor.who);
        const QString why = ForeignText::name(inhibitor.why);
        named << (why.isEmpty() ? tr("%1 is keeping the machine on").arg(who)
                                : tr("%1 is keeping the machine on (%2)").arg(who, why));
    }
    QString text = named.join(QStringLiteral("; "));
    const int more = int(refusal.inhibitors.size()) - namedInhibitors;
    if (more > 0)
        text += tr(" and %n more", nullptr, more);
    return text;
}
