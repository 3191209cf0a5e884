#include "chargelimitbox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

ChargeLimitBox::ChargeLimitBox(QWidget *parent) : QWidget(parent)
{
    box = new QCheckBox(tr("Limit charging to preserve the battery"), this);
    box->setObjectName(QStringLiteral("chargeLimit"));
    words = new QLabel(this);
    words->setObjectName(QStringLiteral("chargeLimitWords"));
    words->setTextFormat(Qt::PlainText);
    words->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addWidget(box);
    layout->addWidget(words);

    // The box has toggled itself by now: it shows the daemon's word again
    // until the daemon reports otherwise. A limit of unknown state is
    // asked to be turned on.
    connect(box, &QCheckBox::clicked, this, [this] {
        showReported();
        emit enableWanted(!reported.value_or(false));
    });
}

void ChargeLimitBox::setLimit(const ChargeLimit &limit)
{
    reported = limit.enabled;
    showReported();
    const QString text = thresholdText(limit);
    words->setText(text);
    words->setVisible(!text.isEmpty());
}

void ChargeLimitBox::showReported()
{
    // Partly checked: the daemon's value cannot be read.
    box->setTristate(!reported);
    box->setCheckState(!reported ? Qt::PartiallyChecked : *reported ? Qt::Checked : Qt::Unchecked);
}

QString ChargeLimitBox::thresholdText(const ChargeLimit &limit)
{
    // No-break spaces: "80 %" is never wrapped apart.
    if (limit.stopsAt && limit.startsBelow)
        return tr("Charging stops at %1\u00a0% and starts again below %2\u00a0%")
                .arg(*limit.stopsAt)
                .arg(*limit.startsBelow);
    if (limit.stopsAt)
        return tr("Charging stops at %1\u00a0%").arg(*limit.stopsAt);
    if (limit.startsBelow)
        return tr("Charging starts again below %1\u00a0%").arg(*limit.startsBelow);
    return QString();
}
