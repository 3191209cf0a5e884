#include "lidcontrolwidget.h"

#include "settingskeys.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLabel *noteLabel(QWidget *parent)
{
    auto *note = new QLabel(parent);
    // The reasons come from logind and the display server.
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->hide();
    return note;
}

void setNote(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

LidControlWidget::LidControlWidget(QWidget *parent) : QWidget(parent) { }

void LidControlWidget::showEvent(QShowEvent *event)
{
    if (rows.isEmpty())
        build();
    QWidget::showEvent(event);
}

void LidControlWidget::build()
{
    auto *layout = new QVBoxLayout(this);

    auto *lid = new QGroupBox(tr("When the lid is closed"), this);
    auto *lidForm = new QFormLayout(lid);
    addRow(lidForm, tr("On battery:"), SettingsKeys::lidOnBattery(), std::nullopt, false);
    addRow(lidForm, tr("On line power:"), SettingsKeys::lidOnLinePower(), std::nullopt, false);
    addRow(lidForm, tr("With another screen connected:"), SettingsKeys::lidDocked(), std::nullopt,
           false);
    lidNote = noteLabel(lid);
    lidForm->addRow(lidNote);
    layout->addWidget(lid);

    auto *keys = new QGroupBox(tr("Keys"), this);
    auto *keysForm = new QFormLayout(keys);
    addRow(keysForm, tr("Power key:"), SettingsKeys::powerKey(), LidKeys::Key::Power, true);
    addRow(keysForm, tr("Suspend key:"), SettingsKeys::suspendKey(), LidKeys::Key::Suspend, true);
    layout->addWidget(keys);
    layout->addStretch(1);

    setOffer(offered);
}

void LidControlWidget::addRow(QFormLayout *form, const QString &label, const QString &settingsKey,
                              std::optional<LidKeys::Key> key, bool withNote)
{
    Row row{settingsKey, key, new QComboBox(form->parentWidget()), nullptr};
    row.list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow(label, row.list);
    if (withNote) {
        row.note = noteLabel(form->parentWidget());
        form->addRow(QString(), row.note);
    }
    const int index = rows.size();
    // Only what the person picks is stored: filling the list is not a choice.
    connect(row.list, qOverload<int>(&QComboBox::activated), this,
            [this, index] { store(rows.at(index)); });
    rows.append(row);
}

void LidControlWidget::setOffer(const LidKeys::Offer &offer)
{
    offered = offer;
    if (rows.isEmpty())
        return;
    for (Row &row : rows) {
        if (!row.key)
            showRow(row, offer.lid, QString());
        else if (*row.key == LidKeys::Key::Power)
            showRow(row, offer.powerKey, offer.powerKeyNote);
        else
            showRow(row, offer.suspendKey, offer.suspendKeyNote);
    }
    setNote(lidNote, offer.lidNote);
}

void LidControlWidget::showRow(Row &row, const QList<LidKeys::Choice> &choices, const QString &note)
{
    const QSignalBlocker quiet(row.list);
    row.list->clear();
    for (LidKeys::Choice choice : choices)
        row.list->addItem(LidKeys::name(choice), LidKeys::identifier(choice));
    const QVariant stored = QSettings().value(row.settingsKey, SettingsKeys::defaultLidOrKey());
    const std::optional<LidKeys::Choice> choice =
            row.key ? LidKeys::storedKeyChoice(*row.key, stored) : LidKeys::storedLidChoice(stored);
    // No entry for what the list does not offer: the value stays stored.
    row.list->setCurrentIndex(choice ? row.list->findData(LidKeys::identifier(*choice)) : -1);
    if (row.note)
        setNote(row.note, note);
}

void LidControlWidget::store(const Row &row)
{
    if (row.list->currentIndex() < 0)
        return;
    QSettings().setValue(row.settingsKey, row.list->currentData().toString());
    emit changed();
}
