#include "foreigntext.h"

#include <QtTest>

// Texts that devices and daemons choose, as the program shows them.
class TestForeignText : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
};

void TestForeignText::line_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("shown");

    const QString ellipsis(QChar(0x2026));
    QTest::newRow("plain") << "Wireless Mouse M185" << 64 << "Wireless Mouse M185";
    QTest::newRow("markup stays text") << "<b>Mouse</b><img src=\"/etc/passwd\">" << 64
                                       << "<b>Mouse</b><img src=\"/etc/passwd\">";
    QTest::newRow("controls") << QString::fromUtf8("A\x1b[31mB\x07"
                                                   "C\x7f"
                                                   "D\xc2\x85"
                                                   "E")
                              << 64 << "A[31mBCD E";
    QTest::newRow("direction overrides")
            << QString::fromUtf8("invoice\xe2\x80\xae"
                                 "fdp.exe\xe2\x81\xa6x\xe2\x81\xa9\xe2\x80\x8f")
            << 64 << "invoicefdp.exex";
    QTest::newRow("blanks") << "  two\n\tlines \u2028 here " << 64 << "two lines here";
    QTest::newRow("nothing visible") << "\x01\u202e \n" << 64 << "";
    QTest::newRow("cut") << "abcdefghij" << 5 << "abcd" + ellipsis;
    QTest::newRow("fits exactly") << "abcde" << 5 << "abcde";
    QTest::newRow("no blank before the ellipsis") << "abc defgh" << 5 << "abc" + ellipsis;
    // U+1F5B1, a mouse: two UTF-16 units, one character, never split.
    const QString mouse = QString::fromUtf8("\xf0\x9f\x96\xb1");
    QTest::newRow("surrogate pairs") << mouse.repeated(10) << 4 << mouse.repeated(3) + ellipsis;
    QTest::newRow("a lone surrogate") << QString("a") + QChar(0xd800) + "b" << 64 << "ab";
    QTest::newRow("a megabyte") << QString(1024 * 1024, 'x') << 64 << QString(63, 'x') + ellipsis;
    QTest::newRow("a megabyte of controls, then text")
            << QString(1024 * 1024, '\x01') + "name" << 64 << ellipsis;
}

void TestForeignText::line()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(QString, shown);
    const QString line = ForeignText::line(text, maxLength);
    QCOMPARE(line, shown);
    QVERIFY(line.toUcs4().size() <= maxLength);
}

QTEST_APPLESS_MAIN(TestForeignText)
#include "tst_foreigntext.moc"
