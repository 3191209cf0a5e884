// The Wayland idle watch against a small compositor of the test's own that
// offers ext-idle-notify-v1 (Debian 12's weston does not): timeouts, resume,
// and what is left when the compositor lacks the global or goes away.
#include "idlewatch.h"
#include "waylandconnection.h"
#include "waylandidlewatch.h"

#include <QProcess>
#include <QtTest>

class TestWaylandIdle : public QObject
{
    Q_OBJECT

private slots:
    void timeoutIsReachedAndInputResumes();
    void resumeIsCaughtWithoutReachedTimeout();
    void compositorGoingAwayLeavesWatchUnavailable();
    void missingGlobalOrCompositorIsSaid();
    void cleanup();

private:
    bool startCompositor(const QStringList &options = {});
    bool waitForLine(const QByteArray &line);

    QProcess m_compositor;
    QByteArray m_socket;
};

bool TestWaylandIdle::startCompositor(const QStringList &options)
{
    m_socket = "wex-idle-" + QByteArray::number(QCoreApplication::applicationPid());
    m_compositor.start(QStringLiteral(FAKEIDLECOMPOSITOR),
                       QStringList{QString::fromLatin1(m_socket)} + options);
    return waitForLine("ready");
}

bool TestWaylandIdle::waitForLine(const QByteArray &line)
{
    for (;;) {
        while (m_compositor.canReadLine()) {
            if (m_compositor.readLine().trimmed() == line)
                return true;
        }
        if (!m_compositor.waitForReadyRead(60000))
            return false;
    }
}

void TestWaylandIdle::cleanup()
{
    m_compositor.closeWriteChannel();
    if (!m_compositor.waitForFinished(60000))
        m_compositor.kill();
    m_compositor.waitForFinished(-1);
}

void TestWaylandIdle::timeoutIsReachedAndInputResumes()
{
    QVERIFY(startCompositor());
    WaylandConnection connection(m_socket);
    QVERIFY(connection.isConnected());
    WaylandIdleWatch idle(&connection);
    QVERIFY2(idle.isAvailable(), qPrintable(idle.unavailableReason()));
    QSignalSpy reached(&idle, &IdleWatch::timeoutReached);
    QSignalSpy resumed(&idle, &IdleWatch::resumingFromIdle);
    QCOMPARE(idle.idleTime(), 0);

    const int id = idle.addIdleTimeout(1000);
    QVERIFY(id > 0);
    QVERIFY(reached.wait(60000));
    QCOMPARE(reached.at(0).at(0).toInt(), id);
    QCOMPARE(reached.at(0).at(1).toInt(), 1000);
    QVERIFY(idle.idleTime() >= 1000);

    idle.catchNextResumeEvent();
    m_compositor.write("input\n");
    QVERIFY(resumed.wait(60000));
    QCOMPARE(idle.idleTime(), 0);

    // Reached again in the next idle period, and the resume was caught once.
    QVERIFY(reached.wait(60000));
    QCOMPARE(reached.size(), 2);
    QCOMPARE(resumed.size(), 1);
    idle.removeIdleTimeout(id);
}

void TestWaylandIdle::resumeIsCaughtWithoutReachedTimeout()
{
    QVERIFY(startCompositor());
    WaylandConnection connection(m_socket);
    WaylandIdleWatch idle(&connection);
    QSignalSpy reached(&idle, &IdleWatch::timeoutReached);
    QSignalSpy resumed(&idle, &IdleWatch::resumingFromIdle);
    idle.addIdleTimeout(600000);

    idle.catchNextResumeEvent();
    QVERIFY(waitForLine("idled 0"));
    m_compositor.write("input\n");
    QVERIFY(resumed.wait(60000));
    QVERIFY(reached.isEmpty());
}

void TestWaylandIdle::compositorGoingAwayLeavesWatchUnavailable()
{
    QVERIFY(startCompositor());
    WaylandConnection connection(m_socket);
    WaylandIdleWatch idle(&connection);
    const int id = idle.addIdleTimeout(600000);
    QSignalSpy disconnected(&connection, &WaylandConnection::disconnected);

    m_compositor.closeWriteChannel();
    QVERIFY(disconnected.wait(60000));
    QVERIFY(!idle.isAvailable());
    QCOMPARE(idle.unavailableReason(),
             QStringLiteral("The connection to the Wayland compositor broke"));
    QCOMPARE(idle.addIdleTimeout(1000), 0);
    QCOMPARE(idle.idleTime(), -1);
    idle.catchNextResumeEvent();
    idle.removeIdleTimeout(id);
}

void TestWaylandIdle::missingGlobalOrCompositorIsSaid()
{
    QVERIFY(startCompositor({QStringLiteral("--no-idle-notifier")}));
    WaylandConnection connection(m_socket);
    QVERIFY(connection.isConnected());
    QVERIFY(connection.seat());
    WaylandIdleWatch idle(&connection);
    QCOMPARE(idle.unavailableReason(),
             QStringLiteral("This Wayland compositor does not report idle time"));
    QCOMPARE(idle.addIdleTimeout(1000), 0);
    idle.catchNextResumeEvent();

    WaylandConnection nowhere("wex-no-such-compositor");
    QVERIFY(!nowhere.isConnected());
    WaylandIdleWatch unreachable(&nowhere);
    QCOMPARE(unreachable.unavailableReason(),
             QStringLiteral("The Wayland compositor cannot be reached"));
    QCOMPARE(unreachable.addIdleTimeout(1000), 0);
}

QTEST_MAIN(TestWaylandIdle)
#include "tst_waylandidle.moc"
