#pragma once

#include "chargehistorypoint.h"

#include <QHash>
#include <QObject>

class QDBusPendingCallWatcher;
struct UPowerHistoryItem;

// Reads a battery's recorded charge from UPower (GetHistory "charge"),
// asynchronously: a daemon that is slow or hangs leaves the program
// answering, and at most one request per device is out at a time. The
// window includes this header, so it only declares the D-Bus types it uses.
class ChargeHistory : public QObject
{
    Q_OBJECT

public:
    // How many points the daemon is asked for, whatever the span.
    static constexpr uint resolution = 150;

    explicit ChargeHistory(QObject *parent = nullptr);

    // Asks for the charge of the last spanSeconds at the UPower device
    // devicePath; loaded() or failed() follows, unless a request for that
    // device is still out: its answer then serves for both, and a request
    // for another span is sent once it is in.
    void request(const QString &devicePath, int spanSeconds);
    bool isPending(const QString &devicePath) const;

    // How long a request may take before it counts as failed.
    void setTimeout(int milliseconds) { timeoutMs = milliseconds; }
    int timeout() const { return timeoutMs; }

    // The daemon's entries as points: oldest first, without the gap markers
    // (state unknown) and without values that are no charge in percent.
    static QList<ChargeHistoryPoint> toPoints(const QList<UPowerHistoryItem> &items);

signals:
    void loaded(const QString &path, const QList<ChargeHistoryPoint> &points);
    void failed(const QString &path);

private:
    void answered(const QString &path, QDBusPendingCallWatcher *watcher);

    struct Pending
    {
        QDBusPendingCallWatcher *watcher = nullptr;
        int span = 0;
        int nextSpan = 0; // asked for meanwhile; 0 for none
    };
    QHash<QString, Pending> pending;
    int timeoutMs = 25000;
};
