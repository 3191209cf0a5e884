#pragma once

#include "upowerdevices.h"

class QDBusMessage;

// UPower 0.99 and later, which announces every change itself: each
// device's values are kept current from its PropertiesChanged signals, so
// reading them sends nothing, and a run of the monitor asks nobody.
class AnnouncedUPower : public UPowerDevices
{
    Q_OBJECT

public:
    explicit AnnouncedUPower(QObject *parent = nullptr);

    void refresh() override { }
    bool followsDeviceBatteries() const override { return true; }
    // logind decides; asked only when an action is due.
    SleepSupport sleepSupport() override { return readSleepSupport(); }
    qlonglong secondsToEmpty(const QString &path) override;
    // One GetAll, then its PropertiesChanged.
    void followManager() override;

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated, const QDBusMessage &message);
    void announceChanges();

private:
    QSet<QString> changedPaths;
};
