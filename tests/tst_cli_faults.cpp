// SPDX-License-Identifier: GPL-3.0-or-later
// The command line under hostile input: what it refuses, that it never loses
// or corrupts data when it refuses, that standard output carries only the
// answer, and that any amount of input streams through in bounded memory.
#include "TestSupport.h"
#include "Vocabulary.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Run {
    int code = -1;
    bool crashed = true;
    QByteArray out;
    QByteArray err;
};

QByteArray chartsHeader()
{
    return "datetime\tgender\tyearChac\tmonthChac\tdayChac\thourChac\tclockwise\tageOfBegin\t"
           "jd_dateBeginDY\tdayunJiaZiofBegin\tytgChengCnt\tisPassMiddleTerm\tthisLunarDateStrInt";
}

int pillarIndex(const QString &name)
{
    bool ok = false;
    const int number = name.toInt(&ok);
    if (ok)
        return number;
    for (int k = 0; k < 60; ++k)
        if (Vocabulary::jiaziName(k) == name)
            return k;
    return -1;
}

// Every row of every table of an SQLite file, for "nothing written" checks.
QStringList dumpFile(const QString &path)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dump"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery tables(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"), db);
            QStringList names;
            while (tables.next())
                names << tables.value(0).toString();
            for (const QString &name : names) {
                QSqlQuery query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(name), db);
                while (query.next()) {
                    QStringList fields{name};
                    for (int c = 0; c < query.record().count(); ++c)
                        fields << query.value(c).toString();
                    rows << fields.join(QLatin1Char('|'));
                }
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dump"));
    return rows;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestCliFaults : public QObject
{
    Q_OBJECT
private:
    QString m_cli;
    QTemporaryDir m_home;

    Run run(const QStringList &args, const QByteArray &input = QByteArray(), const QString &inputFile = QString(),
            const QString &outputFile = QString())
    {
        QProcess p;
        QProcessEnvironment env = TestSupport::childEnvironment(m_home);
        // A locked file is given up after a fifth of a second, not Qt's 5 s.
        env.insert(QStringLiteral("QINGYAO_DB_BUSY_MS"), QStringLiteral("200"));
        p.setProcessEnvironment(env);
        if (!inputFile.isEmpty())
            p.setStandardInputFile(inputFile);
        if (!outputFile.isEmpty())
            p.setStandardOutputFile(outputFile);
        p.start(m_cli, args);
        if (inputFile.isEmpty()) {
            p.write(input);
            p.closeWriteChannel();
        }
        Run r;
        if (!p.waitForFinished(300000))
            return r;
        r.crashed = p.exitStatus() != QProcess::NormalExit;
        r.code = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }

    // A records database of this release with two records.
    QString goodDatabase(const QString &name)
    {
        const QString path = m_home.filePath(name);
        const QString json = m_home.filePath(name + QStringLiteral(".json"));
        writeFile(json, R"([{"userid":"11","timestamp":"t","gender":"0","caltype":"0","maintime":"2000/1/1/12/0",)"
                        R"("inputtime":"x","mainJvalue":"120","name":"甲"},)"
                        R"({"userid":"12","timestamp":"t","gender":"1","caltype":"0","maintime":"2001/1/1/12/0",)"
                        R"("inputtime":"y","mainJvalue":"120","name":"乙"}])");
        const Run r = run({"records", "import", json, "--db", path});
        if (r.code != 0)
            qWarning("%s", r.err.constData());
        return path;
    }

    // Runs charts with the lines given as arguments and returns the second
    // field of each row (the first row after the header).
    QList<QByteArray> chartsRows(const QByteArray &input, Run *result = nullptr)
    {
        const Run r = run({"charts"}, input);
        if (result)
            *result = r;
        QList<QByteArray> rows = r.out.split('\n');
        if (!rows.isEmpty() && rows.last().isEmpty())
            rows.removeLast();
        return rows;
    }

private slots:
    void initTestCase()
    {
        m_cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
        QVERIFY2(QFile::exists(m_cli), qPrintable(m_cli));
    }

    // A back-up from something that is not a records database, or to a
    // target that is not a regular file, is refused and the target is left
    // exactly as it was.
    void exportAndListRefuseWhatIsNotARecordsDatabase_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("target");
        QTest::newRow("export from random bytes")        << "random bytes" << "export" << "back-up";
        QTest::newRow("export from another table shape") << "other shape"  << "export" << "back-up";
        QTest::newRow("list from another table shape")   << "other shape"  << "list"   << "";
        QTest::newRow("list from random bytes")          << "random bytes" << "list"   << "";
        QTest::newRow("export to a named pipe")          << "records"      << "export" << "pipe";
    }
    void exportAndListRefuseWhatIsNotARecordsDatabase()
    {
        QFETCH(QString, database);
        QFETCH(QString, action);
        QFETCH(QString, target);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        QString db = m_home.filePath(tag + QStringLiteral(".db"));
        if (database == QLatin1String("random bytes")) {
            QByteArray bytes(8192, '\0');
            QRandomGenerator gen(19);
            for (char &c : bytes)
                c = char(gen.bounded(256));
            writeFile(db, bytes);
        } else if (database == QLatin1String("other shape")) {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("shape"));
            other.setDatabaseName(db);
            QVERIFY(other.open());
            QSqlQuery(QStringLiteral("CREATE TABLE oneCustomer (a, b)"), other);
            QSqlQuery(QStringLiteral("INSERT INTO oneCustomer VALUES (1, 2)"), other);
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("shape"));
        } else {
            db = goodDatabase(tag + QStringLiteral(".db"));
        }
        const QByteArray dbBefore = readFile(db);
        const QString file = m_home.filePath(tag + QStringLiteral(".json"));
        const QByteArray kept = R"([{"keep":"me"}])";
        if (target == QLatin1String("back-up"))
            writeFile(file, kept);
        else if (target == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);

        QStringList args{"records", action};
        if (!target.isEmpty())
            args << file;
        const Run r = run(args + QStringList{"--db", db});
        QVERIFY(!r.crashed);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QByteArray());
        QVERIFY2(r.err.contains("qingyao-cli: "), r.err.constData());
        QCOMPARE(readFile(db), dbBefore);
        if (target == QLatin1String("back-up"))
            QCOMPARE(readFile(file), kept);
        if (target == QLatin1String("pipe")) {
            struct stat info;
            QCOMPARE(::lstat(QFile::encodeName(file).constData(), &info), 0);
            QVERIFY(S_ISFIFO(info.st_mode));
        }
    }

    // Another process holds the database: the import says why it failed and
    // leaves the file alone.
    void importBlockedByALockSaysWhy_data()
    {
        QTest::addColumn<bool>("records");
        QTest::addColumn<QString>("lock");
        QTest::newRow("records table, exclusive lock")    << true << "EXCLUSIVE";
        QTest::newRow("no records table, writer holds it") << false << "IMMEDIATE";
    }
    void importBlockedByALockSaysWhy()
    {
        QFETCH(bool, records);
        QFETCH(QString, lock);
        const QString name = QStringLiteral("locked-%1-%2.db").arg(records).arg(lock);
        const QString db = records ? goodDatabase(name) : m_home.filePath(name);
        const QString json = m_home.filePath(QStringLiteral("more.json"));
        writeFile(json, R"([{"userid":"13","timestamp":"t","gender":"0","caltype":"0","maintime":"m",)"
                        R"("inputtime":"z","mainJvalue":"120"}])");
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(db);
            QVERIFY(holder.open());
            QSqlQuery query(holder);
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS other (a)")));
            QVERIFY(query.exec(QStringLiteral("BEGIN %1").arg(lock)));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO other VALUES (1)")));
            const Run r = run({"records", "import", json, "--db", db});
            QVERIFY(query.exec(QStringLiteral("ROLLBACK")));
            QCOMPARE(r.code, 1);
            // The command's own line gives the reason (other lines may come first).
            const QByteArray last = r.err.trimmed().split('\n').last();
            QVERIFY2(last.startsWith("qingyao-cli: ") && last.contains("database is locked"), r.err.constData());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(dumpFile(db).size(), records ? 2 : 0);
    }

    // Standard output carries the documented answer only: nothing when a
    // command fails, the table alone from charts.
    void diagnosticsStayOffStandardOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("code");
        QTest::newRow("charts, offset of 1e5 days") << QStringList{"charts"}
                                                    << QByteArray("2000-01-01 12:00\t0\t1\t1e5\n2000-01-01 12:00\t0\n") << 0;
        QTest::newRow("charts, lunar day that is no day") << QStringList{"charts"}
                                                    << QByteArray("2100-01-01 12:00\t0\n1799-12-31 12:00\t1\n") << 0;
        QTest::newRow("chart, leap month that does not exist")
                << QStringList{"chart", "--lunar", "--leap", "2020-05-01 12:00"} << QByteArray() << 2;
        // Refused as the chart page refuses it (the date does not exist).
        QTest::newRow("chart, lunar day 30 of a short month")
                << QStringList{"chart", "--lunar", "2024-01-30 12:00"} << QByteArray() << 2;
    }
    void diagnosticsStayOffStandardOutput()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, code);
        const Run r = run(args, input);
        QCOMPARE(r.code, code);
        if (code != 0) {
            QCOMPARE(r.out, QByteArray());
            return;
        }
        QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        if (args.first() == QLatin1String("charts")) {
            QCOMPARE(lines.first(), chartsHeader());
            QCOMPARE(lines.size(), input.count('\n') + 1);
            for (const QByteArray &line : lines)
                QCOMPARE(line.count('\t'), 12);
        } else {
            QVERIFY2(lines.first().startsWith("pillars"), r.out.constData());
        }
    }

    // A moment is charted only when the term table has its month, and the
    // solar-time offset is no larger than a day; switch11pm is 0 or 1.
    void refusedMoments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("offset -40 days at the end of 2099") << QStringList{"--zty", "-40", "2099-12-31 12:00"} << 2;
        QTest::newRow("offset -1e5 days")                   << QStringList{"--zty", "-1e5", "2000-01-01 12:00"} << 2;
        QTest::newRow("offset 1.5 days")                    << QStringList{"--zty", "1.5", "2000-01-01 12:00"} << 2;
        QTest::newRow("offset inf")                         << QStringList{"--zty", "inf", "2000-01-01 12:00"} << 2;
        QTest::newRow("offset -1 day at the end of 2099")   << QStringList{"--zty", "-1", "2099-12-31 23:59"} << 0;
        QTest::newRow("offset 1 day at the start of 1800")  << QStringList{"--zty", "1", "1800-01-01 00:00"} << 0;
    }
    void refusedMoments()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const Run r = run(QStringList{"chart"} + args);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out.isEmpty(), code != 0);
        // The batch answers the same moment the same way, in its row.
        const QByteArray line = args.last().toUtf8() + "\t0\t1\t" + args[1].toUtf8() + '\n';
        const QList<QByteArray> rows = chartsRows(line);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].split('\t').value(1) == "error", code != 0);
    }

    void chartsFields_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<bool>("error");
        QTest::newRow("offset -1e308")   << QByteArray("0\t1\t-1e308") << true;
        QTest::newRow("offset 1.01")     << QByteArray("0\t1\t1.01") << true;
        QTest::newRow("switch11pm 2")    << QByteArray("0\t2") << true;
        QTest::newRow("switch11pm -5")   << QByteArray("0\t-5") << true;
        QTest::newRow("switch11pm 0")    << QByteArray("0\t0") << false;
        QTest::newRow("switch11pm 1")    << QByteArray("1\t1\t-0.5") << false;
    }
    void chartsFields()
    {
        QFETCH(QByteArray, fields);
        QFETCH(bool, error);
        const QList<QByteArray> rows = chartsRows("1990-05-17 08:30\t" + fields + '\n');
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].split('\t').value(1) == "error", error);
    }

    // Lines stream through: any number of them in bounded memory, and a line
    // without end is answered with an error row and a message.
    void chartsStreams_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("lineless");
        QTest::addColumn<int>("code");
