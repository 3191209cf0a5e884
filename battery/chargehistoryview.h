#pragma once

#include "chargehistorypoint.h"

#include <QWidget>

class ChargeHistoryGraph;
class QComboBox;
class QTimer;

// The charge history graph with a choice of its span, kept in the settings.
// It asks for fresh points (wanted) when it is shown, when the span changes
// and once a minute while it stays on screen; hidden, it asks for nothing.
class ChargeHistoryView : public QWidget
{
    Q_OBJECT

public:
    explicit ChargeHistoryView(QWidget *parent = nullptr);

    int span() const;
    ChargeHistoryGraph *graph() const { return chart; }

    void setPoints(const QList<ChargeHistoryPoint> &points);
    void setUnavailable();

signals:
    void wanted(int spanSeconds);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void spanChosen();
    void want();

    QComboBox *spans;
    ChargeHistoryGraph *chart;
    QTimer *refresh;
};
