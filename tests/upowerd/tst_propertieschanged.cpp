#include "programparts.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wbattery.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

// The battery page follows PropertiesChanged of its device as UPower 0.99
// sends it: one refresh per signal, and only for the device interface.
class TestPropertiesChanged : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TestIconTheme::install()); }
    void refreshesOncePerSignalOfItsDevice();

private:
    static void emitPropertiesChanged(UPowerMock &upower, const QString &path,
                                      const QString &interface, const QVariantMap &changed)
    {
        upower.mock(QStringLiteral("EmitSignal"),
                    {QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), QStringLiteral("sa{sv}as"),
                     QVariantList{interface, changed, QStringList()}},
                    path);
    }
    // How often the page has read the device's State: every refresh reads
    // it the same number of times. dbusmock logs each property read.
    static int stateReads(const QString &path)
    {
        QFile log(QDir::temp().filePath(QStringLiteral("org.freedesktop.UPower.log")));
        if (!log.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray read =
                QStringLiteral(" Get %1 org.freedesktop.UPower.Device.State\n").arg(path).toUtf8();
        return log.readAll().count(read);
    }
};

void TestPropertiesChanged::refreshesOncePerSignalOfItsDevice()
{
    UPowerMock upower;
    QVERIFY(upower.start());
    const QString path = upower.addDevice(
            QStringLiteral("BAT0"), UPowerMock::battery(QStringLiteral("Cell"), 30.0, 50.0, 2));
    WBattery battery(path);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("60%"));

    // The old Changed signal still refreshes; it gives the reads of one.
    int before = stateReads(path);
    upower.changeDevice(path, {{QStringLiteral("Energy"), 25.0}});
    QTRY_COMPARE(chargeLabel(battery)->text(), QStringLiteral("50%"));
    QTest::qWait(300);
    const int readsPerRefresh = stateReads(path) - before;
    QVERIFY(readsPerRefresh > 0);

    upower.setDeviceProperties(path,
                               {{QStringLiteral("Energy"), 10.0},
                                {QStringLiteral("State"), 1u},
                                {QStringLiteral("Percentage"), 20.0}});
    // A change of another interface on the same object is not the page's.
    emitPropertiesChanged(upower, path, QStringLiteral("org.freedesktop.UPower"),
                          {{QStringLiteral("OnBattery"), true}});
    QTest::qWait(300);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("50%"));

    before = stateReads(path);
    emitPropertiesChanged(upower, path, QStringLiteral("org.freedesktop.UPower.Device"),
                          {{QStringLiteral("Energy"), 10.0},
                           {QStringLiteral("State"), 1u},
                           {QStringLiteral("Percentage"), 20.0}});
    QTRY_COMPARE(chargeLabel(battery)->text(), QStringLiteral("20%"));
    QCOMPARE(stateIconName(battery), QStringLiteral("connect_established"));
    QTest::qWait(300);
    QCOMPARE(stateReads(path) - before, readsPerRefresh);
}

QTEST_MAIN(TestPropertiesChanged)
#include "tst_propertieschanged.moc"
