#include "wexhelpmenu.h"
#include "wexiconlabel.h"
#include "wexintegration.h"

#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QtTest>

namespace {

// Icon sizes no real style uses, to tell a followed metric from a coincidence.
class OddSizesStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_SmallIconSize || metric == PM_LargeIconSize)
            return metric == PM_SmallIconSize ? 13 : 41;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QSize shownSize(const WexIconLabel &label)
{
    const QPixmap pixmap = label.pixmap(Qt::ReturnByValue);
    return pixmap.size() / pixmap.devicePixelRatio();
}

} // namespace

class TestWexWidgets : public QObject
{
    Q_OBJECT

private slots:
    void iconLabelFollowsTheMetric();
    void helpMenuOffersAboutAndAboutQt();
};

void TestWexWidgets::iconLabelFollowsTheMetric()
{
    QPixmap source(128, 128);
    source.fill(Qt::darkGreen);
    WexIconLabel label;
    label.setIcon(QIcon(source));
    const int small = label.style()->pixelMetric(QStyle::PM_SmallIconSize);
    QCOMPARE(shownSize(label), QSize(small, small));

    label.setPixelMetricForIconSize(QStyle::PM_LargeIconSize);
    const int large = label.style()->pixelMetric(QStyle::PM_LargeIconSize);
    QVERIFY(large != small);
    QCOMPARE(shownSize(label), QSize(large, large));

    OddSizesStyle style;
    label.setStyle(&style);
    QCOMPARE(shownSize(label), QSize(41, 41));
    label.setPixelMetricForIconSize(QStyle::PM_SmallIconSize);
    QCOMPARE(shownSize(label), QSize(13, 13));

    label.setIcon(QIcon());
    QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
}

void TestWexWidgets::helpMenuOffersAboutAndAboutQt()
{
    wexInit("3.4.5-1", "Wex Power\nKeeps <an> eye on the battery");
    WexHelpMenu menu;
    QCOMPARE(menu.title(), QStringLiteral("&Help"));
    QCOMPARE(menu.actions(), QList<QAction *>({menu.aboutAction(), menu.aboutQtAction()}));
    QCOMPARE(menu.aboutAction()->text(), QStringLiteral("&About"));
    QCOMPARE(menu.aboutQtAction()->text(), QStringLiteral("About &Qt"));

    const QString text = menu.aboutText();
    QVERIFY(text.contains(QStringLiteral("Wex Power")));
    QVERIFY(text.contains(QStringLiteral("3.4.5-1")));
    // Rich text: the summary's markup characters are shown, not interpreted.
    QVERIFY(text.contains(QStringLiteral("Keeps &lt;an&gt; eye on the battery")));

    // Each action opens its box, closed here as soon as it shows.
    const auto shownBy = [](QAction *action) {
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + QLatin1Char('\n') + box->text();
                box->done(0);
            }
        });
        poll.start(20);
        action->trigger();
        return shown;
    };
    QCOMPARE(shownBy(menu.aboutAction()), QStringLiteral("About Wex Power\n") + text);
    QVERIFY(shownBy(menu.aboutQtAction()).startsWith(QStringLiteral("About Qt\n")));
}

QTEST_MAIN(TestWexWidgets)
#include "tst_wexwidgets.moc"
