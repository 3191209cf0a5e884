#include "powerprofiles.h"

#include "foreigntext.h"
#include "wirenames.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QVariantMap>
#include <optional>
#include <utility>

namespace {

// The daemons in the order they are preferred; the interface on each
// object is named like the service.
struct Daemon
{
    QLatin1String service;
    QLatin1String path;
};
const Daemon daemons[] = {
        {PowerProfilesWire::service, PowerProfilesWire::path},
        {PowerProfilesWire::legacyService, PowerProfilesWire::legacyPath},
};
constexpr int daemonCount = int(sizeof daemons / sizeof daemons[0]);

QString readText(const QVariant &value)
{
    return value.userType() == QMetaType::QString ? value.toString() : QString();
}

// Profiles is aa{sv}; anything else, or a dict without a text Profile,
// offers nothing. The signature is checked first so that demarshalling
// never meets a type it does not expect.
QStringList readProfiles(const QVariant &value)
{
    QStringList names;
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return names;
    const auto list = value.value<QDBusArgument>();
    if (list.currentSignature() != QLatin1String("aa{sv}"))
        return names;
    list.beginArray();
    // The rest of an overlong list is left unread: it is offered nowhere.
    while (!list.atEnd() && names.size() < PowerProfiles::maxProfiles) {
        QVariantMap profile;
        list >> profile;
        const QString name = readText(profile.value(PowerProfilesWire::profileKey));
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    // Leaves the array, read or not: the reader of each level is freed here.
    list.endArray();
    return names;
}

QVariantMap readDict(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        const auto dict = value.value<QDBusArgument>();
        if (dict.currentSignature() != QLatin1String("a{sv}"))
            return {};
    }
    return qdbus_cast<QVariantMap>(value);
}

} // namespace

// What the daemon last said, as it said it.
struct PowerProfilesState
{
    bool available = false;
    QStringList profiles;
    QString active;
    QString degraded;

    QString activeProfile() const { return profiles.contains(active) ? active : QString(); }
    bool looksLike(const PowerProfilesState &other) const
    {
        return available == other.available && profiles == other.profiles
                && activeProfile() == other.activeProfile() && degraded == other.degraded;
    }
};

// A hold the program wants, and one a daemon granted.
struct WantedHold
{
    QString profile;
    QString reason;
    QString applicationId;
};
struct GrantedHold
{
    uint cookie;
    int daemon;
    QString owner;
};

class PowerProfilesPrivate : public QObject
{
    Q_OBJECT

public:
    explicit PowerProfilesPrivate(PowerProfiles *q);

    void resolve();
    void resolveSoon();
    void ask(int daemon, quint64 generation);
    void answered(QDBusPendingCallWatcher *call, int daemon, quint64 generation);
    void ownerChanged(const QString &name, const QString &newOwner);
    void forget();
    void take(const QVariantMap &values, bool whole);
    void publish(const PowerProfilesState &before);
    void write(const QString &profile);
    void requestHold();
    void held(QDBusPendingCallWatcher *call, int daemon, const QString &owner);
    void sendRelease(const GrantedHold &hold);

public Q_SLOTS:
    void propertiesChanged(const QDBusMessage &message);
    void profileReleased(const QDBusMessage &message);

public:
    PowerProfiles *q;
    QDBusConnection bus;
    PowerProfilesState state;
    // The daemon followed: its index in daemons and its unique name.
    int daemon = -1;
    QString owner;
    // Answers to an older search are dropped.
    quint64 generation = 0;
    bool resolveQueued = false;
    std::optional<WantedHold> hold;
    std::optional<GrantedHold> granted;
    bool holdPending = false;
    // Listened to from the first hold on: few programs ever hold one.
    bool followingReleases = false;
};

PowerProfilesPrivate::PowerProfilesPrivate(PowerProfiles *q)
    : QObject(q), q(q), bus(QDBusConnection::systemBus())
{
    auto *watcher = new QDBusServiceWatcher(this);
    watcher->setConnection(bus);
    watcher->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    for (const Daemon &d : daemons) {
        watcher->addWatchedService(d.service);
        // Subscribed before anything is read, so no change falls between the
        // read and the signals; the sender is checked on arrival, which
        // spares a blocking look-up of the owner here.
        bus.connect(QString(), d.path, DBusWire::propertiesInterface,
                    DBusWire::propertiesChangedSignal, this, SLOT(propertiesChanged(QDBusMessage)));
    }
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &name, const QString &, const QString &newOwner) {
                ownerChanged(name, newOwner);
            });
    resolve();
}

