#pragma once

#include <QWidget>

class PowerProfiles;
class QCheckBox;
class QComboBox;

// The "Power profile" page of the Settings tab: the profile set when the
// machine comes to line power and when it comes to its batteries ("Keep as
// it is" or one of the daemon's profiles), and whether power-saver is held
// while a battery runs low, and at which charge. Each choice is stored as it
// is made. A stored profile the daemon does not offer is kept and shown
// (marked so) until another entry is chosen. Its rows are made when the
// page is first shown: without a profiles daemon it never is.
class ProfileControlWidget : public QWidget
{
    Q_OBJECT

public:
    // profileName: a profile's name as a person reads it.
    ProfileControlWidget(PowerProfiles *profiles, QString (*profileName)(const QString &),
                         QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    QComboBox *profileList(const QString &key, const QString &objectName);
    void fill(QComboBox *list);

    PowerProfiles *profiles;
    QString (*profileName)(const QString &);
    QComboBox *linePowerList = nullptr;
    QComboBox *batteryList = nullptr;
    QCheckBox *lowHold = nullptr;
    QComboBox *lowLevels = nullptr;
};
