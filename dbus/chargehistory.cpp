#include "chargehistory.h"

#include "upowertypes.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <algorithm>
#include <cmath>

ChargeHistory::ChargeHistory(QObject *parent) : QObject(parent)
{
    registerUPowerMetaTypes();
    // Queued connections and QSignalSpy copy the points through QVariant.
    qRegisterMetaType<QList<ChargeHistoryPoint>>();
}

void ChargeHistory::request(const QString &devicePath, int spanSeconds)
{
    if (spanSeconds <= 0)
        return;
    const auto out = pending.find(devicePath);
    if (out != pending.end()) {
        out->nextSpan = spanSeconds == out->span ? 0 : spanSeconds;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, devicePath,
                                                       UPowerWire::deviceInterface,
                                                       UPowerWire::getHistoryMethod);
    call << QStringLiteral("charge") << uint(spanSeconds) << resolution;
    const QDBusPendingCall reply = QDBusConnection::systemBus().asyncCall(call, timeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(reply, this);
    pending.insert(devicePath, {watcher, spanSeconds});
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, devicePath, watcher] { answered(devicePath, watcher); });
}

bool ChargeHistory::isPending(const QString &devicePath) const
{
    return pending.contains(devicePath);
}

void ChargeHistory::answered(const QString &path, QDBusPendingCallWatcher *watcher)
{
    const int nextSpan = pending.take(path).nextSpan;
    watcher->deleteLater();
    // A reply of another signature reads as an error, not as no history.
    const QDBusPendingReply<UPowerHistory> reply = *watcher;
    if (reply.isError())
        emit failed(path);
    else
        emit loaded(path, toPoints(reply.value()));
    if (nextSpan)
        request(path, nextSpan);
}

QList<ChargeHistoryPoint> ChargeHistory::toPoints(const UPowerHistory &items)
{
    QList<ChargeHistoryPoint> points;
    points.reserve(items.size());
    for (const UPowerHistoryItem &item : items) {
        // upowerd marks where its record has a gap (it was not running)
        // with an entry of state unknown and value 0: no charge of 0 %.
        if (item.state == 0 || !std::isfinite(item.value) || item.value < 0 || item.value > 100)
            continue;
        points.append({qint64(item.time), item.value, item.state});
    }
    // upowerd answers newest first; stable, so equal times keep their order.
    std::stable_sort(points.begin(), points.end(),
                     [](const ChargeHistoryPoint &a, const ChargeHistoryPoint &b) {
                         return a.time < b.time;
                     });
    return points;
}
