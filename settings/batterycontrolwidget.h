#pragma once

#include "deviceproperties.h"

#include <QMap>
#include <QWidget>

class QComboBox;

// One row of the "Battery" tab: names a battery and edits its critical
// charge level and critical action, storing both on every change.
class BatteryControlWidget : public QWidget
{
    Q_OBJECT

public:
    // battery: its path, and its Model and Serial where they are known.
    BatteryControlWidget(const DeviceProperties &battery, QMap<QString, QString> actions,
                         QWidget *parent = nullptr);

public slots:
    void changed();

private:
    static QString batteryLabel(const QString &path, const QString &model, const QString &serial);

    QString path;
    QComboBox *levels;
    QComboBox *actionList;
};
