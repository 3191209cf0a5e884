#pragma once

#include <QMap>
#include <QWidget>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;

// The "When idle" page of the Settings tab: on battery and on line power,
// how long the person may be away before the screen dims (and how far),
// before it turns off, and before the machine sleeps (and how). Each list
// stores its key on every change. A stored value the list does not offer
// is kept and shown as one more entry; a value the program cannot take
// shows what is in force instead, and stays stored until another is
// chosen. Where idle time, dimming or turning the screen off is not
// available, the page says why and those lists are off.
//
// The rows are made when the page is first shown.
class IdlePage : public QWidget
{
    Q_OBJECT

public:
    explicit IdlePage(QWidget *parent = nullptr);

    // The power actions the machine offers, by identifier.
    void setActions(const QMap<QString, QString> &actions);
    // Why each part is not available; empty where it is.
    void setUnavailable(const QString &idle, const QString &dim, const QString &screenOff);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Rows
    {
        QComboBox *dimAfter = nullptr;
        QComboBox *dimTo = nullptr;
        QComboBox *screenOffAfter = nullptr;
        QComboBox *sleepAfter = nullptr;
        QComboBox *sleepAction = nullptr;
    };

    void build();
    QGroupBox *makeGroup(bool onBattery, Rows &rows);
    QComboBox *makeList(QFormLayout *form, const QString &label, const QString &accessibleName,
                        const QString &key);
    void showAvailability();
    static void fillSeconds(QComboBox *list, const QList<int> &offered, int inForce);
    static QString secondsText(int seconds);

    QMap<QString, QString> actions;
    QString idleReason;
    QString dimReason;
    QString screenOffReason;
    QLabel *reasons = nullptr;
    QList<QGroupBox *> groups;
    Rows battery;
    Rows linePower;
};
