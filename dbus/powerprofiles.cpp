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

public Q_SLOTS:
    void propertiesChanged(const QDBusMessage &message);

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

#include "powerprofiles.moc"
