// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's pages, the start-up pages and the side-page documents: each
// parses as XML after a light clean-up, the frame has its placeholder once,
// every volume has a Traditional variant of the same structure, the place
// picker's city table is sound and the documents say what they must.

#include "AppContext.h"
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString readResource(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Drops the HTML doctype and wraps the text in one root, so that fragments
// with several top-level elements parse too.
QString cleaned(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("<!DOCTYPE[^>]*>"), QRegularExpression::CaseInsensitiveOption));
    return QStringLiteral("<root>") + text + QStringLiteral("</root>");
}

// Element names in document order, or an empty list with the error in *error.
QStringList elements(const QString &text, QString *error)
{
    QStringList names;
    QXmlStreamReader xml(cleaned(text));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            names << xml.name().toString();
    }
    if (xml.hasError()) {
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    return names;
}

QString plainText(const QString &text)
{
    QString out;
    QXmlStreamReader xml(cleaned(text));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters)
            out += xml.text();
    }
    return out;
}

} // namespace

class TestContentPages : public QObject
{
    Q_OBJECT

private slots:
    void pagesParse_data()
    {
        QTest::addColumn<QString>("path");
        int count = 0;
        for (const QString &dir : {QStringLiteral(":/datafiles/html"), QStringLiteral(":/datafiles/docs")}) {
            QDirIterator it(dir);
            QStringList files;
            while (it.hasNext())
                files << it.next();
            files.sort();
            for (const QString &f : qAsConst(files)) {
                if (f.endsWith(QLatin1String(".html")) || f.endsWith(QLatin1String(".html.hk"))) {
                    QTest::newRow(qPrintable(f.mid(f.lastIndexOf(QLatin1Char('/')) + 1))) << f;
                    ++count;
                }
            }
        }
        // frame + 7 volumes, each twice; 3 start-up pages; 8 documents
        QCOMPARE(count, 16 + 3 + 8);
    }

    void pagesParse()
    {
        QFETCH(QString, path);
        const QString text = readResource(path);
        QVERIFY2(text.size() >= 10, qPrintable(path));
        QString error;
        const QStringList names = elements(text, &error);
        QVERIFY2(error.isEmpty(), qPrintable(path + QLatin1Char(' ') + error));
        QVERIFY(names.size() > 1);
    }

    void frameHoldsThePlaceholderOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("simplified")  << ":/datafiles/html/yuanhaiziping_frame.html";
        QTest::newRow("traditional") << ":/datafiles/html/yuanhaiziping_frame.html.hk";
    }

    void frameHoldsThePlaceholderOnce()
    {
        QFETCH(QString, path);
        const QString text = readResource(path);
        QCOMPARE(text.count(QStringLiteral("yuanhaiziping_para1_html")), 1);
        // The reader assigns volumes 2..7 to theParaArray[1..6].
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("var theParaArray = \\[(\"\", ){6}\"\"\\]"))));
    }

    void volumesHaveTraditionalVariants_data()
    {
        QTest::addColumn<int>("volume");
        for (int i = 1; i <= 7; ++i)
            QTest::newRow(qPrintable(QStringLiteral("volume %1").arg(i))) << i;
    }

    void volumesHaveTraditionalVariants()
    {
        QFETCH(int, volume);
        const QString path = QStringLiteral(":/datafiles/html/yuanhaiziping_para%1.html").arg(volume);
        const QString simp = readResource(path);
        const QString trad = readResource(path + QStringLiteral(".hk"));
        QString error;
        QCOMPARE(elements(trad, &error), elements(simp, &error));
        QVERIFY(simp != trad);
        // Fragments: the program inserts them into the frame.
        QVERIFY(!simp.contains(QLatin1String("<html")));
        QVERIFY(simp.contains(QStringLiteral("id=\"volume%1\"").arg(volume)));
        // The placeholder must not come back through a volume.
        QVERIFY(!simp.contains(QLatin1String("yuanhaiziping_para1_html")));
        // Converted text: 个/個 and 这/這 are common enough to occur in every volume.
        const QString tradText = plainText(trad);
        QVERIFY(plainText(simp).contains(QChar(0x4E2A)) || plainText(simp).contains(QChar(0x8FD9)));
        QVERIFY(!tradText.contains(QChar(0x4E2A)) && !tradText.contains(QChar(0x8FD9))); // 个 这
        // Stem, branch and clash keep their own characters in Traditional text
        // (a plain converter turns them into 幹/乾, 醜 and 衝).
        for (const QString &wrong : {QStringLiteral("幹"), QStringLiteral("乾"), QStringLiteral("醜"),
                                     QStringLiteral("衝")})
            QVERIFY2(!tradText.contains(wrong), qPrintable(wrong));
        QVERIFY(tradText.contains(QStringLiteral("干")) || tradText.contains(QStringLiteral("丑")));
    }

    void startupPagesHoldTheContentWord_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("section")           << ":/datafiles/html/section.html";
        QTest::newRow("section_richtext2") << ":/datafiles/html/section_richtext2.html";
    }

    void startupPagesHoldTheContentWord()
    {
        QFETCH(QString, path);
        QCOMPARE(readResource(path).count(QStringLiteral("sectionOneContent")), 1);
    }

    void placePickerIsOffline()
    {
        const QString page = readResource(QStringLiteral(":/datafiles/html/mapboxgl.Geocoder.html"));
        QVERIFY(!page.contains(QLatin1String("http://")) && !page.contains(QLatin1String("https://")));
        QVERIFY(!page.contains(QLatin1String("src=")));
        QVERIFY(page.contains(QLatin1String("document.title = JSON.stringify({ place: place, lng: lng, lat: lat })")));

        const int begin = page.indexOf(QLatin1String("var cities = "));
        const int end = page.indexOf(QLatin1String("// CITY-TABLE-END"));
        QVERIFY(begin > 0 && end > begin);
        QString json = page.mid(begin + 13, end - begin - 13).trimmed();
        QVERIFY(json.endsWith(QLatin1Char(';')));
        json.chop(1);
        QJsonParseError error;
        const QJsonArray cities = QJsonDocument::fromJson(json.toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(cities.size() >= 100);
        QSet<QString> names;
        bool beijing = false, newYork = false, sydney = false;
        for (const QJsonValue &v : cities) {
            const QJsonArray c = v.toArray();
            QCOMPARE(c.size(), 4);
            const QString name = c.at(0).toString() + c.at(1).toString();
            const double lng = c.at(2).toDouble(), lat = c.at(3).toDouble();
            QVERIFY2(lng >= -180 && lng <= 180 && lat >= -90 && lat <= 90, qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            // Three cities on different sides of the globe, within a tenth of a degree.
            if (c.at(1).toString() == QStringLiteral("北京"))
                beijing = qAbs(lng - 116.4) < 0.1 && qAbs(lat - 39.9) < 0.1;
            if (c.at(1).toString() == QStringLiteral("纽约"))
                newYork = qAbs(lng + 74.0) < 0.1 && qAbs(lat - 40.7) < 0.1;
            if (c.at(1).toString() == QStringLiteral("悉尼"))
                sydney = qAbs(lng - 151.2) < 0.1 && qAbs(lat + 33.9) < 0.1;
        }
        QVERIFY(beijing && newYork && sydney);
    }

    void documentsSayWhatTheyMust_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("holds");
        QTest::newRow("privacy") << ":/datafiles/docs/privacy.html"
                                 << QStringList{"Solquist.db", "usageReportUrl", "同意本政策", "删除",
                                                "不包含姓名"};
        QTest::newRow("analyze past") << ":/datafiles/docs/analyze_past.html"
                                      << QStringList{"CONTACT_EMAIL_ADDRESS", "复制电子邮箱地址"};
        QTest::newRow("numerology help") << ":/datafiles/docs/sancai_help.html"
                                         << QStringList{"--------*-&-*--------", "江＝水4＋工3＝7画",
                                                        "外格＝总格－人格＋1", "个位"};
        QTest::newRow("introduction") << ":/datafiles/docs/introduction.html"
                                      << QStringList{AppContext::applicationVersion};
    }

    void documentsSayWhatTheyMust()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, holds);
        const QString text = plainText(readResource(path));
        for (const QString &h : holds)
            QVERIFY2(text.contains(h), qPrintable(h));
        QCOMPARE(readResource(path).count(QStringLiteral("CONTACT_EMAIL_ADDRESS")),
                 holds.contains(QStringLiteral("CONTACT_EMAIL_ADDRESS")) ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestContentPages)
#include "tst_content_pages.moc"
