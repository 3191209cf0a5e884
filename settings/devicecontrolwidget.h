#pragma once

#include <QWidget>

class QCheckBox;

// One row of the "Devices" group of the "Battery" tab: names a device's
// battery and says whether to warn when it runs low, storing that on every
// change.
class DeviceControlWidget : public QWidget
{
    Q_OBJECT

public:
    // name: the device's, as the program shows it.
    DeviceControlWidget(const QString &path, const QString &name, QWidget *parent = nullptr);

    QString path() const { return devicePath; }

private:
    QString devicePath;
    QCheckBox *warn;
};
