// The display server is chosen from Qt's platform, and every part of one
// that offers it nothing says why and takes its calls without harm: on a
// platform without a display server (offscreen) and on Wayland (weston,
// headless, which has no ext-idle-notify-v1). The parts on X11 are tested
// in tst_x11display.
#include <QDir>
#include <QProcess>
#include <QtTest>

class TestDisplayServer : public QObject
{
    Q_OBJECT

private slots:
    void offscreenHasNothingAndSaysWhy();
    void waylandOffersNoKeysAndSaysWhy();
    void cleanup();

private:
    static QStringList probe(const QProcessEnvironment &environment);

    QProcess m_weston;
};

QStringList TestDisplayServer::probe(const QProcessEnvironment &environment)
{
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(DISPLAYPROBE), QStringList());
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0) {
        qWarning() << probe.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(probe.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestDisplayServer::cleanup()
{
    if (m_weston.state() != QProcess::NotRunning) {
        m_weston.terminate();
        if (!m_weston.waitForFinished(60000))
            m_weston.kill();
        m_weston.waitForFinished(-1);
    }
}

void TestDisplayServer::offscreenHasNothingAndSaysWhy()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList expected{
            QStringLiteral("kind: Other"),
            QStringLiteral("idle: This display server does not report idle time"),
            QStringLiteral("idle timeout: refused"),
            QStringLiteral("keys: Keys cannot be taken on this display server"),
            QStringLiteral("grab: not held"),
            QStringLiteral("screen: This display server cannot turn the screen off"),
            QStringLiteral("turn off: refused"),
            QStringLiteral("monitors: 1"),
    };
    QCOMPARE(probe(environment), expected);
}

void TestDisplayServer::waylandOffersNoKeysAndSaysWhy()
{
    const QString socket = QStringLiteral("wex-weston-%1").arg(QCoreApplication::applicationPid());
    // Its log, for when something goes wrong, in the harness's temporary folder.
    m_weston.setProcessChannelMode(QProcess::MergedChannels);
    m_weston.setStandardOutputFile(QDir::temp().filePath(QStringLiteral("weston.log")));
    m_weston.start(QStringLiteral("weston"),
                   {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--no-config"),
                    QStringLiteral("--idle-time=0"), QStringLiteral("--socket=") + socket});
    QVERIFY(m_weston.waitForStarted(60000));
    const QString path = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(socket);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 60000);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    environment.remove(QStringLiteral("DISPLAY"));
    // Full stacks in sanitizer builds, so that the leaks of Qt's Wayland
    // plugin are told from this project's own (see tests/harness/lsan.supp).
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       asan + QStringLiteral(":fast_unwind_on_malloc=0"));
    const QStringList expected{
            QStringLiteral("kind: Wayland"),
            QStringLiteral("idle: This Wayland compositor does not report idle time"),
            QStringLiteral("idle timeout: refused"),
            QStringLiteral("keys: Keys cannot be taken on Wayland"),
            QStringLiteral("grab: not held"),
            QStringLiteral("screen: The screen cannot be turned off on Wayland"),
            QStringLiteral("turn off: refused"),
            QStringLiteral("monitors: 1"),
    };
    QCOMPARE(probe(environment), expected);
}

QTEST_MAIN(TestDisplayServer)
#include "tst_displayserver.moc"
