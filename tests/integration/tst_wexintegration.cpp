#include "wexintegration.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class TestWexIntegration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void initSetsVersionNameAndSettingsLocation();
    void geometryRoundTripAndDefaults();
    void offScreenGeometryComesBackOnScreen();
    void windowStateFollowsTheFlag();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};

void TestWexIntegration::init()
{
    static int count = 0;
    const QString file = m_dir.filePath(QStringLiteral("settings-%1.conf").arg(++count));
    m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

void TestWexIntegration::initSetsVersionNameAndSettingsLocation()
{
    // The name the program's executable gives it.
    QCoreApplication::setApplicationName(QStringLiteral("wex-power"));
    QVERIFY(QCoreApplication::organizationName().isEmpty());
    wexInit("1.2.1-1", "Wex Power\nKeeps an eye on the battery\nignored");
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.2.1-1"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("wex"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Wex Power"));
    QCOMPARE(wexApplicationSummary(), QStringLiteral("Keeps an eye on the battery"));

    // The harness gives this test a configuration folder of its own.
    const QString expected =
            qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/wex/wex-power.conf");
    QSettings().setValue(QStringLiteral("probe"), 42); // written when it goes
    QCOMPARE(QSettings(expected, QSettings::IniFormat).value(QStringLiteral("probe")).toInt(), 42);

    // An organisation chosen by the program stays.
    QCoreApplication::setOrganizationName(QStringLiteral("elsewhere"));
    wexInit("2.0", "Other");
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("elsewhere"));
    QCOMPARE(wexApplicationName(), QStringLiteral("Other"));
    QVERIFY(wexApplicationSummary().isEmpty());
}

void TestWexIntegration::geometryRoundTripAndDefaults()
{
    QWidget saved;
    saved.setObjectName(QStringLiteral("main"));
    saved.setGeometry(110, 120, 300, 200);
    wexSaveGeometry(&saved, m_settings.get());
    m_settings->sync();

    // A restarted program reading the file; another window has its own key.
    QSettings reread(m_settings->fileName(), QSettings::IniFormat);
    QWidget restored;
    restored.setObjectName(QStringLiteral("main"));
    wexRestoreGeometry(&restored, &reread, QRect(5, 5, 400, 400), true);
    QCOMPARE(restored.geometry(), QRect(110, 120, 300, 200));

    QWidget other;
    other.setObjectName(QStringLiteral("other"));
    other.setGeometry(30, 40, 250, 150);
    wexRestoreGeometry(&other, &reread, QRect(), true);
    QCOMPARE(other.geometry(), QRect(30, 40, 250, 150));
    wexRestoreGeometry(&other, &reread, QRect(60, 70, 320, 240), true);
    QCOMPARE(other.geometry(), QRect(60, 70, 320, 240));

    // Something that is no geometry counts as nothing stored.
    reread.setValue(wexGeometryKey(&other), QByteArray("not a geometry"));
    wexRestoreGeometry(&other, &reread, QRect(10, 20, 200, 100), true);
    QCOMPARE(other.geometry(), QRect(10, 20, 200, 100));
}

void TestWexIntegration::offScreenGeometryComesBackOnScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    // Saved on a larger monitor that is gone: far off, and too wide.
    QWidget saved;
    saved.setObjectName(QStringLiteral("main"));
    saved.setGeometry(available.right() + 2000, available.bottom() + 1500, available.width() + 300,
                      400);
    wexSaveGeometry(&saved, m_settings.get());

    QWidget window;
    window.setObjectName(QStringLiteral("main"));
    wexRestoreGeometry(&window, m_settings.get(), QRect(), true);
    QVERIFY(available.contains(window.frameGeometry()));
    QCOMPARE(window.height(), 400);

    QWidget fresh;
    wexRestoreGeometry(&fresh, m_settings.get(), QRect(-5000, -5000, 200, 100), true);
    QVERIFY(available.contains(fresh.frameGeometry()));
    QCOMPARE(fresh.size(), QSize(200, 100));
}

void TestWexIntegration::windowStateFollowsTheFlag()
{
    QWidget saved;
    saved.setObjectName(QStringLiteral("main"));
    saved.setGeometry(40, 50, 320, 200);
    saved.setWindowState(Qt::WindowMaximized);
    wexSaveGeometry(&saved, m_settings.get());

    for (const bool keep : {true, false}) {
        QWidget window;
        window.setObjectName(QStringLiteral("main"));
        wexRestoreGeometry(&window, m_settings.get(), QRect(), keep);
        QCOMPARE(window.isMaximized(), keep);
        if (!keep)
            QCOMPARE(window.geometry(), QRect(40, 50, 320, 200));
    }
}

QTEST_MAIN(TestWexIntegration)
#include "tst_wexintegration.moc"
