// SPDX-License-Identifier: GPL-3.0-or-later
// Times of the data stores: building the book database from a script of about
// 2,600 statements (target under 50 ms) and the search filter of the person
// records over 10,000 records (target under 10 ms).
#include "DatabaseConnections.h"
#include "SqloneCustomerModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 15;

// Wall time and this thread's processor time: on a machine shared with other
// work the wall time also counts the waits for a core.
struct Timing {
    double wallBest;
    double wallMedian;
    double cpuBest;
    double cpuMedian;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Timing measure(const std::function<void()> &run)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        run();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall.front(), wall[wall.size() / 2], cpu.front(), cpu[cpu.size() / 2]};
}

void report(const char *what, const Timing &t, double target)
{
    std::printf("%s (target < %.0f ms)\n  wall best %6.2f ms, median %6.2f ms; cpu best %6.2f ms, median %6.2f ms\n",
                what, target, t.wallBest, t.wallMedian, t.cpuBest, t.cpuMedian);
}

// A script shaped like the program's: one table, 2595 rows with paragraphs of
// a few hundred characters, two indexes.
QString bookScript()
{
    QString script = QStringLiteral(
            "CREATE TABLE `bookData` (`seqid` INTEGER NOT NULL, `bookname` TEXT NOT NULL, `idx01` TEXT NOT NULL, "
            "`idx02` TEXT, `idx03` TEXT, `idx04` TEXT, `idx05` TEXT, `content01` TEXT, `content02` TEXT, "
            "`content03` TEXT, `content04` TEXT, `content05` TEXT, PRIMARY KEY(`seqid`));\n");
    const QString paragraph = QStringLiteral("s1p1甲木参天，脱胎要火。春不容金，秋不容土。火炽乘龙，水宕骑虎。p2s2").repeated(2);
    for (int seq = 1; seq <= 2595; ++seq) {
        script += QStringLiteral("INSERT INTO `bookData` (`seqid`,`bookname`,`idx01`,`idx02`,`idx03`,`idx04`,`idx05`,"
                                 "`content01`,`content02`,`content03`,`content04`,`content05`) VALUES "
                                 "(%1,'WQLTiYao','%2','%3','%4',NULL,NULL,'%5',NULL,NULL,NULL,NULL);\n")
                          .arg(seq).arg(seq % 10).arg(seq % 12).arg(seq / 120).arg(paragraph);
    }
    script += QStringLiteral("CREATE INDEX `idxbookname` ON `bookData` (`bookname`);\n"
                             "CREATE INDEX `idxidx01` ON `bookData` (`idx01`);\n");
    return script;
}

void fillRecords(int count)
{
    SqloneCustomerModel creator; // creates the table
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("userdataconnection"));
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
            "INSERT INTO oneCustomer (userid, timestamp, gender, caltype, maintime, inputtime, mainJvalue, "
            "inputPlaceName, name, simpenotes, morenotes) VALUES (?, ?, '0', '0', '1990/1/1/0/0', ?, '120', ?, ?, ?, ?)"));
    const QStringList places = {QStringLiteral("北京"), QStringLiteral("上海"), QStringLiteral("广州"), QStringLiteral("成都")};
    const QStringList classes = {QStringLiteral("同事"), QStringLiteral("家人"), QStringLiteral("朋友")};
    for (int i = 0; i < count; ++i) {
        insert.addBindValue(QStringLiteral("{bench-%1}").arg(i));
        insert.addBindValue(QStringLiteral("2020-01-01T00:00:%1").arg(i, 8, 10, QLatin1Char('0')));
        insert.addBindValue(QStringLiteral("公历 %1年%2月%3日").arg(1950 + i % 70).arg(1 + i % 12).arg(1 + i % 28));
        insert.addBindValue(places[i % places.size()]);
        insert.addBindValue(QStringLiteral("客户%1").arg(i));
        insert.addBindValue(classes[i % classes.size()]);
        insert.addBindValue(i % 100 == 0 ? QStringLiteral("甲木日主，身强") : QStringLiteral("普通备注"));
        insert.exec();
    }
    db.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTemporaryDir dir;

    const QString scriptPath = dir.filePath(QStringLiteral("bookData.sql"));
    {
        QFile file(scriptPath);
        file.open(QIODevice::WriteOnly);
        file.write(bookScript().toUtf8());
        std::printf("book script: %lld bytes, %d statements\n", file.size(), 2595 + 3);
    }
    report("book database from a 2,598-statement script", measure([&] {
               DatabaseConnections::buildBookDatabaseFrom(scriptPath);
           }), 50);
    {
        QSqlQuery count(QStringLiteral("SELECT count(*) FROM bookData"), QSqlDatabase::database(QStringLiteral("funcdataconnection")));
        count.next();
        std::printf("  rows built: %d\n", count.value(0).toInt());
    }

    if (QFile::exists(DatabaseConnections::bookScriptResource)) {
        report("book database from the bundled script", measure([] { DatabaseConnections::buildBookDatabase(); }), 50);
    }

    DatabaseConnections::openUserDatabaseAt(dir.filePath(QStringLiteral("records.db")));
    fillRecords(10000);
    SqloneCustomerModel model;
    const auto search = [&](const QString &note, const QString &text, const char *what) {
        int rows = 0;
        const Timing t = measure([&] {
            model.setFilterMore2(note, text);
            rows = model.rowCount();
        });
        report(what, t, 10);
        std::printf("  rows in the model after the call: %d\n", rows);
    };
    search(QString(), QStringLiteral("甲木"), "setFilterMore2 search over 10,000 records (100 hits)");
    search(QString(), QStringLiteral("上海"), "setFilterMore2 search over 10,000 records (2,500 hits)");
    search(QStringLiteral("同事"), QStringLiteral("客户99"), "setFilterMore2 class and search over 10,000 records");
    search(QString(), QStringLiteral("no such text"), "setFilterMore2 search over 10,000 records (no hit)");
    return 0;
}
