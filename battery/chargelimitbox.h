#pragma once

#include "chargelimit.h"

#include <QWidget>

class QCheckBox;
class QLabel;

// A battery's charge limit on its page: a box that is checked while the
// daemon reports the limit on, and the thresholds in words. A click asks
// for the other state (enableWanted) and leaves the mark as it is: it moves
// only when the daemon reports the change.
class ChargeLimitBox : public QWidget
{
    Q_OBJECT

public:
    explicit ChargeLimitBox(QWidget *parent = nullptr);

    void setLimit(const ChargeLimit &limit);

    // The thresholds in words; empty when neither is used.
    static QString thresholdText(const ChargeLimit &limit);

signals:
    void enableWanted(bool enabled);

private:
    void showReported();

    QCheckBox *box;
    QLabel *words;
    std::optional<bool> reported;
};
