#include "idlepage.h"

#include "foreigntext.h"
#include "idlechoices.h"
#include "poweractions.h"
#include "settingskeys.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <algorithm>

namespace {

const char keyProperty[] = "wexSettingsKey";

} // namespace

IdlePage::IdlePage(QWidget *parent) : QWidget(parent) { }

void IdlePage::setActions(const QMap<QString, QString> &actions)
{
    this->actions = actions;
}

void IdlePage::setUnavailable(const QString &idle, const QString &dim, const QString &screenOff)
{
    idleReason = idle;
    dimReason = dim;
    screenOffReason = screenOff;
    if (reasons)
        showAvailability();
}

void IdlePage::showEvent(QShowEvent *event)
{
    if (!reasons)
        build();
    QWidget::showEvent(event);
}

void IdlePage::build()
{
    auto *layout = new QVBoxLayout(this);
    reasons = new QLabel(this);
    // The reasons come from the display server and logind: plain text.
    reasons->setTextFormat(Qt::PlainText);
    reasons->setWordWrap(true);
    layout->addWidget(reasons);
    auto *row = new QHBoxLayout;
    groups << makeGroup(true, battery) << makeGroup(false, linePower);
    for (QGroupBox *group : qAsConst(groups))
        row->addWidget(group, 0, Qt::AlignTop);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    showAvailability();
}

QGroupBox *IdlePage::makeGroup(bool onBattery, Rows &rows)
{
    auto *group = new QGroupBox(onBattery ? tr("On battery") : tr("On line power"), this);
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    QSettings settings;

    rows.dimAfter = makeList(form, tr("Dim the screen after"),
                             onBattery ? tr("Dim the screen after, on battery")
                                       : tr("Dim the screen after, on line power"),
                             SettingsKeys::idleDimAfter(onBattery));
    fillSeconds(rows.dimAfter, {0, 60, 120, 300, 600, 900, 1800},
                IdleChoices::seconds(settings.value(SettingsKeys::idleDimAfter(onBattery)),
                                     SettingsKeys::defaultIdleDimAfter(onBattery)));

    rows.dimTo = makeList(form, tr("Dim to"),
                          onBattery ? tr("Dim to, on battery") : tr("Dim to, on line power"),
                          SettingsKeys::idleDimTo(onBattery));
    const int dimTo = IdleChoices::percent(settings.value(SettingsKeys::idleDimTo(onBattery)),
                                           SettingsKeys::defaultIdleDimTo);
    QList<int> percents{10, 20, 30, 50, 70};
    if (!percents.contains(dimTo))
        percents.append(dimTo);
    std::sort(percents.begin(), percents.end());
    for (int percent : qAsConst(percents))
        //: A percentage of the screen's brightness range.
        rows.dimTo->addItem(tr("%1\u00a0%").arg(percent), percent);
    rows.dimTo->setCurrentIndex(rows.dimTo->findData(dimTo));

    rows.screenOffAfter = makeList(form, tr("Turn the screen off after"),
                                   onBattery ? tr("Turn the screen off after, on battery")
                                             : tr("Turn the screen off after, on line power"),
                                   SettingsKeys::idleScreenOffAfter(onBattery));
    fillSeconds(rows.screenOffAfter, {0, 60, 120, 300, 600, 900, 1800, 3600},
                IdleChoices::seconds(settings.value(SettingsKeys::idleScreenOffAfter(onBattery)),
                                     SettingsKeys::defaultIdleScreenOffAfter(onBattery)));

    rows.sleepAfter =
            makeList(form, tr("Sleep after"),
                     onBattery ? tr("Sleep after, on battery") : tr("Sleep after, on line power"),
                     SettingsKeys::idleSleepAfter(onBattery));
    fillSeconds(rows.sleepAfter, {0, 300, 600, 900, 1800, 3600, 7200},
                IdleChoices::seconds(settings.value(SettingsKeys::idleSleepAfter(onBattery)),
                                     SettingsKeys::defaultIdleSleepAfter));

    rows.sleepAction =
            makeList(form, tr("Sleep by"),
                     onBattery ? tr("Sleep by, on battery") : tr("Sleep by, on line power"),
                     SettingsKeys::idleSleepAction(onBattery));
    const QString action =
            IdleChoices::action(settings.value(SettingsKeys::idleSleepAction(onBattery)),
                                SettingsKeys::defaultIdleSleepAction());
    for (auto it = actions.cbegin(); it != actions.cend(); ++it)
        rows.sleepAction->addItem(it.value(), it.key());
    if (!actions.contains(action))
        rows.sleepAction->addItem(ForeignText::name(powerActionName(action)), action);
    rows.sleepAction->setCurrentIndex(rows.sleepAction->findData(action));

    // Stored from now on, on every change.
    for (QComboBox *list :
         {rows.dimAfter, rows.dimTo, rows.screenOffAfter, rows.sleepAfter, rows.sleepAction}) {
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), list, [list](int index) {
            if (index >= 0)
                QSettings().setValue(list->property(keyProperty).toString(), list->currentData());
        });
    }
    return group;
}

QComboBox *IdlePage::makeList(QFormLayout *form, const QString &label,
                              const QString &accessibleName, const QString &key)
{
    auto *list = new QComboBox(form->parentWidget());
    list->setAccessibleName(accessibleName);
    list->setProperty(keyProperty, key);
    form->addRow(label, list);
    return list;
}

void IdlePage::fillSeconds(QComboBox *list, const QList<int> &offered, int inForce)
{
    QList<int> entries = offered;
    if (!entries.contains(inForce))
        entries.append(inForce);
    std::sort(entries.begin(), entries.end());
    for (int seconds : qAsConst(entries))
        list->addItem(secondsText(seconds), seconds);
    list->setCurrentIndex(list->findData(inForce));
}

QString IdlePage::secondsText(int seconds)
{
    //: An entry of the lists of idle times: that step never happens.
    if (seconds <= 0)
        return tr("Never");
    if (seconds % 60 == 0)
        return tr("%n min", nullptr, seconds / 60);
    return tr("%n s", nullptr, seconds);
}

void IdlePage::showAvailability()
{
    QStringList lines;
    if (!idleReason.isEmpty()) {
        lines << tr("Nothing happens when idle here: %1").arg(idleReason);
    } else {
        if (!dimReason.isEmpty())
            lines << tr("The screen is not dimmed: %1").arg(dimReason);
        if (!screenOffReason.isEmpty())
            lines << tr("The screen is not turned off: %1").arg(screenOffReason);
    }
    reasons->setText(lines.join(QLatin1Char('\n')));
    reasons->setVisible(!lines.isEmpty());
    for (QGroupBox *group : qAsConst(groups))
        group->setEnabled(idleReason.isEmpty());
    for (const Rows *rows : {&battery, &linePower}) {
        rows->dimAfter->setEnabled(dimReason.isEmpty());
        rows->dimTo->setEnabled(dimReason.isEmpty());
        rows->screenOffAfter->setEnabled(screenOffReason.isEmpty());
    }
}
