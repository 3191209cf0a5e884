#pragma once

#include "lidkeys.h"

#include <QDialog>

class QPushButton;

// What the power key set to "Ask" shows: a button for each power action
// the machine offers, and Cancel. Cancel has the focus, so that Enter, a
// second press of Escape or a stray key does nothing; and nothing happens
// by itself, however long it stays open.
class PowerKeyDialog : public QDialog
{
    Q_OBJECT

public:
    // choices: the power actions to offer (LidKeys::askedChoices()).
    explicit PowerKeyDialog(const QList<LidKeys::Choice> &choices, QWidget *parent = nullptr);

signals:
    // "suspend", "hibernate" or "shutdown".
    void chosen(const QString &action);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *cancel;
};
