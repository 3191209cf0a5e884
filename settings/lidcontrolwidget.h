#pragma once

#include "lidkeys.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;

// The "Lid and keys" page of the Settings tab: what the lid does when it
// closes on battery, on line power and with another screen connected, and
// what the power and suspend keys do, with a line under a row whose choice
// the system keeps for now, and why. Each list stores its choice when the
// person picks one; a stored value a list does not offer (edited by hand,
// or not offered on this stack) is kept and shown as no entry. The lists
// are made the first time the page is shown.
class LidControlWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LidControlWidget(QWidget *parent = nullptr);

    // What the lists offer and the lines under them; shown at once if the
    // page has been made, else when it is.
    void setOffer(const LidKeys::Offer &offer);

signals:
    // A choice was stored.
    void changed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Row
    {
        QString settingsKey;
        // Key::Power or Key::Suspend for a key's row; none for the lid's.
        std::optional<LidKeys::Key> key;
        QComboBox *list = nullptr;
        QLabel *note = nullptr;
    };

    void build();
    void addRow(QFormLayout *form, const QString &label, const QString &settingsKey,
                std::optional<LidKeys::Key> key, bool withNote);
    void showRow(Row &row, const QList<LidKeys::Choice> &choices, const QString &note);
    void store(const Row &row);

    LidKeys::Offer offered;
    QList<Row> rows;
    QLabel *lidNote = nullptr;
};
