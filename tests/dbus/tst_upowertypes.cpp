#include "upowertypes.h"

#include <QtTest>

// The D-Bus types the program registers for UPower's answers.
class TestUPowerTypes : public QObject
{
    Q_OBJECT

private slots:
    void objectPathListConverts();
};

void TestUPowerTypes::objectPathListConverts()
{
    const int id = registerUPowerMetaTypes();
    QCOMPARE(id, registerUPowerMetaTypes());
    QCOMPARE(id, qMetaTypeId<QList<QDBusObjectPath>>());
    const QVariant reply = QVariant::fromValue(
            QList<QDBusObjectPath>{QDBusObjectPath("/a"), QDBusObjectPath("/b")});
    QVERIFY(reply.canConvert<QVariantList>());
    QStringList paths;
    for (const QVariant &item : reply.value<QSequentialIterable>())
        paths << item.value<QDBusObjectPath>().path();
    QCOMPARE(paths, (QStringList{"/a", "/b"}));
}

QTEST_MAIN(TestUPowerTypes)
#include "tst_upowertypes.moc"
