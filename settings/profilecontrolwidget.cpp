#include "profilecontrolwidget.h"

#include "powerprofiles.h"
#include "settingskeys.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSettings>

namespace {

// The settings key a profile list stores its choice under.
const char *const keyProperty = "settingsKey";

} // namespace

ProfileControlWidget::ProfileControlWidget(PowerProfiles *profiles,
                                           QString (*profileName)(const QString &), QWidget *parent)
    : QWidget(parent), profiles(profiles), profileName(profileName)
{
}

void ProfileControlWidget::showEvent(QShowEvent *event)
{
    if (!linePowerList)
        build();
    QWidget::showEvent(event);
}

void ProfileControlWidget::build()
{
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    linePowerList =
            profileList(SettingsKeys::profileOnLinePower(), QStringLiteral("profileOnLinePower"));
    batteryList = profileList(SettingsKeys::profileOnBattery(), QStringLiteral("profileOnBattery"));
    form->addRow(tr("On line power:"), linePowerList);
    form->addRow(tr("On battery:"), batteryList);

    QSettings settings;
    lowHold = new QCheckBox(tr("Hold Power Saver while a battery is at or below"), this);
    lowHold->setObjectName(QStringLiteral("profileLowHold"));
    lowHold->setChecked(
            settings.value(SettingsKeys::profileLowHold(), SettingsKeys::defaultProfileLowHold)
                    .toBool());
    connect(lowHold, &QCheckBox::clicked, this,
            [](bool checked) { QSettings().setValue(SettingsKeys::profileLowHold(), checked); });
    lowLevels = new QComboBox(this);
    lowLevels->setObjectName(QStringLiteral("profileLowLevel"));
    lowLevels->setAccessibleName(lowHold->text());
    for (int level : {10, 20, 30, 40, 50})
        lowLevels->addItem(QStringLiteral("%1%").arg(level), level);
    // A stored level the list does not offer shows no entry, and stays.
    lowLevels->setCurrentIndex(lowLevels->findData(
            settings.value(SettingsKeys::profileLowLevel(), SettingsKeys::defaultProfileLowLevel)
                    .toInt()));
    connect(lowLevels, qOverload<int>(&QComboBox::activated), this, [this] {
        QSettings().setValue(SettingsKeys::profileLowLevel(), lowLevels->currentData().toInt());
    });
    auto *lowRow = new QHBoxLayout;
    lowRow->addWidget(lowHold);
    lowRow->addWidget(lowLevels);
    lowRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(lowRow);
    layout->addStretch(1);

    connect(profiles, &PowerProfiles::changed, this, [this] {
        fill(linePowerList);
        fill(batteryList);
    });
}

QComboBox *ProfileControlWidget::profileList(const QString &key, const QString &objectName)
{
    auto *list = new QComboBox(this);
    list->setObjectName(objectName);
    list->setProperty(keyProperty, key);
    fill(list);
    // Only a choice the person makes is stored; filling the list is none.
    connect(list, qOverload<int>(&QComboBox::activated), this, [this, list] {
        QSettings().setValue(list->property(keyProperty).toString(),
                             list->currentData().toString());
        fill(list);
    });
    return list;
}

// "Keep as it is", the daemon's profiles, and a stored profile it does not
// offer; the stored one is current.
void ProfileControlWidget::fill(QComboBox *list)
{
    const QVariant stored = QSettings().value(list->property(keyProperty).toString());
    const QString chosen = stored.userType() == QMetaType::QString ? stored.toString() : QString();
    const QStringList offered = profiles->profiles();
    list->clear();
    list->addItem(tr("Keep as it is"), QString());
    for (const QString &profile : offered)
        list->addItem(profileName(profile), profile);
    if (!chosen.isEmpty() && !offered.contains(chosen))
        //: A profile chosen earlier that the daemon does not offer now; it is never set.
        list->addItem(tr("%1 (not offered)").arg(profileName(chosen)), chosen);
    list->setCurrentIndex(
            list->findData(chosen, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}
