#include "devicecontrolwidget.h"

#include "settingskeys.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>

DeviceControlWidget::DeviceControlWidget(const QString &path, const QString &name, QWidget *parent)
    : QWidget(parent), devicePath(path)
{
    auto *layout = new QHBoxLayout(this);
    auto *label = new QLabel(name, this);
    // The model comes from the device: show it as it is.
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label, 1);

    warn = new QCheckBox(tr("Warn when low"), this);
    warn->setObjectName(QStringLiteral("warnWhenLow"));
    warn->setAccessibleDescription(name);
    warn->setChecked(
            QSettings()
                    .value(SettingsKeys::warnWhenLow(devicePath), SettingsKeys::defaultWarnWhenLow)
                    .toBool());
    connect(warn, &QCheckBox::toggled, this, [this](bool checked) {
        QSettings().setValue(SettingsKeys::warnWhenLow(devicePath), checked);
    });
    layout->addWidget(warn);
}
