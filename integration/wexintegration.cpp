#include "wexintegration.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <memory>

namespace {

struct AboutInfo
{
    QString name;
    QString summary;
};

AboutInfo &aboutInfo()
{
    static AboutInfo info;
    return info;
}

constexpr Qt::WindowStates FullStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// The screen showing most of rect, or the primary one when none does.
QScreen *screenFor(const QRect &rect)
{
    QScreen *best = nullptr;
    qint64 bestArea = 0;
    const auto screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        const QRect common = screen->availableGeometry().intersected(rect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

// A geometry saved on a screen that is gone, or with a larger resolution,
// must not leave the window where nobody can reach it.
void keepOnScreen(QWidget *window)
{
    if (window->windowState() & FullStates)
        return; // the window system places those
    QScreen *screen = screenFor(window->frameGeometry());
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    if (available.contains(window->frameGeometry()))
        return;

    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    window->resize(window->size().boundedTo(available.size() - decoration));

    const QRect frame = window->frameGeometry();
    const int x = qBound(available.left(), frame.left(), available.right() - frame.width() + 1);
    const int y = qBound(available.top(), frame.top(), available.bottom() - frame.height() + 1);
    window->move(x, y);
}

} // namespace

void wexInit(const char *version, const char *description)
{
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version));
    // The settings of every wex program share one folder; a program that
    // chose its own organisation keeps it.
    if (QCoreApplication::organizationName().isEmpty())
        QCoreApplication::setOrganizationName(QStringLiteral("wex"));

    const QStringList lines = QString::fromUtf8(description).split(QLatin1Char('\n'));
    AboutInfo &info = aboutInfo();
    info.name = lines.value(0).trimmed();
    info.summary = lines.value(1).trimmed();
    if (!info.name.isEmpty())
        QGuiApplication::setApplicationDisplayName(info.name);
}

QString wexApplicationName()
{
    return aboutInfo().name;
}

QString wexApplicationSummary()
{
    return aboutInfo().summary;
}

QString wexGeometryKey(const QWidget *window)
{
    QString name = window->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(window->metaObject()->className());
    return QStringLiteral("WexIntegration/Geometry/") + name;
}

// Callers may pass no store: the application's default one serves then.
static QSettings *settingsOrDefault(QSettings *settings, std::unique_ptr<QSettings> &own)
{
    if (settings)
        return settings;
    own = std::make_unique<QSettings>();
    return own.get();
}

void wexRestoreGeometry(QWidget *window, QSettings *settings, const QRect &defaultGeometry,
                        bool keepWindowState)
{
    if (!window)
        return;
    std::unique_ptr<QSettings> ownSettings;
    settings = settingsOrDefault(settings, ownSettings);

    const QByteArray stored = settings->value(wexGeometryKey(window)).toByteArray();
    if (stored.isEmpty() || !window->restoreGeometry(stored)) {
        // Nothing usable stored: a first start, or a value from elsewhere.
        if (!defaultGeometry.isValid())
            return;
        window->setGeometry(defaultGeometry);
    } else if (!keepWindowState && (window->windowState() & FullStates)) {
        const QRect normal = window->normalGeometry();
        window->setWindowState(window->windowState() & ~FullStates);
        if (normal.isValid())
            window->setGeometry(normal);
    }
    keepOnScreen(window);
}

void wexSaveGeometry(const QWidget *window, QSettings *settings)
{
    if (!window)
        return;
    std::unique_ptr<QSettings> ownSettings;
    settings = settingsOrDefault(settings, ownSettings);
    settings->setValue(wexGeometryKey(window), window->saveGeometry());
}
