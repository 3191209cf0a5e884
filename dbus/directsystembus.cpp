#include "directsystembus.h"

#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>
#include <dbus/dbus.h>
#include <memory>

namespace {

struct Error : DBusError
{
    Error() { dbus_error_init(this); }
    ~Error() { dbus_error_free(this); }
    Q_DISABLE_COPY(Error)
};

struct MessageDeleter
{
    void operator()(DBusMessage *message) const { dbus_message_unref(message); }
};
using Message = std::unique_ptr<DBusMessage, MessageDeleter>;

// Opened on first use, and again after the bus has dropped it.
class Connection
{
public:
    ~Connection() { drop(); }

    DBusConnection *get()
    {
        if (connection && !dbus_connection_get_is_connected(connection))
            drop();
        if (!connection) {
            Error error;
            connection = dbus_bus_get_private(DBUS_BUS_SYSTEM, &error);
            // A bus that goes away must not end the program.
            if (connection)
                dbus_connection_set_exit_on_disconnect(connection, false);
        }
        return connection;
    }

    DBusConnection *ifOpen() const { return connection; }

private:
    void drop()
    {
        if (!connection)
            return;
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
        connection = nullptr;
    }

    DBusConnection *connection = nullptr;
};

Connection &connection()
{
    static Connection shared;
    return shared;
}

template<typename Basic, typename Qt = Basic>
QVariant basicValue(DBusMessageIter *it)
{
    Basic value;
    dbus_message_iter_get_basic(it, &value);
    return QVariant::fromValue(Qt(value));
}

QString text(DBusMessageIter *it)
{
    const char *value;
    dbus_message_iter_get_basic(it, &value);
    return QString::fromUtf8(value);
}

QVariant objectPaths(DBusMessageIter *array)
{
    QList<QDBusObjectPath> paths;
    DBusMessageIter it;
    dbus_message_iter_recurse(array, &it);
    while (dbus_message_iter_get_arg_type(&it) == DBUS_TYPE_OBJECT_PATH) {
        paths.append(QDBusObjectPath(text(&it)));
        dbus_message_iter_next(&it);
    }
    return QVariant::fromValue(paths);
}

QVariant value(DBusMessageIter *it)
{
    switch (dbus_message_iter_get_arg_type(it)) {
    case DBUS_TYPE_BYTE:
        return basicValue<unsigned char, uchar>(it);
    case DBUS_TYPE_BOOLEAN:
        return basicValue<dbus_bool_t, bool>(it);
    case DBUS_TYPE_INT16:
        return basicValue<dbus_int16_t, short>(it);
    case DBUS_TYPE_UINT16:
        return basicValue<dbus_uint16_t, ushort>(it);
    case DBUS_TYPE_INT32:
        return basicValue<dbus_int32_t, int>(it);
    case DBUS_TYPE_UINT32:
        return basicValue<dbus_uint32_t, uint>(it);
    case DBUS_TYPE_INT64:
        return basicValue<dbus_int64_t, qlonglong>(it);
    case DBUS_TYPE_UINT64:
        return basicValue<dbus_uint64_t, qulonglong>(it);
    case DBUS_TYPE_DOUBLE:
        return basicValue<double>(it);
    case DBUS_TYPE_STRING:
        return text(it);
    case DBUS_TYPE_OBJECT_PATH:
        return QVariant::fromValue(QDBusObjectPath(text(it)));
    case DBUS_TYPE_SIGNATURE:
        return QVariant::fromValue(QDBusSignature(text(it)));
    case DBUS_TYPE_VARIANT: {
        DBusMessageIter inner;
        dbus_message_iter_recurse(it, &inner);
        return QVariant::fromValue(QDBusVariant(value(&inner)));
    }
    case DBUS_TYPE_ARRAY:
        if (dbus_message_iter_get_element_type(it) == DBUS_TYPE_OBJECT_PATH)
            return objectPaths(it);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariantList arguments(DBusMessage *reply)
{
    QVariantList values;
    DBusMessageIter it;
    if (!dbus_message_iter_init(reply, &it))
        return values;
    do
        values.append(value(&it));
    while (dbus_message_iter_next(&it));
    return values;
}

// None when libdbus would refuse the call: a call it refuses is never sent.
Message newCall(const QDBusMessage &call)
{
    const QByteArray path = call.path().toUtf8();
    if (!dbus_validate_path(path.constData(), nullptr))
        return nullptr;
    const QByteArray service = call.service().toUtf8();
    const QByteArray interface = call.interface().toUtf8();
    const QByteArray member = call.member().toUtf8();
    Message message(dbus_message_new_method_call(
            service.constData(), path.constData(),
            interface.isEmpty() ? nullptr : interface.constData(), member.constData()));
    if (!message)
        return message;
    DBusMessageIter it;
    dbus_message_iter_init_append(message.get(), &it);
    for (const QVariant &argument : call.arguments()) {
        Q_ASSERT(argument.userType() == QMetaType::QString);
        const QByteArray text = argument.toString().toUtf8();
        const char *data = text.constData();
        if (!dbus_message_iter_append_basic(&it, DBUS_TYPE_STRING, &data))
            return nullptr;
    }
    return message;
}

} // namespace

QDBusMessage DirectSystemBus::call(const QDBusMessage &call)
{
    const Message message = newCall(call);
    if (!message)
        return call.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("Invalid call"));

    DBusConnection *bus = connection().get();
    if (!bus)
        return call.createErrorReply(QDBusError::Disconnected,
                                     QStringLiteral("Not connected to the system bus"));

    Error error;
    const Message reply(dbus_connection_send_with_reply_and_block(
            bus, message.get(), DBUS_TIMEOUT_USE_DEFAULT, &error));
    // Nothing else is asked for on this connection; whatever came besides
    // the reply (the bus's NameAcquired) is dropped, not kept.
    while (DBusMessage *unread = dbus_connection_pop_message(bus))
        dbus_message_unref(unread);
    if (!reply)
        return call.createErrorReply(QString::fromUtf8(error.name),
                                     QString::fromUtf8(error.message));
    return call.createReply(arguments(reply.get()));
}

QString DirectSystemBus::uniqueName()
{
    DBusConnection *bus = connection().ifOpen();
    return bus ? QString::fromUtf8(dbus_bus_get_unique_name(bus)) : QString();
}
