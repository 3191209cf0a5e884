#include "brightnesspopup.h"

#include "lighttext.h"

#include <QBoxLayout>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

// Long enough to read, short enough not to be in the way.
constexpr int shownMs = 1500;

} // namespace

// A tool tip's window: on X11 the window manager leaves it alone (no frame,
// no focus, no taskbar entry), and it stays above the others.
BrightnessPopup::BrightnessPopup(QWidget *parent)
    : QWidget(parent,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                      | Qt::WindowDoesNotAcceptFocus),
      title(new QLabel(this)), bar(new QProgressBar(this)), value(new QLabel(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("brightnessPopup"));
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(LightText::percent(100)) * 3 / 2);
    auto *row = new QHBoxLayout;
    row->addWidget(bar, 1);
    row->addWidget(value);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(row);
    setFixedWidth(fontMetrics().averageCharWidth() * 32);

    hideTimer.setSingleShot(true);
    hideTimer.setInterval(shownMs);
    connect(&hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void BrightnessPopup::showScreen(int percent)
{
    showLevel(tr("Screen brightness"), percent);
}

void BrightnessPopup::showKeyboard(int percent)
{
    showLevel(tr("Keyboard light"), percent);
}

void BrightnessPopup::showLevel(const QString &light, int percent)
{
    title->setText(light);
    bar->setValue(percent);
    value->setText(LightText::percent(percent));
    setAccessibleName(light);
    adjustSize();
    place();
    show();
    raise();
    hideTimer.start();
}

// Low in the middle of the screen the pointer is on, where such indicators
// usually are.
void BrightnessPopup::place()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center().x() - width() / 2, area.bottom() - area.height() / 6 - height());
}
