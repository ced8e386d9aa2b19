// SPDX-License-Identifier: GPL-3.0-or-later
// The book pages and the plain loader on a bundle of known pages: language
// variants, line feeds, the volume inserted into the frame, and the fallback
// page for missing, unreadable and too short resources.
#include "EasyFunction.h"

#include <QtTest>

namespace {

const QString kFallback = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>"
        "<body><section><p>sectionOneContent</p></section></body></html>");

const QString kPara1 = QStringLiteral("<section><p>卷一 第一段</p><p>第二段</p></section>");
const QString kPara4 = QStringLiteral("<section><p>卷四 简体</p></section>");
const QString kPara4Hk = QStringLiteral("<section><p>卷四 繁體</p></section>");

} // namespace

class TestBookPages : public QObject
{
    Q_OBJECT
private:
    EasyFunction m_service{nullptr, nullptr};

private slots:
    void fallbackPageIsFixed()
    {
        QCOMPARE(kFallback.size(), 151);
        QCOMPARE(m_service.getBookContent(0).toString(), kFallback);
    }

    void bookContent_data()
    {
        QTest::addColumn<int>("bookindex");
        QTest::newRow("frame and volume 1") << 0;
        QTest::newRow("second half")        << 1;
        QTest::newRow("first half")         << 2;
        QTest::newRow("negative")           << -5;
    }

    void bookContent()
    {
        QFETCH(int, bookindex);
        // None of the three combined pages is in the bundle.
        QCOMPARE(m_service.getBookContent(bookindex).toString(), kFallback);
    }

    void bookParagraph_data()
    {
        QTest::addColumn<int>("bookindex");
        QTest::addColumn<int>("appLNG");
        QTest::addColumn<QString>("expected");

        QTest::newRow("volume 1")             << 0 << 0 << kPara1;
        QTest::newRow("index 7 is volume 1")  << 7 << 0 << kPara1;
        QTest::newRow("index -1 is volume 1") << -1 << 0 << kPara1;
        QTest::newRow("volume 4 plain")       << 3 << 0 << kPara4;
        QTest::newRow("volume 4 language 2")  << 3 << 2 << kPara4;
        QTest::newRow("volume 4 traditional") << 3 << 1 << kPara4Hk;
        QTest::newRow("volume 7, CR LF")      << 6 << 0 << QStringLiteral("<section><p>卷七</p></section>");
        QTest::newRow("missing volume 2")     << 1 << 0 << kFallback;
        QTest::newRow("missing .hk volume 1") << 0 << 1 << kFallback;
    }

    void bookParagraph()
    {
        QFETCH(int, bookindex);
        QFETCH(int, appLNG);
        QFETCH(QString, expected);
        QCOMPARE(m_service.getBookParagraph(bookindex, appLNG).toString(), expected);
    }

    void bookFrame_data()
    {
        QTest::addColumn<int>("bookindex");
        QTest::addColumn<int>("appLNG");
        QTest::addColumn<QString>("expected");

        const QString plain = QStringLiteral("<html>\n<body>\n<div>%1</div>\n</body>\n</html>\n");
        const QString hk = QStringLiteral("<html>\n<body class=\"hk\">\n<div>%1</div>\n</body>\n</html>\n");
        QTest::newRow("plain")                  << 0 << 0 << plain.arg(kPara1);
        QTest::newRow("index does not matter")  << 5 << 0 << plain.arg(kPara1);
        QTest::newRow("traditional, no volume") << 0 << 1 << hk.arg(kFallback);
    }

    void bookFrame()
    {
        QFETCH(int, bookindex);
        QFETCH(int, appLNG);
        QFETCH(QString, expected);
        const QString page = m_service.getBookFrame(bookindex, appLNG).toString();
        QCOMPARE(page, expected);
        QVERIFY(!page.contains(QStringLiteral("yuanhaiziping_para1_html")));
    }

    void plainLoader_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty name is section") << QString() << QStringLiteral("<p>start</p>\n<p>page</p>\n");
        QTest::newRow("line feeds kept")       << QStringLiteral("section.html") << QStringLiteral("<p>start</p>\n<p>page</p>\n");
        QTest::newRow("10 bytes")              << QStringLiteral("ten.html") << QStringLiteral("1234567890");
        QTest::newRow("9 bytes")               << QStringLiteral("nine.html") << kFallback;
        QTest::newRow("missing")               << QStringLiteral("section_richtext2.html") << kFallback;
        QTest::newRow("a folder")              << QStringLiteral("folder") << kFallback;
        QTest::newRow("in a folder")           << QStringLiteral("folder/page.html") << QStringLiteral("inside a folder, long enough");
        QTest::newRow("outside the folder")    << QStringLiteral("../bookData.sql.missing") << kFallback;
    }

    void plainLoader()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(EasyFunction::loadHtmlPage(name), expected);
    }
};

QTEST_GUILESS_MAIN(TestBookPages)
#include "tst_bookpages.moc"
