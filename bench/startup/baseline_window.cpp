// The yardstick for the start-up time: the least a Qt widgets program does
// to show a main window.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    return app.exec();
}
