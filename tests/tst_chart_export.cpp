// SPDX-License-Identifier: GPL-3.0-or-later
// Chart export through qingyao-cli: the image, the PDF's extracted text and
// the chart file's round trip through an empty database, and the refusal of
// a chart file whose pillars no longer follow from its record.
#include "ChartFile.h"
#include "ChartRenderer.h"
#include "InSight.h"
#include "ScriptConverter.h"
#include "TestSupport.h"
#include "Vocabulary.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Lines of a chart file but its creation date.
QByteArray withoutCreated(const QByteArray &json)
{
    QList<QByteArray> lines = json.split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QByteArray &l) { return l.trimmed().startsWith("\"created\""); }),
                lines.end());
    return lines.join('\n');
}

QJsonObject objectOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

} // namespace

class TestChartExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_cli;
    int m_n = 0;

    QString path(const QString &name) { return m_home.filePath(QString::number(++m_n) + name); }

    Run cli(const QStringList &args)
    {
        QProcess p;
        p.setProcessEnvironment(TestSupport::childEnvironment(m_home));
        p.start(m_cli, args);
        Run r;
        if (!p.waitForFinished(60000))
            return r;
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
        QVERIFY2(QFileInfo(m_cli).isExecutable(), qPrintable(m_cli));
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed; scripts/install-deps.sh installs it");
    }

    void exportAndReimport_data()
    {
        QTest::addColumn<QStringList>("moment");    // options and moment of `chart`
        QTest::addColumn<QStringList>("settings");  // export settings, given again for the re-export
        QTest::addColumn<int>("script");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("place");
        const QStringList guangzhou = {"--tz", "Asia/Shanghai", "--lng", "113.26", "--time", "true", "1990-05-17 08:30"};
        QTest::newRow("Guangzhou, 简体") << guangzhou << QStringList{"--script", "simplified"} << 0
                                         << QStringLiteral("测试") << QStringLiteral("广东省广州市");
        QTest::newRow("Guangzhou, 繁體, no colours")
            << guangzhou << QStringList{"--script", "traditional", "--colours", "off", "--luck-index", "10"} << 1
            << QStringLiteral("測試") << QStringLiteral("廣東省廣州市");
        // Abroad in summer time, a woman, day change at midnight, 23:30, another school and rule.
        QTest::newRow("New York 23:30, 繁體")
            << QStringList{"--tz", "America/New_York", "--lng", "-74.01", "--time", "mean", "--gender", "1",
                           "--switch11pm", "0", "--luck-rule", "minutes-4320", "1985-07-04 23:30"}
            << QStringList{"--script", "traditional", "--school", "2", "--luck-index", "3"} << 1
            << QStringLiteral("紐約") << QStringLiteral("New York");
        QTest::newRow("lunar leap month, 简体")
            << QStringList{"--lunar", "--leap", "--tz", "Asia/Shanghai", "--lng", "121.47", "--time", "clock",
                           "2020-04-10 12:00"}
            << QStringList{"--script", "simplified", "--school", "1"} << 0 << QString() << QStringLiteral("上海");
    }

    void exportAndReimport()
    {
        QFETCH(QStringList, moment);
        QFETCH(QStringList, settings);
        QFETCH(int, script);
        QFETCH(QString, name);
        QFETCH(QString, place);
        const QString png = path(".png"), pdf = path(".pdf"), file = path(".json"), again = path(".json");
        const QString db = path(".db");

        // The pillars the plain chart command gives for the same options.
        const Run plain = cli(QStringList{"chart", "--json"} + moment);
        QCOMPARE(plain.code, 0);
        const QJsonObject direct = QJsonDocument::fromJson(plain.out.toUtf8()).object();
        QStringList pillars;
        for (const char *key : {"yearChac", "monthChac", "dayChac", "hourChac"})
            pillars << Vocabulary::jiaziName(direct.value(QLatin1String(key)).toInt());

        const Run exported = cli(QStringList{"chart"} + moment + settings
                                 + QStringList{"--name", name, "--place", place, "--png", png, "--pdf", pdf,
                                               "--chart-file", file});
        QVERIFY2(exported.code == 0, qPrintable(exported.err));

        // The file carries the pillars of the plain command, and the image is
        // the sheet this program draws for that file, at twice its size.
        const QJsonObject carried = objectOf(file);
        QCOMPARE(carried.value("pillars").toVariant().toStringList(), pillars);
        const ChartFile::Loaded loaded = ChartFile::read(QJsonDocument(carried).toJson());
        QVERIFY2(loaded.ok, qPrintable(loaded.reason));
        InSight engine;
        const ChartFile::Cast cast = ChartFile::cast(loaded.record, loaded.settings, engine);
        QVERIFY(cast.ok);
        const ChartRenderer::Sheet sheet =
            ChartRenderer::sheet(loaded.record, loaded.settings, cast, engine, QDateTime::currentDateTimeUtc());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(ChartRenderer::logicalWidth, ChartRenderer::logicalHeight(sheet)) * 2);
        QVERIFY2(image.height() > image.width(), "a long image, one column for a phone");

        // The PDF's text holds the four pillars, and every character of it is
        // in the row's script (the glyphs Noto shares with radicals included).
        QProcess extract;
        extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
        QVERIFY(extract.waitForFinished(60000));
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        for (const QString &pillar : pillars)
            QVERIFY2(text.contains(ScriptConverter::toScript(pillar, script)), qPrintable(pillar + "\n" + text));
        QVERIFY2(text.contains(ScriptConverter::toScript(QStringLiteral("大运"), script)), qPrintable(text));
        QCOMPARE(ScriptConverter::foreignCharacters(text, script), QString());
        // Every character of the header comes back (digits after Latin
        // letters, glyphs shared with radicals), line breaks aside.
        const auto squeezed = [](QString t) { return t.remove(QRegularExpression(QStringLiteral("\\s"))); };
        for (const QString &line : sheet.header)
            QVERIFY2(squeezed(text).contains(squeezed(line)), qPrintable(line + "\n" + text));

        // Into an empty database and out again: the same bytes but the date.
        const Run imported = cli({"records", "import-chart", file, "--db", db});
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        const QString userid = carried.value("record").toObject().value("userid").toString();
        const Run reexported = cli(QStringList{"chart", "--record", userid, "--db", db} + settings
                                   + QStringList{"--chart-file", again});
        QVERIFY2(reexported.code == 0, qPrintable(reexported.err));
        QFile a(file), b(again);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(withoutCreated(b.readAll()), withoutCreated(a.readAll()));
    }

    void refusesAlteredFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason"); // part of the message on standard error
        QTest::newRow("hour pillar") << "hour" << "hour";
        QTest::newRow("birth hour, pillars kept") << "maintime" << "differ";
        QTest::newRow("luck pillar") << "luck" << "luck pillars";
        QTest::newRow("newer version") << "version" << "version 2";
        QTest::newRow("bad school") << "school" << "monthCommanderSchool";
        QTest::newRow("not a chart file") << "format" << "not a chart file";
    }

    void refusesAlteredFile()
    {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        const QString file = path(".json"), db = path(".db");
        const Run exported = cli({"chart", "--tz", "Asia/Shanghai", "--lng", "113.26", "--time", "true",
                                  "1990-05-17 08:30", "--chart-file", file});
        QVERIFY2(exported.code == 0, qPrintable(exported.err));
        QJsonObject o = objectOf(file);
        QJsonObject record = o.value("record").toObject();
        QJsonObject settings = o.value("settings").toObject();
        if (change == QLatin1String("hour") || change == QLatin1String("luck")) {
            const QString key = change == QLatin1String("hour") ? QStringLiteral("pillars") : QStringLiteral("luckPillars");
            QJsonArray names = o.value(key).toArray();
            const int at = change == QLatin1String("hour") ? 3 : 5;
            for (int k = 0; k < 60; ++k)
                if (Vocabulary::jiaziName(k) == names.at(at).toString()) {
                    names[at] = Vocabulary::jiaziName(k + 1);
                    break;
                }
            o.insert(key, names);
        } else if (change == QLatin1String("maintime")) {
            record.insert("maintime", "1990/5/17/12/30");
        } else if (change == QLatin1String("version")) {
            o.insert("version", 2);
        } else if (change == QLatin1String("school")) {
            settings.insert("monthCommanderSchool", 7);
        } else {
            o.remove("format");
        }
        o.insert("record", record);
        o.insert("settings", settings);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QJsonDocument(o).toJson());
        out.close();

        const Run imported = cli({"records", "import-chart", file, "--db", db});
        QCOMPARE(imported.code, 1);
        QVERIFY2(imported.err.contains(reason), qPrintable(imported.err));
        QVERIFY2(imported.err.contains("nothing imported"), qPrintable(imported.err));
        const Run listed = cli({"records", "list", "--db", db});
        QCOMPARE(listed.out, QString());
    }
};

QTEST_MAIN(TestChartExport)
#include "tst_chart_export.moc"
