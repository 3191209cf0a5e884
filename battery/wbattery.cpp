#include "wbattery.h"

#include "batteryindicator.h"
#include "qtcompat.h"
#include "qudev.h"
#include "wexiconlabel.h"
#include "wirenames.h"

#include <QBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTextEdit>
#include <algorithm>
#include <limits>

namespace {

using namespace UPowerWire;

QPixmap gaugePixmap(int side, int percent)
{
    // The charged height, kept inside the image whatever the percentage.
    const int charged = int(qBound(0.0, side * (percent / 100.0), double(side)));
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    painter.setPen(QColor(0, 0, 0, 0));
    painter.setBrush(QColor(0, 0, 255, 128));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(side - 1, side - charged - 1)));
    painter.setBrush(chargeColour(percent));
    painter.drawRect(QRect(QPoint(0, side - charged), QPoint(side - 1, side - 1)));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

WBattery::WBattery(const DeviceProperties &device, QWidget *parent)
    : QWidget(parent), device(device)
{
    build();
}

void WBattery::setProperties(const DeviceProperties &properties)
{
    device = properties;
    updateCharge();
}

void WBattery::build()
{
    const QString model = device.text(QStringLiteral("Model"));
    setWindowTitle(model);
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

    auto *column = new QVBoxLayout;
    column->addWidget(stateIcon, 0);
    column->addWidget(chargeLabel, 0);
    column->addWidget(indicator, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(info, 0);

    tray = new QSystemTrayIcon(this);
    connect(tray, &QSystemTrayIcon::activated, this, &WBattery::trayActivated);

    const QString nativePath = device.text(QStringLiteral("NativePath"));
    const QString deviceNode = QUdev().deviceFromSysPath(nativePath).devnode();

    appendInfoLine(tr("<b>Model:</b> %1"), model);
    appendInfoLine(tr("<b>Serial number:</b> %1"), device.text(QStringLiteral("Serial")));
    appendInfoLine(tr("<b>Vendor:</b> %1"), device.text(QStringLiteral("Vendor")));
    appendInfoLine(tr("<b>Technology:</b> %1"), technologyText());
    appendInfoLine(tr("<b>Type:</b> %1"), typeText());
    appendInfoLine(tr("<b>Sysfs path:</b> %1"), nativePath);
    if (!deviceNode.isEmpty())
        appendInfoLine(tr("<b>Device:</b> %1"), deviceNode);

    tray->setToolTip(QtCompat::toolTipHtml(*info->document()));
    updateCharge();
    tray->setVisible(true);
}

// Device strings are text, never markup: a model named "<b>x</b>" shows
// those characters.
void WBattery::appendInfoLine(const QString &label, const QString &value)
{
    info->append(label.arg(value.toHtmlEscaped()));
}

qlonglong WBattery::remaining() const
{
    if (device.state() == Discharging)
        return device.seconds(QStringLiteral("TimeToEmpty"));
    return device.seconds(QStringLiteral("TimeToFull"));
}

QString WBattery::technologyText() const
{
    switch (device.enumeration(QStringLiteral("Technology"))) {
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
    case Mouse:
        return tr("Mouse");
    case Keyboard:
        return tr("Keyboard");
    case Pda:
        return tr("PDA");
    case Phone:
        return tr("Phone");
    default:
        return tr("Unknown", "device type");
    }
}

QIcon WBattery::chargeGauge(int percent)
{
    QIcon icon;
    for (int side : {16, 22, 32, 48, 64, 128})
        icon.addPixmap(gaugePixmap(side, percent), QIcon::Normal, QIcon::Off);
    return icon;
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
