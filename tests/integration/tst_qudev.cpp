#include "qudev.h"

#include <QDir>
#include <QtTest>

class TestQUdev : public QObject
{
    Q_OBJECT

private slots:
    void unknownAndGarbagePathsGiveNoDevice();
    void realDeviceGivesItsNode();
    void powerSupplyByName();
};

void TestQUdev::unknownAndGarbagePathsGiveNoDevice()
{
    QUdev udev;
    const QStringList paths{QString(),
                            QStringLiteral("   "),
                            QStringLiteral("/sys/devices/no/such/device"),
                            QStringLiteral("/etc/passwd"),
                            QStringLiteral("../../../../etc"),
                            QStringLiteral("BAT-does-not-exist"),
                            QStringLiteral("\x01//\t") + QChar(0) + QStringLiteral("x"),
                            QString(5000, QLatin1Char('a'))};
    for (const QString &path : paths) {
        const QUdevDevice device = udev.deviceFromSysPath(path);
        QVERIFY2(!device.isValid(), qPrintable(path));
        QVERIFY(device.devnode().isEmpty());
    }
}

void TestQUdev::realDeviceGivesItsNode()
{
    // Found through sysfs itself rather than udev: DEVNAME in the uevent file.
    QString sysPath;
    QString node;
    QStringList candidates{QStringLiteral("/sys/class/mem/null")};
    const QDir classes(QStringLiteral("/sys/class"));
    for (const QString &name : classes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir devices(classes.filePath(name));
        for (const QString &device : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            candidates << devices.filePath(device);
    }
    for (int i = 0; node.isEmpty() && i < candidates.size(); ++i) {
        QFile uevent(candidates.at(i) + QStringLiteral("/uevent"));
        if (!uevent.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : uevent.readAll().split('\n')) {
            if (line.startsWith("DEVNAME=") && line.size() > 8) {
                sysPath = candidates.at(i);
                node = QStringLiteral("/dev/") + QString::fromUtf8(line.mid(8));
            }
        }
    }
    if (node.isEmpty())
        QSKIP("this machine's /sys shows no device with a DEVNAME, nothing to look up");

    QUdev udev;
    QUdevDevice device = udev.deviceFromSysPath(sysPath);
    QVERIFY2(device.isValid(), qPrintable(sysPath));
    QCOMPARE(device.devnode(), node);
    // Relative to /sys, as UPower reports some paths.
    QCOMPARE(udev.deviceFromSysPath(sysPath.mid(5)).devnode(), node);

    // Copies share the device, whichever goes first.
    QUdevDevice copy;
    {
        const QUdevDevice original = udev.deviceFromSysPath(sysPath);
        copy = original;
        device = copy;
    }
    QCOMPARE(copy.devnode(), node);
    QCOMPARE(QUdevDevice(device).sysPath(), copy.sysPath());
}

void TestQUdev::powerSupplyByName()
{
    const QDir supplies(QStringLiteral("/sys/class/power_supply"));
    const QString name = supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
    if (name.isEmpty())
        QSKIP("this machine has no power supply in /sys/class/power_supply");

    const QUdevDevice device = QUdev().deviceFromSysPath(name);
    QCOMPARE(device.subsystem(), QStringLiteral("power_supply"));
    QCOMPARE(device.sysPath(), QFileInfo(supplies.filePath(name)).canonicalFilePath());
}

QTEST_GUILESS_MAIN(TestQUdev)
#include "tst_qudev.moc"
