#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// A small frameless indicator of a light's new level, shown for a moment
// near the bottom of the screen after a brightness key or command. It takes
// no focus, and a new level replaces the one shown rather than piling up.
class BrightnessPopup : public QWidget
{
    Q_OBJECT

public:
    explicit BrightnessPopup(QWidget *parent = nullptr);

    void showScreen(int percent);
    void showKeyboard(int percent);

private:
    void showLevel(const QString &light, int percent);
    void place();

    QLabel *title;
    QProgressBar *bar;
    QLabel *value;
    // Runs only while the indicator shows.
    QTimer hideTimer;
};
