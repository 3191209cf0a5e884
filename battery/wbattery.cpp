#include "wbattery.h"

#include "batteryhealth.h"
#include "batteryindicator.h"
#include "chargehistoryview.h"
#include "chargelimitbox.h"
#include "devicebattery.h"
#include "foreigntext.h"
#include "gaugeiconengine.h"
#include "qtcompat.h"
#include "qudev.h"
#include "wexiconlabel.h"
#include "wirenames.h"

#include <QAbstractTextDocumentLayout>
#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>
#include <limits>

namespace {

using namespace UPowerWire;

} // namespace

WBattery::WBattery(const DeviceProperties &device, QWidget *parent)
    : QWidget(parent), device(device)
{
    build();
}

QString WBattery::tabTitle() const
{
    return windowTitle().replace(QLatin1Char('&'), QLatin1String("&&"));
}

void WBattery::setProperties(const DeviceProperties &properties)
{
    device = properties;
    showInfo();
    showChargeLimit();
    updateCharge();
}

void WBattery::setHistory(const QString &path, const QList<ChargeHistoryPoint> &points)
{
    if (historyView && path == this->path())
        historyView->setPoints(points);
}

void WBattery::setHistoryUnavailable(const QString &path)
{
    if (historyView && path == this->path())
        historyView->setUnavailable();
}

void WBattery::build()
{
    setWindowTitle(ForeignText::name(device.text(modelProperty)));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("battery")));

    chargeLabel = new QLabel(this);
    chargeLabel->setObjectName(QStringLiteral("chargeLabel"));
    chargeLabel->setAlignment(Qt::AlignHCenter);
    chargeLabel->setTextFormat(Qt::PlainText);

    stateIcon = new WexIconLabel(this);
    stateIcon->setObjectName(QStringLiteral("stateIcon"));
    stateIcon->setPixelMetricForIconSize(QStyle::PM_ToolBarIconSize);
    stateIcon->setAlignment(Qt::AlignHCenter);

    indicator = new BatteryIndicator(Qt::Vertical, this, remaining());
    indicator->setObjectName(QStringLiteral("indicator"));

    info = new QTextEdit(this);
    info->setObjectName(QStringLiteral("info"));
    info->setReadOnly(true);
    // As high as its lines, however they wrap: the graph below takes the
    // rest of the page.
    info->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(info->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
            info, [this](const QSizeF &size) {
                info->setFixedHeight(qCeil(size.height()) + 2 * info->frameWidth());
            });

    auto *column = new QVBoxLayout;
    column->addWidget(stateIcon, 0);
    column->addWidget(chargeLabel, 0);
    column->addWidget(indicator, 1);
    details = new QVBoxLayout;
    details->addWidget(info, 0);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addLayout(details, 1);

    tray = new QSystemTrayIcon(this);
    connect(tray, &QSystemTrayIcon::activated, this, &WBattery::trayActivated);

    showInfo();
    showChargeLimit();
    updateCharge();
    tray->setVisible(true);
}

QStringList WBattery::infoLines()
{
    const QString nativePath = device.text(nativePathProperty);
    if (nativePath != lookedUpPath) {
        deviceNode = QUdev().deviceFromSysPath(nativePath).devnode();
        lookedUpPath = nativePath;
    }
    // Device strings are text, never markup: a model named "<b>x</b>" shows
    // those characters.
    const auto line = [](const QString &label, const QString &value) {
        return label.arg(value.toHtmlEscaped());
    };
    const auto name = [this](QLatin1String property) {
        return ForeignText::name(device.text(property));
    };
    QStringList lines{
            line(tr("<b>Model:</b> %1"), name(modelProperty)),
            line(tr("<b>Serial number:</b> %1"), name(serialProperty)),
            line(tr("<b>Vendor:</b> %1"), name(vendorProperty)),
            line(tr("<b>Technology:</b> %1"), technologyText()),
            line(tr("<b>Type:</b> %1"), typeText()),
            line(tr("<b>Sysfs path:</b> %1"), ForeignText::reason(nativePath)),
    };
    if (!deviceNode.isEmpty())
        lines.append(line(tr("<b>Device:</b> %1"), ForeignText::reason(deviceNode)));
    for (const BatteryHealth::Line &health : BatteryHealth::lines(device))
        lines.append(line(health.label, health.value));
    return lines;
}