// Asks the daemons in turn; the first to answer is followed.
void PowerProfilesPrivate::resolve()
{
    ask(0, ++generation);
}

void PowerProfilesPrivate::ask(int index, quint64 asked)
{
    const Daemon &d = daemons[index];
    QDBusMessage getAll = QDBusMessage::createMethodCall(
            d.service, d.path, DBusWire::propertiesInterface, DBusWire::getAllMethod);
    getAll << QString(d.service);
    // A daemon that is not running stays so: it is followed when it starts.
    getAll.setAutoStartService(false);
    auto *call = new QDBusPendingCallWatcher(bus.asyncCall(getAll), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, index, asked](QDBusPendingCallWatcher *c) { answered(c, index, asked); });
}

void PowerProfilesPrivate::answered(QDBusPendingCallWatcher *call, int index, quint64 asked)
{
    call->deleteLater();
    if (asked != generation)
        return;
    const QDBusMessage reply = call->reply();
    if (reply.type() == QDBusMessage::ReplyMessage && reply.signature() == QLatin1String("a{sv}")) {
        daemon = index;
        owner = reply.service();
        take(readDict(reply.arguments().constFirst()), true);
    } else if (index + 1 < daemonCount) {
        ask(index + 1, asked);
    } else {
        forget();
    }
}

void PowerProfilesPrivate::ownerChanged(const QString &name, const QString &newOwner)
{
    const bool followed = daemon >= 0 && name == daemons[daemon].service;
    if (followed && newOwner == owner)
        return;
    // A preferred daemon that appears is taken over a fallback; otherwise
    // only the followed one, or any while none is, matters.
    const bool preferred = daemon > 0 && name == daemons[0].service && !newOwner.isEmpty();
    if (!followed && !preferred && daemon >= 0)
        return;
    if (followed && newOwner.isEmpty())
        forget();
    resolveSoon();
}

// A daemon that takes both names at once is then asked once.
void PowerProfilesPrivate::resolveSoon()
{
    if (resolveQueued)
        return;
    resolveQueued = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                resolveQueued = false;
                resolve();
            },
            Qt::QueuedConnection);
}

void PowerProfilesPrivate::forget()
{
    const PowerProfilesState before = state;
    state = PowerProfilesState();
    daemon = -1;
    owner.clear();
    // Its holds went with it.
    granted.reset();
    publish(before);
}

// values: a GetAll answer (whole) or the changes of a PropertiesChanged.
void PowerProfilesPrivate::take(const QVariantMap &values, bool whole)
{
    const PowerProfilesState before = state;
    if (whole)
        state = PowerProfilesState();
    state.available = true;
    const auto profiles = values.constFind(PowerProfilesWire::profilesProperty);
    if (profiles != values.cend())
        state.profiles = readProfiles(*profiles);
    const auto active = values.constFind(PowerProfilesWire::activeProfileProperty);
    if (active != values.cend())
        state.active = readText(*active);
    const auto degraded = values.constFind(PowerProfilesWire::performanceDegradedProperty);
    if (degraded != values.cend())
        state.degraded = readText(*degraded);
    // The hold lives with the daemon followed.
    if (granted && granted->owner != owner) {
        sendRelease(*granted);
        granted.reset();
    }
    requestHold();
    publish(before);
}

void PowerProfilesPrivate::publish(const PowerProfilesState &before)
{
    if (!state.looksLike(before))
        Q_EMIT q->changed();
}

void PowerProfilesPrivate::propertiesChanged(const QDBusMessage &message)
{
    if (daemon < 0 || message.service() != owner || message.path() != daemons[daemon].path
        || message.signature() != QLatin1String("sa{sv}as"))
        return;
    const QVariantList args = message.arguments();
    if (args.constFirst().toString() != daemons[daemon].service)
        return;
    if (!args.at(2).toStringList().isEmpty()) {
        // A value dropped without the new one: read them all again.
        resolve();
        return;
    }
    take(readDict(args.at(1)), false);
}

void PowerProfilesPrivate::write(const QString &profile)
{
    const Daemon &d = daemons[daemon];
    QDBusMessage set = QDBusMessage::createMethodCall(
            d.service, d.path, DBusWire::propertiesInterface, DBusWire::setMethod);
    set << QString(d.service) << QString(PowerProfilesWire::activeProfileProperty)
        << QVariant::fromValue(QDBusVariant(profile));
    set.setAutoStartService(false);
    // polkit may ask the user before the daemon switches.
    set.setInteractiveAuthorizationAllowed(true);
    auto *call = new QDBusPendingCallWatcher(bus.asyncCall(set), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, profile](QDBusPendingCallWatcher *c) {
                c->deleteLater();
                const QDBusMessage reply = c->reply();
                if (reply.type() == QDBusMessage::ReplyMessage)
                    return;
                const QString text = reply.errorMessage().trimmed().isEmpty()
                        ? reply.errorName()
                        : reply.errorMessage();
                Q_EMIT q->refused(profile, ForeignText::reason(text));
            });
}

