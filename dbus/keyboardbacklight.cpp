#include "keyboardbacklight.h"

#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <algorithm>
#include <climits>

namespace {

constexpr int maxReasonLength = 200;

QDBusMessage kbdCall(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, KbdBacklightWire::path,
                                                       KbdBacklightWire::interface, method);
    // A daemon that is not running is followed when it starts.
    call.setAutoStartService(false);
    return call;
}

// The number of an answer or signal: i as the interface says, or u.
bool readNumber(const QVariant &value, int *number)
{
    bool ok = false;
    if (value.userType() == QMetaType::Int) {
        *number = value.toInt();
        ok = true;
    } else if (value.userType() == QMetaType::UInt) {
        *number = int(std::min(value.toUInt(), uint(INT_MAX)));
        ok = true;
    }
    return ok;
}

bool readReply(QDBusPendingCallWatcher *call, int *number)
{
    const QDBusMessage reply = call->reply();
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            && readNumber(reply.arguments().constFirst(), number);
}

QString reasonOf(const QDBusError &error)
{
    QString line = (error.message().isEmpty() ? error.name() : error.message()).simplified();
    if (line.size() > maxReasonLength)
        line = line.left(maxReasonLength - 1) + QChar(0x2026);
    return line;
}

} // namespace

KeyboardBacklight::KeyboardBacklight(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    auto *watcher = new QDBusServiceWatcher(UPowerWire::service, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                ownerChanged(newOwner);
            });
    // Subscribed before anything is asked, so that no change falls between
    // the answer and the signals. The sender is checked on arrival, which
    // spares a blocking look-up of the daemon's unique name here.
    for (const QLatin1String &signal : {KbdBacklightWire::brightnessChangedSignal,
                                        KbdBacklightWire::brightnessChangedWithSourceSignal}) {
        bus.connect(QString(), KbdBacklightWire::path, KbdBacklightWire::interface, signal, this,
                    SLOT(levelAnnounced(QDBusMessage)));
    }
    ask();
}

KeyboardBacklight::~KeyboardBacklight() = default;

void KeyboardBacklight::ask()
{
    const quint64 asked = ++m_generation;
    m_sending = false;
    m_waitingLevel = -1;
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(kbdCall(
                                                     KbdBacklightWire::getMaxBrightnessMethod)),
                                             this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, asked](QDBusPendingCallWatcher *c) { maximumAnswered(c, asked); });
}

void KeyboardBacklight::maximumAnswered(QDBusPendingCallWatcher *call, quint64 asked)
{
    call->deleteLater();
    if (asked != m_generation)
        return;
    int maximum = 0;
    // No daemon, no such object (no light), or a light that cannot be set.
    if (!readReply(call, &maximum) || maximum <= 0) {
        become(Presence::Absent, 0, -1);
        return;
    }
    const QString owner = call->reply().service();
    auto *next = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(kbdCall(KbdBacklightWire::getBrightnessMethod)),
            this);
    connect(next, &QDBusPendingCallWatcher::finished, this,
            [this, asked, owner, maximum](QDBusPendingCallWatcher *c) {
                levelAnswered(c, asked, owner, maximum);
            });
}

void KeyboardBacklight::levelAnswered(QDBusPendingCallWatcher *call, quint64 asked,
                                      const QString &owner, int maximum)
{
    call->deleteLater();
    if (asked != m_generation)
        return;
    int level = -1;
    if (!readReply(call, &level)) {
        become(Presence::Absent, 0, -1);
        return;
    }
    m_owner = owner;
    become(Presence::Present, maximum, level >= 0 && level <= maximum ? level : -1);
}

void KeyboardBacklight::become(Presence presence, int maximum, int level)
{
    const bool presenceChanged = presence != m_presence || maximum != m_maximum;
    if (presence != Presence::Present)
        m_owner.clear();
    m_presence = presence;
    m_maximum = maximum;
    if (presenceChanged)
        Q_EMIT this->presenceChanged();
    takeLevel(level);
}

void KeyboardBacklight::takeLevel(int level)
{
    if (level == m_level)
        return;
    m_level = level;
    Q_EMIT brightnessChanged(level);
}

void KeyboardBacklight::ownerChanged(const QString &newOwner)
{
    if (!newOwner.isEmpty() && newOwner == m_owner)
        return;
    // Gone, or a new daemon whose light may differ: asked again from the start.
    if (newOwner.isEmpty()) {
        ++m_generation;
        become(Presence::Absent, 0, -1);
        return;
    }
    become(Presence::Asking, 0, -1);
    ask();
}

void KeyboardBacklight::levelAnnounced(const QDBusMessage &message)
{
    if (m_presence != Presence::Present || message.service() != m_owner
        || message.arguments().isEmpty())
        return;
    int level = -1;
    if (readNumber(message.arguments().constFirst(), &level) && level >= 0 && level <= m_maximum)
        takeLevel(level);
}

void KeyboardBacklight::setBrightness(int level)
{
    if (m_presence != Presence::Present)
        return;
    level = std::clamp(level, 0, m_maximum);
    if (m_sending) {
        m_waitingLevel = level;
        return;
    }
    send(level);
}

void KeyboardBacklight::send(int level)
{
    m_sending = true;
    m_waitingLevel = -1;
    QDBusMessage set = kbdCall(KbdBacklightWire::setBrightnessMethod);
    set << level;
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(set), this);
    const quint64 asked = m_generation;
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, level, asked](QDBusPendingCallWatcher *c) { setAnswered(c, level, asked); });
}

void KeyboardBacklight::setAnswered(QDBusPendingCallWatcher *call, int level, quint64 asked)
{
    call->deleteLater();
    if (asked != m_generation)
        return;
    m_sending = false;
    if (call->isError()) {
        m_waitingLevel = -1;
        Q_EMIT refused(reasonOf(call->error()));
        return;
    }
    // Some daemons announce only changes that did not come from a client.
    takeLevel(level);
    if (m_waitingLevel >= 0)
        send(m_waitingLevel);
}