#ifdef QINGYAO_SANITIZE
        // Memory is not measured under the sanitizers; the stream still is.
        QTest::newRow("many lines")                     << 300000 << 0 << 0;
#else
        QTest::newRow("three million lines")            << 3000000 << 0 << 0;
#endif
        QTest::newRow("64 MB without a line break")     << 0 << (64 << 20) << 1;
    }
    void chartsStreams()
    {
        QFETCH(int, lines);
        QFETCH(int, lineless);
        QFETCH(int, code);
        const QString in = m_home.filePath(QStringLiteral("stream.in"));
        const QString out = m_home.filePath(QStringLiteral("stream.out"));
        {
            QFile file(in);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray chunk;
            for (int i = 0; i < lines; ++i) {
                // Valid and invalid lines mixed, the valid ones through all
                // years of the range. Four in five are refused: they stream
                // the same way (an error row each) and cost far less time.
                const int k = i / 5;
                chunk += i % 5 != 0 ? QByteArray("not a moment\t1\n")
                                    : QByteArray::number(1800 + k % 300) + "-0" + QByteArray::number(1 + k % 9) + "-1"
                                          + QByteArray::number(k % 10) + ' ' + QByteArray::number(10 + k % 14) + ":0"
                                          + QByteArray::number(k % 10) + '\t' + QByteArray::number(k % 2) + '\n';
                if (chunk.size() > (1 << 20)) {
                    file.write(chunk);
                    chunk.clear();
                }
            }
            file.write(chunk);
            file.write(QByteArray(lineless, 'x'));
        }
        const Run r = run({"charts"}, QByteArray(), in, out);
        QVERIFY(!r.crashed);
        QCOMPARE(r.code, code);
        QCOMPARE(r.err.isEmpty(), lineless == 0);
        qint64 rows = 0;
        {
            QFile file(out);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readLine().trimmed(), chartsHeader());
            char buffer[1 << 16];
            qint64 n;
            while ((n = file.read(buffer, sizeof buffer)) > 0)
                rows += std::count(buffer, buffer + n, '\n');
        }
        QCOMPARE(rows, qint64(lines + (lineless ? 1 : 0)));