void PowerProfilesPrivate::requestHold()
{
    if (!hold || granted || holdPending || daemon < 0 || !state.profiles.contains(hold->profile))
        return;
    const Daemon &d = daemons[daemon];
    QDBusMessage call = QDBusMessage::createMethodCall(d.service, d.path, d.service,
                                                       PowerProfilesWire::holdProfileMethod);
    call << hold->profile << hold->reason << hold->applicationId;
    call.setAutoStartService(false);
    holdPending = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, asked = daemon, askedOwner = owner](QDBusPendingCallWatcher *c) {
                held(c, asked, askedOwner);
            });
}

void PowerProfilesPrivate::held(QDBusPendingCallWatcher *call, int asked, const QString &askedOwner)
{
    call->deleteLater();
    holdPending = false;
    const QDBusMessage reply = call->reply();
    const bool current = hold && askedOwner == owner;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != QLatin1String("u")) {
        if (current) {
            const QString profile = hold->profile;
            hold.reset();
            const QString text = reply.errorMessage().trimmed().isEmpty() ? reply.errorName()
                                                                          : reply.errorMessage();
            Q_EMIT q->refused(profile, ForeignText::reason(text));
        }
        return;
    }
    const GrantedHold grant{reply.arguments().constFirst().toUInt(), asked, askedOwner};
    // Released, or the daemon changed, while the question was out.
    if (!current) {
        sendRelease(grant);
        requestHold();
        return;
    }
    granted = grant;
    if (!std::exchange(followingReleases, true)) {
        for (const Daemon &d : daemons)
            bus.connect(QString(), d.path, d.service, PowerProfilesWire::profileReleasedSignal,
                        this, SLOT(profileReleased(QDBusMessage)));
    }
}

void PowerProfilesPrivate::sendRelease(const GrantedHold &grant)
{
    const Daemon &d = daemons[grant.daemon];
    // To the daemon that granted it, not to whoever has the name now.
    QDBusMessage call = QDBusMessage::createMethodCall(grant.owner, d.path, d.service,
                                                       PowerProfilesWire::releaseProfileMethod);
    call << grant.cookie;
    call.setAutoStartService(false);
    // Nothing to do about a failure: a daemon that has gone dropped it.
    bus.asyncCall(call);
}

// The daemon ended the hold itself: someone chose a profile.
void PowerProfilesPrivate::profileReleased(const QDBusMessage &message)
{
    if (!granted || message.service() != granted->owner || message.signature() != QLatin1String("u")
        || message.arguments().constFirst().toUInt() != granted->cookie)
        return;
    granted.reset();
    hold.reset();
}

PowerProfiles::PowerProfiles(QObject *parent)
    : QObject(parent), d(std::make_unique<PowerProfilesPrivate>(this))
{
}

PowerProfiles::~PowerProfiles() = default;

bool PowerProfiles::isAvailable() const
{
    return d->state.available;
}

QStringList PowerProfiles::profiles() const
{
    return d->state.profiles;
}

QString PowerProfiles::activeProfile() const
{
    return d->state.activeProfile();
}

QString PowerProfiles::performanceDegraded() const
{
    return d->state.degraded;
}

void PowerProfiles::setActiveProfile(const QString &profile)
{
    if (d->daemon >= 0 && d->state.profiles.contains(profile)) {
        d->write(profile);
        return;
    }
    // Answered later, as the daemon's refusals are, so that callers see one
    // order of events.
    const QString reason = tr("The power profile daemon does not offer this profile.");
    QMetaObject::invokeMethod(
            this, [this, profile, reason] { Q_EMIT refused(profile, reason); },
            Qt::QueuedConnection);
}

void PowerProfiles::holdProfile(const QString &profile, const QString &reason,
                                const QString &applicationId)
{
    if (d->hold && d->hold->profile == profile)
        return;
    releaseProfile();
    d->hold = WantedHold{profile, reason, applicationId};
    d->requestHold();
}

void PowerProfiles::releaseProfile()
{
    d->hold.reset();
    if (d->granted) {
        d->sendRelease(*d->granted);
        d->granted.reset();
    }
}

#include "powerprofiles.moc"
