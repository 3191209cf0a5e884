#include "directsystembus.h"
#include "upowermock.h"
#include "upowertypes.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QtTest>

// The program's own connection must read every value the way QtDBus
// does, since the rules that turn values into decisions were written
// against QtDBus: QtDBus's reply to the same call is the reference.
class TestDirectSystemBus : public QObject
{
    Q_OBJECT

private slots:
    void valuesAsQtDBusReadsThem();
    void failuresAsQtDBusReportsThem();

private:
    static QDBusMessage get(const QString &path, const QString &name)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
                UPowerWire::service, path, DBusWire::propertiesInterface, QStringLiteral("Get"));
        message << QString(UPowerWire::deviceInterface) << name;
        return message;
    }

    // QVariant compares these two by address.
    static QVariant comparable(const QVariant &value)
    {
        if (value.userType() == qMetaTypeId<QDBusObjectPath>())
            return value.value<QDBusObjectPath>().path();
        if (value.userType() == qMetaTypeId<QDBusSignature>())
            return value.value<QDBusSignature>().signature();
        return value;
    }

    static QVariant value(const QDBusMessage &reply)
    {
        return qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant();
    }
};

void TestDirectSystemBus::valuesAsQtDBusReadsThem()
{
    registerUPowerMetaTypes();
    UPowerMock upower;
    QVERIFY(upower.start());
    const QString path = upower.addDevice("BAT0", UPowerMock::battery("B", 10.0, 50.0, 2));
    const QVariantMap values{
            {"Byte", QVariant::fromValue(uchar(200))},
            {"Boolean", true},
            {"Int16", QVariant::fromValue(short(-300))},
            {"UInt16", QVariant::fromValue(ushort(60000))},
            {"Int32", -70000},
            {"UInt32", 4000000000u},
            {"Int64", qlonglong(-5000000000)},
            {"UInt64", qulonglong(18000000000000000000u)},
            {"Double", 12.75},
            {"String", QStringLiteral("Akku “Süd” 電池")},
            {"ObjectPath", QVariant::fromValue(QDBusObjectPath("/a/b"))},
            {"Signature", QVariant::fromValue(QDBusSignature("a{sv}"))},
            {"Nested", QVariant::fromValue(QDBusVariant(7u))},
    };
    upower.setDeviceProperties(path, values);

    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QDBusMessage reference = QDBusConnection::systemBus().call(get(path, it.key()));
        const QDBusMessage direct = DirectSystemBus::call(get(path, it.key()));
        QCOMPARE(direct.type(), QDBusMessage::ReplyMessage);
        QVariant expected = value(reference);
        QVariant actual = value(direct);
        QVERIFY2(expected.userType() == it.value().userType(), qPrintable(it.key()));
        QVERIFY2(actual.userType() == expected.userType(), qPrintable(it.key()));
        if (it.key() == QLatin1String("Nested")) {
            expected = qvariant_cast<QDBusVariant>(expected).variant();
            actual = qvariant_cast<QDBusVariant>(actual).variant();
            QCOMPARE(actual.userType(), int(QMetaType::UInt));
        }
        QVERIFY2(comparable(actual) == comparable(expected), qPrintable(it.key()));
    }

    // The device list, as the monitor takes it.
    upower.setEnumeration({path, "/org/freedesktop/UPower/devices/line_power_AC"});
    const QDBusMessage enumerate = QDBusMessage::createMethodCall(
            UPowerWire::service, UPowerWire::path, UPowerWire::interface, "EnumerateDevices");
    const QDBusReply<QList<QDBusObjectPath>> reference =
            QDBusConnection::systemBus().call(enumerate);
    const QDBusReply<QList<QDBusObjectPath>> direct = DirectSystemBus::call(enumerate);
    QVERIFY(direct.isValid());
    QCOMPARE(direct.value(), reference.value());
    QCOMPARE(direct.value().size(), 2);
}

void TestDirectSystemBus::failuresAsQtDBusReportsThem()
{
    UPowerMock upower;
    QVERIFY(upower.start());
    const QString path = upower.addDevice("BAT0", UPowerMock::battery("B", 10.0, 50.0, 2));

    const auto sameFailure = [](const QDBusMessage &call) {
        const QDBusMessage reference = QDBusConnection::systemBus().call(call);
        const QDBusMessage direct = DirectSystemBus::call(call);
        QCOMPARE(direct.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(direct.errorName(), reference.errorName());
    };
    // A property the device lacks, a device the daemon does not know.
    sameFailure(get(path, "NoSuchProperty"));
    sameFailure(get("/no/such/device", "Type"));

    // A path that is none is refused before anything is sent.
    QCOMPARE(DirectSystemBus::call(get("not a path", "Type")).type(), QDBusMessage::ErrorMessage);

    // A daemon that is gone, and one that comes back.
    upower.stop();
    sameFailure(get(path, "Type"));
    QVERIFY(upower.start());
    const QString again = upower.addDevice("BAT0", UPowerMock::battery("B", 10.0, 50.0, 2));
    QCOMPARE(value(DirectSystemBus::call(get(again, "State"))), QVariant(2u));
}

QTEST_MAIN(TestDirectSystemBus)
#include "tst_directsystembus.moc"
