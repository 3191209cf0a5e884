#pragma once

#include <QWidget>

class QTabWidget;

// The "Settings" tab: a "Battery" page with a row per battery present at
// start-up and a "Scheduling" page with a row per offered power action.
class WControl : public QWidget
{
    Q_OBJECT

public:
    explicit WControl(QWidget *parent = nullptr);

    // Builds the rows; called once, before the main window fills its tabs.
    void load();

private:
    QTabWidget *tabs;
    QWidget *batteryPage;
    QWidget *schedulingPage;
};
