#include "powerkeydialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PowerKeyDialog::PowerKeyDialog(const QList<LidKeys::Choice> &choices, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Power key"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("What should the machine do?"), this));
    auto *buttons = new QDialogButtonBox(this);
    for (LidKeys::Choice choice : choices) {
        QPushButton *button =
                buttons->addButton(LidKeys::name(choice), QDialogButtonBox::AcceptRole);
        const QString action = LidKeys::powerAction(choice);
        connect(button, &QPushButton::clicked, this, [this, action] {
            accept();
            emit chosen(action);
        });
    }
    cancel = buttons->addButton(QDialogButtonBox::Cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PowerKeyDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cancel->setDefault(true);
    cancel->setFocus(Qt::OtherFocusReason);
}
