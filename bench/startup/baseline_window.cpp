// The yardstick for the start-up time: the least a Qt widgets program does
// to show a main window. With --tray it also shows a tray icon, the
// yardstick for what a tray program costs while nothing happens.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    if (app.arguments().contains(QStringLiteral("--tray"))) {
        QPixmap image(16, 16);
        image.fill(Qt::darkGreen);
        auto *tray = new QSystemTrayIcon(QIcon(image), &window);
        tray->setToolTip(QStringLiteral("Baseline"));
        tray->show();
    }
    return app.exec();
}
