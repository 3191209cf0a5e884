#pragma once

#include <QStringList>
#include <QWidget>

class QTabWidget;

// The "Settings" tab: a "Battery" page with a row per battery of the
// machine present at start-up and a "Scheduling" page with a row per
// offered power action.
class WControl : public QWidget
{
    Q_OBJECT

public:
    explicit WControl(QWidget *parent = nullptr);

    // Builds the rows, one per battery path in the order given; called once.
    void load(const QStringList &batteries);

private:
    QTabWidget *tabs;
    QWidget *batteryPage;
    QWidget *schedulingPage;
};