#ifndef QINGYAO_SANITIZE
        // Peak of the children so far (every other run of this test is
        // small): well below the input, so the input is never held.
        struct rusage usage;
        QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
        const qint64 limitKb = std::min<qint64>(100 * 1024, QFileInfo(in).size() / 1024 / 2);
        QVERIFY2(usage.ru_maxrss < limitKb, qPrintable(QStringLiteral("%1 kB").arg(usage.ru_maxrss)));
#endif
        QFile::remove(in);
        QFile::remove(out);
    }

    // Every moment listed has the four pillars under the rule asked for; the
    // reproductions of wrong and missing answers.
    void searchAnswers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("includes");
        QTest::newRow("hour stem of another day")   << QStringList{"8", "49", "32", "55"} << 1 << QByteArray();
        QTest::newRow("pillars no moment has")      << QStringList{"甲辰", "丙寅", "壬戌", "甲子"} << 1 << QByteArray();
        QTest::newRow("double-hour cut by 惊蛰")    << QStringList{"壬申", "壬寅", "庚辰", "甲申"} << 0 << QByteArray("1992-03-05 15:00");
        QTest::newRow("late 子, day change at 0:00") << QStringList{"壬寅", "丙午", "己亥", "丙子", "--switch11pm", "0"} << 0
                                                    << QByteArray("2022-06-15 23:00");
        QTest::newRow("late 子, day change at 23:00") << QStringList{"壬寅", "丙午", "己亥", "丙子", "--switch11pm", "1"} << 1
                                                     << QByteArray();
        QTest::newRow("early 子, day change at 23:00") << QStringList{"壬寅", "丙午", "庚子", "丙子"} << 0
                                                      << QByteArray("2022-06-15 23:00");
        QTest::newRow("switch11pm 2")               << QStringList{"1", "2", "3", "4", "--switch11pm", "2"} << 2 << QByteArray();
    }
    void searchAnswers()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QByteArray, includes);
        const Run r = run(QStringList{"search"} + args);
        QCOMPARE(r.code, code);
        if (code != 0)
            return;
        const int at = args.indexOf(QStringLiteral("--switch11pm"));
        const QByteArray rule = at >= 0 ? args[at + 1].toUtf8() : QByteArray("1");
        QByteArray batch;
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.first(), QByteArray("datetime\tsolar\tlunar"));
        for (const QByteArray &line : lines.mid(1))
            batch += line.split('\t').first() + "\t0\t" + rule + '\n';
        QVERIFY2(batch.contains(includes), r.out.constData());
        const QList<QByteArray> rows = chartsRows(batch);
        QCOMPARE(rows.size(), lines.size());
        for (const QByteArray &row : rows.mid(1)) {
            const QList<QByteArray> fields = row.split('\t');
            for (int i = 0; i < 4; ++i)
                QCOMPARE(fields.value(2 + i).toInt(), pillarIndex(args[i]));
        }
    }

    // Generated hostile lines: no signal, the documented exit codes, one
    // answer per line, and nothing stored when an import is refused.
    void hostileLines_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("charts")          << "charts";
        QTest::newRow("relations --raw") << "relations";
        QTest::newRow("records import")  << "import";
    }
    void hostileLines()
    {
        QFETCH(QString, command);
        QRandomGenerator gen(1900 + command.size());
        const auto pick = [&](const QList<QByteArray> &from) { return from[int(gen.bounded(from.size()))]; };
        const QList<QByteArray> atoms = {
            "2000-01-01 12:00", "1799-12-31 23:59", "2100-01-01 00:00", "2024-02-29 23:59", "2023-02-29 12:00",
            "0000-00-00 00:00", "9999-99-99 99:99", "2000-01-01 1:5", "-1", "0", "1", "2", "59", "60",
            "1e308", "-1e308", "nan", "inf", "0x10", "2147483648", "-2147483649", "99999999999999999999", "1.5",
            "甲子", "\xe5\x90", "\xff\xfe", QByteArray("\0", 1), "\r", " ", "\t", "%s%n", "'; DROP TABLE x; --",
            "<b>x</b>", "\"", "\\", "datetime"};
        QByteArray input;
        int lines = 0;
        if (command != QLatin1String("import")) {
            for (; lines < 300; ++lines) {
                QByteArray line = pick({"x", "2000-01-01 12:00", "1", "0"}); // never blank
                const int fields = int(gen.bounded(12));
                for (int f = 0; f < fields; ++f)
                    line += pick({"\t", " ", "\t\t", ""}) + pick(atoms);
                if (gen.bounded(40) == 0)
                    line += QByteArray(int(gen.bounded(10000)), char('0' + gen.bounded(10)));
                line.replace('\n', ' ');
                input += line + '\n';
            }
            const Run r = command == QLatin1String("charts") ? run({"charts"}, input) : run({"relations", "--raw", "-"}, input);
            QVERIFY(!r.crashed);
            QVERIFY2(r.code == 0 || r.code == 1, r.err.constData());
            const QList<QByteArray> out = r.out.split('\n');
            if (command == QLatin1String("charts")) {
                QCOMPARE(out.count() - 2, lines); // header, rows, nothing after the last break
                for (const QByteArray &row : out.mid(1, lines))
                    QCOMPARE(row.count('\t'), 12);
            } else {
                QCOMPARE(int(out.count(QByteArray())) - 1, lines); // one blank line after each answer
            }
            return;
        }

        const QString db = goodDatabase(QStringLiteral("fuzz.db"));
        const QByteArray good = R"({"userid":"%1","timestamp":"t","gender":"0","caltype":"0","maintime":"m","inputtime":"i","mainJvalue":"1"%2})";
        for (int round = 0; round < 60; ++round) {
            QByteArray json = "[";
            const int records = 1 + int(gen.bounded(3));
            for (int i = 0; i < records; ++i) {
                QByteArray extra;
                const int fields = int(gen.bounded(3));
                for (int f = 0; f < fields; ++f)
                    extra += ",\"" + pick({"name", "seqno", "extraColumn5", "userid", "colour", "gender"}) + "\":"
                           + pick({"1e300", "-1e19", "9223372036854775807", "9223372036854775808", "1.5", "null",
                                   "true", "[]", "{}", "\"\"", "\"x\"", "\"\\u0000\"", "\"12\"", "-0"});
                json += (i ? "," : "") + QByteArray(good).replace("%1", QByteArray::number(100 + gen.bounded(5)))
                                             .replace("%2", extra);
            }
            json += "]";
            if (gen.bounded(4) == 0)
                json.truncate(int(gen.bounded(json.size())));
            if (gen.bounded(6) == 0)
                json[int(gen.bounded(json.size()))] = char(gen.bounded(256));
            if (gen.bounded(20) == 0)
                json = QByteArray(20000, '[') + QByteArray(20000, ']');
            const QString file = m_home.filePath(QStringLiteral("fuzz.json"));
            writeFile(file, json);
            const QStringList before = dumpFile(db);
            const Run r = run({"records", "import", file, "--db", db});
            QVERIFY2(!r.crashed, json.constData());
            QVERIFY2(r.code == 0 || r.code == 1, json.constData());
            const QStringList after = dumpFile(db);
            if (r.code == 1) {
                QCOMPARE(after, before);
                QCOMPARE(r.out, QByteArray());
            } else {
                const QRegularExpression added(QStringLiteral("^added (\\d+) records, skipped (\\d+) already present\n$"));
                const QRegularExpressionMatch m = added.match(QString::fromUtf8(r.out));
                QVERIFY2(m.hasMatch(), r.out.constData());
                QCOMPARE(after.size(), before.size() + m.captured(1).toInt());
                QCOMPARE(m.captured(1).toInt() + m.captured(2).toInt(), records);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_cli_faults.moc"
