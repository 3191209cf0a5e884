#pragma once

#include <QProcess>
#include <QString>

// Devices simulated in sysfs by umockdev (simulated_sysfs.py, which
// documents the commands), and on request Debian's upowerd reading them.
//
// Code of this process sees them through libudev and file reads once the
// test runs under umockdev's preload library (WEX_UMOCKDEV_TEST_MAIN) and
// useHere() pointed it at this simulation's root. The helper stops when
// the object goes.
class SimulatedSysfs
{
public:
    SimulatedSysfs();
    ~SimulatedSysfs();

    // Sends one command and waits for its answer; false with a warning
    // unless the helper says "ok". What follows "ok " goes to result.
    bool command(const QString &line, QString *result = nullptr, int timeoutMs = 30000);
    // The value an attribute file holds now; empty when it cannot be read.
    QString attribute(const QString &device, const QString &name);
    // Points this process's sysfs at the simulation's root.
    bool useHere();

    // Runs this program again under umockdev's preload library unless it
    // already is (call it first in main). The preload reads its root from
    // UMOCKDEV_DIR on every call: without it, the real sysfs is seen.
    static void reexecUnderPreload(char **argv);

private:
    QProcess helper;
};

// QTEST_GUILESS_MAIN, run under umockdev's preload library.
#define WEX_UMOCKDEV_TEST_MAIN(TestObject)                                                         \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        SimulatedSysfs::reexecUnderPreload(argv);                                                  \
        QCoreApplication app(argc, argv);                                                          \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
