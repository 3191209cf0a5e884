#pragma once

#include "upowerdevices.h"

#include <functional>

class QDBusMessage;

// UPower before 0.99, whose devices only say "Changed" and must be asked
// again: after a Changed, a battery's values are read afresh, and every
// run of the monitor lists the devices and reads what it decides on.
class PolledUPower : public UPowerDevices
{
    Q_OBJECT

public:
    explicit PolledUPower(QObject *parent = nullptr);

    // One EnumerateDevices, the reads the monitor decides on for each
    // device listed, and the daemon's CanHibernate and CanSuspend. Nothing
    // tells when they change, so they are outdated as soon as they are read.
    void refresh() override;
    // Their values would have to be asked for on every run.
    bool followsDeviceBatteries() const override { return false; }
    // As the last run read it.
    SleepSupport sleepSupport() override { return support; }
    qlonglong secondsToEmpty(const QString &path) override;
    // Once after each Changed: the monitor's run never reads them.
    void readDetails(const QString &path) override;
    // Whether there is a lid, once; if there is, whether it is closed
    // after each Changed of the daemon (one read for those that come while
    // it is read). OnBattery is not read: it would be a read more on every
    // run.
    void followManager() override;

protected:
    void follow(const QString &path) override;

private slots:
    void changed(const QDBusMessage &message);
    void managerSaidChanged();
    void refreshPages();

private:
    void readManager(const QString &name, const std::function<void()> &then = {});
    QVariantMap readForMonitor(const QString &path) const;
    QVariantMap readForPage(const QString &path) const;

    SleepSupport support;
    QSet<QString> changedPaths;
    QSet<QString> staleDetails;
    int signalsSinceRefresh = 0;
    bool readingLid = false;
    bool lidChangedMeanwhile = false;
};
