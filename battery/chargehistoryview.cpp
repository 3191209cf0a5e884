#include "chargehistoryview.h"

#include "chargehistorygraph.h"
#include "settingskeys.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

ChargeHistoryView::ChargeHistoryView(QWidget *parent)
    : QWidget(parent), spans(new QComboBox(this)), chart(new ChargeHistoryGraph(this)),
      refresh(new QTimer(this))
{
    spans->addItem(tr("6 hours"), 6 * 3600);
    spans->addItem(tr("24 hours"), 24 * 3600);
    spans->addItem(tr("7 days"), 7 * 24 * 3600);
    // A stored span that is not offered (edited by hand) reads as the default.
    const int stored = QSettings().value(SettingsKeys::historySpan()).toInt();
    int index = spans->findData(stored);
    if (index < 0)
        index = spans->findData(SettingsKeys::defaultHistorySpan);
    spans->setCurrentIndex(index);
    chart->setSpan(span());

    auto *label = new QLabel(tr("&Show:"), this);
    label->setBuddy(spans);
    auto *chooser = new QHBoxLayout;
    chooser->addWidget(label);
    chooser->addWidget(spans);
    chooser->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(chooser);
    layout->addWidget(chart, 1);

    // upowerd records a point when the charge moves; a minute keeps the
    // graph's end at "now" without asking the daemon more than it learns.
    refresh->setObjectName(QStringLiteral("chargeHistoryRefresh"));
    refresh->setInterval(60 * 1000);
    connect(refresh, &QTimer::timeout, this, &ChargeHistoryView::want);
    connect(spans, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ChargeHistoryView::spanChosen);
}

int ChargeHistoryView::span() const
{
    return spans->currentData().toInt();
}

void ChargeHistoryView::setPoints(const QList<ChargeHistoryPoint> &points)
{
    chart->setPoints(points);
}

void ChargeHistoryView::setUnavailable()
{
    chart->setUnavailable();
}

void ChargeHistoryView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    want();
    refresh->start();
}

void ChargeHistoryView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    refresh->stop();
}

void ChargeHistoryView::spanChosen()
{
    QSettings().setValue(SettingsKeys::historySpan(), span());
    chart->setSpan(span());
    if (!isVisible())
        return;
    want();
    refresh->start(); // the next minute counts from this request
}

void ChargeHistoryView::want()
{
    emit wanted(span());
}
