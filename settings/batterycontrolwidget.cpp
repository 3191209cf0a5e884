#include "batterycontrolwidget.h"

#include "foreigntext.h"
#include "settingskeys.h"
#include "wirenames.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QSettings>

BatteryControlWidget::BatteryControlWidget(const DeviceProperties &battery,
                                           QMap<QString, QString> actions, QWidget *parent)
    : QWidget(parent), path(battery.path())
{
    auto *layout = new QHBoxLayout(this);

    const QString model = battery.text(UPowerWire::modelProperty);
    const QString serial = battery.text(UPowerWire::serialProperty);
    auto *label = new QLabel(batteryLabel(path, model, serial), this);
    // Model and serial come from the device: shown as text, never markup.
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    levels = new QComboBox(this);
    levels->setObjectName(QStringLiteral("levels"));
    for (int level : {10, 25, 50, 90})
        levels->addItem(QStringLiteral("%1%").arg(level), level);

    QSettings settings;
    levels->setCurrentIndex(
            levels->findData(settings.value(SettingsKeys::criticalChargeLevel(path),
                                            SettingsKeys::defaultCriticalChargeLevel)
                                     .toInt()));
    connect(levels, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &BatteryControlWidget::changed);
    layout->addWidget(levels);

    actionList = new QComboBox(this);
    actionList->setObjectName(QStringLiteral("actions"));
    for (auto it = actions.cbegin(); it != actions.cend(); ++it)
        actionList->addItem(it.value(), it.key());
    actionList->setCurrentIndex(
            actionList->findData(settings.value(SettingsKeys::criticalAction(path),
                                                SettingsKeys::defaultCriticalAction())
                                         .toString(),
                                 Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
    connect(actionList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &BatteryControlWidget::changed);

    //: Between the level and the action list of a battery row; see "Charge of %1 drops bellow".
    layout->addWidget(new QLabel(tr("do"), this));
    layout->addWidget(actionList);
}

QString BatteryControlWidget::batteryLabel(const QString &path, const QString &model,
                                           const QString &serial)
{
    //: A battery row reads as one sentence: [this text] [level] [do] [action],
    //: e.g. "Charge of BAT0 falls to or below [10%] do [Shutdown]". Word order may
    //: move part of it into "do", e.g. "... falls to [10%] or below: [Shutdown]".
    if (model.isEmpty())
        return tr("Charge of %1 drops bellow").arg(ForeignText::reason(path));
    if (serial.isEmpty())
        return tr("Charge of %1 drops bellow").arg(ForeignText::name(model));
    //: %1 is the battery's model, %2 its serial number.
    return tr("Charge of %1 (%2) drops bellow")
            .arg(ForeignText::name(model), ForeignText::name(serial));
}

void BatteryControlWidget::changed()
{
    QSettings settings;
    // A list without a current entry shows a stored value it does not offer
    // (a level edited by hand, an action the machine lost): keep that value
    // rather than overwrite the user's choice with 0 or an empty action.
    if (levels->currentIndex() >= 0)
        settings.setValue(SettingsKeys::criticalChargeLevel(path), levels->currentData().toInt());
    if (actionList->currentIndex() >= 0)
        settings.setValue(SettingsKeys::criticalAction(path), actionList->currentData().toString());
}
