#include "schedulecontrolwidget.h"

#include "qtcompat.h"
#include "settingskeys.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSettings>
#include <QTimeEdit>

ScheduleControlWidget::ScheduleControlWidget(const QString &action, QFormLayout *layout,
                                             QMap<QString, QString> actions, QWidget *parent)
    : QWidget(parent), action(action)
{
    QSettings settings;

    //: Joined as "<action> at:" before a time, e.g. "Suspend at:" [22:30].
    enabled = new QCheckBox(actions.value(action) + QLatin1Char(' ') + tr("at") + QLatin1Char(':'),
                            this);
    enabled->setChecked(settings.value(SettingsKeys::scheduleEnabled(action),
                                       SettingsKeys::defaultScheduleEnabled)
                                .toBool());
    connect(enabled, &QCheckBox::stateChanged, this, &ScheduleControlWidget::changed);

    time = new QTimeEdit(this);
    time->setDisplayFormat(QtCompat::timeEditFormat(time->locale()));
    time->setTime(settings.value(SettingsKeys::scheduleTime(action), time->time()).toTime());
    connect(time, &QTimeEdit::timeChanged, this, &ScheduleControlWidget::changed);

    layout->addRow(enabled, time);
    // The check box and the editor now belong to the page's form; this
    // object only keeps them in step with the store. Shown, it would be an
    // empty widget lying over the form's first row, taking its clicks.
    hide();
}

void ScheduleControlWidget::changed()
{
    QSettings settings;
    settings.setValue(SettingsKeys::scheduleEnabled(action), enabled->isChecked());
    settings.setValue(SettingsKeys::scheduleTime(action), time->time());
}
