#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QFormLayout;
class QTimeEdit;

// One row of the "Scheduling" tab: whether a power action runs at a time of
// day, and when. The check box and the time editor go into the page's form
// layout; both keys are stored on every change.
class ScheduleControlWidget : public QWidget
{
    Q_OBJECT

public:
    ScheduleControlWidget(const QString &action, QFormLayout *layout,
                          QMap<QString, QString> actions, QWidget *parent = nullptr);

public slots:
    void changed();

private:
    QString action;
    QCheckBox *enabled;
    QTimeEdit *time;
};