// The page and the tray tooltip show the same lines. The energy rate moves
// with most refreshes; the rest seldom changes.
void WBattery::showInfo()
{
    const QStringList lines = infoLines();
    if (lines == shownInfo)
        return;
    shownInfo = lines;
    info->clear();
    for (const QString &line : lines)
        info->append(line);
    tray->setToolTip(QtCompat::toolTipHtml(*info->document()));
}

// Shown below the information lines while the daemon offers a limit;
// nothing at all where it does not.
void WBattery::showChargeLimit()
{
    const ChargeLimit limit = ChargeLimit::of(device);
    if (!limit.supported) {
        if (chargeLimit)
            chargeLimit->hide();
        return;
    }
    if (!chargeLimit) {
        chargeLimit = new ChargeLimitBox(this);
        connect(chargeLimit, &ChargeLimitBox::enableWanted, this,
                [this](bool enabled) { emit chargeLimitWanted(path(), enabled); });
        details->insertWidget(1, chargeLimit, 0);
    }
    chargeLimit->setLimit(limit);
    chargeLimit->show();
}

ChargeHistoryView *WBattery::history()
{
    if (!historyView) {
        historyView = new ChargeHistoryView(this);
        historyView->setObjectName(QStringLiteral("history"));
        connect(historyView, &ChargeHistoryView::wanted, this,
                [this](int span) { emit historyWanted(path(), span); });
        details->addWidget(historyView, 1);
    }
    return historyView;
}

void WBattery::showEvent(QShowEvent *event)
{
    history();
    QWidget::showEvent(event);
}

qlonglong WBattery::remaining() const
{
    if (device.state() == Discharging)
        return device.seconds(timeToEmptyProperty);
    return device.seconds(timeToFullProperty);
}

QString WBattery::technologyText() const
{
    switch (device.enumeration(technologyProperty)) {
    case LithiumIon:
        return tr("Lithium ion");
    case LithiumPolymer:
        return tr("Lithium polymer");
    case LithiumIronPhosphate:
        return tr("Lithium iron phosphate");
    case LeadAcid:
        return tr("Lead acid");
    case NickelCadmium:
        return tr("Nickel cadmium");
    case NickelMetalHydride:
        return tr("Nickel metal hydride");
    default:
        return tr("Unknown", "battery technology");
    }
}

QString WBattery::typeText() const
{
    switch (device.type()) {
    case LinePower:
        return tr("Line Power");
    case Battery:
        return tr("Battery");
    case Ups:
        return tr("UPS");
    case Monitor:
        return tr("Monitor");
    default:
        break;
    }
    const QString kind = DeviceBattery::kindName(device.type());
    return kind.isEmpty() ? tr("Unknown", "device type") : kind;
}

QIcon WBattery::chargeGauge(int percent)
{
    return QIcon(new GaugeIconEngine(percent));
}

void WBattery::updateCharge()
{
    const int percent = chargePercent(device);
    const bool known = percent != UnknownCharge;
    chargeLabel->setText(known ? tr("%1%").arg(percent) : tr("%1%").arg(QLatin1Char('?')));

    // The indicator draws seconds as int; hold absurd daemon values in range.
    indicator->setPercentage(known ? percent : 0);
    indicator->setRemaining(int(std::clamp<qlonglong>(remaining(), std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max())));

    QString iconName;
    switch (device.state()) {
    case Discharging:
        iconName = QStringLiteral("connect_no");
        break;
    case Charging:
        iconName = QStringLiteral("connect_established");
        break;
    default:
        iconName = QStringLiteral("ok");
        break;
    }
    if (iconName != shownStateIcon) {
        stateIcon->setIcon(QIcon::fromTheme(iconName));
        shownStateIcon = iconName;
    }

    // Drawing six images and handing them to the tray host is the dearest
    // part of a refresh, and most refreshes leave the charge as it was.
    const int gauge = known ? percent : 0;
    if (gauge != shownGauge) {
        tray->setIcon(chargeGauge(gauge));
        shownGauge = gauge;
    }
}
