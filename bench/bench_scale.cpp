// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of scale, each a whole `qingyao-cli` process (wall time, CPU
// time and peak resident memory, by /usr/bin/time) and, where one exists, as a ratio
// against the same work done in this process:
//   records list --search over 100,000 records (958 hits) vs the raw SQL query,
//   records list of all 100,000 records, records import / export,
//   charts on 1,000,000 lines, lunar-days 1800-01-01 2099-12-31,
//   a full chart in process (beginWithTime + getEssentials).
// Usage: bench_scale [path/to/qingyao-cli] [runs]. Not a test; the window
// figures come from bench/window.sh.

#include "AppContext.h"
#include "BenchClock.h"
#include "DatabaseConnections.h"
#include "InSight.h"
#include "ScriptConverter.h"
#include "SqlLiteral.h"
#include "SqloneCustomerModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kRecords = 100000;
// Every hundredth record of the first 95,800 carries the searched words.
constexpr int kHitEvery = 100;
constexpr int kHitsBelow = 95800;
const char kSearch[] = "甲木日主";

struct Run {
    double wall = 0;  // s
    double cpu = 0;   // s, user + system
    double rssMb = 0; // peak resident set
    int status = -1;
};

// One process with stdin and stdout on files; the best of `runs` by CPU.
Run runProcess(const QString &program, const QStringList &args, const QString &in, const QString &out, int runs)
{
    Run best;
    best.cpu = 1e9;
    for (int r = 0; r < runs; ++r) {
        // Through /usr/bin/time: a child started straight from this process
        // would be charged this process's peak memory (the kernel keeps the
        // peak of the memory an exec replaces), and this one is large.
        const QByteArray usagePath = QDir::temp().filePath(QStringLiteral("bench_scale_usage.txt")).toLocal8Bit();
        std::vector<QByteArray> bytes{"/usr/bin/time", "-f", "%e %U %S %M", "-o", usagePath, program.toLocal8Bit()};
        for (const QString &a : args)
            bytes.push_back(a.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const QByteArray inPath = (in.isEmpty() ? QStringLiteral("/dev/null") : in).toLocal8Bit();
        const QByteArray outPath = (out.isEmpty() ? QStringLiteral("/dev/null") : out).toLocal8Bit();
        posix_spawn_file_actions_addopen(&actions, 0, inPath.constData(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const BenchClock clock;
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            posix_spawn_file_actions_destroy(&actions);
            return best;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        const double wall = clock.wallSeconds();
        posix_spawn_file_actions_destroy(&actions);
        QFile usageFile(QString::fromLocal8Bit(usagePath));
        usageFile.open(QIODevice::ReadOnly);
        const QList<QByteArray> fields = usageFile.readAll().trimmed().split(' ');
        if (fields.size() < 4)
            return best;
        // CPU from wait4 (microseconds; it counts the reaped child too).
        const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
                + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (cpu < best.cpu)
            best = {wall, cpu, fields[3].toDouble() / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }
    return best;
}

void print(const char *what, const Run &run, const char *target)
{
    std::printf("%-52s %7.3f s wall %7.3f s CPU %7.1f MB   (target %s)%s\n", what, run.wall, run.cpu, run.rssMb, target,
                run.status == 0 ? "" : "  [exit status not 0]");
}

// Records in the JSON shape of `records export`, written as text so that the
// generator itself stays out of the way; stamped in the order they were made,
// as the program stamps them.
void writeRecords(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const char *const places[] = {"北京", "上海", "广州", "成都"};
    const char *const classes[] = {"同事", "家人", "朋友"};
    file.write("[\n");
    for (int i = 0; i < kRecords; ++i) {
        const bool hit = i < kHitsBelow && i % kHitEvery == 0;
        char line[1024];
        std::snprintf(line, sizeof line,
                      "{\"userid\":\"{bench-%08d}_2020\",\"seqno\":\"%d\",\"timestamp\":\"2020-01-01T00:00:%08d\","
                      "\"gender\":\"%d\",\"caltype\":\"0\",\"maintime\":\"%d/%d/%d/%d/0\",\"inputtime\":\"公历 "
                      "%d年%d月%d日%d时\",\"mainJvalue\":\"120\",\"inputPlaceName\":\"%s\",\"name\":\"客户%d\","
                      "\"simpenotes\":\"%s\",\"morenotes\":\"%s\",\"usingZty\":\"0\",\"usingPty\":\"0\","
                      "\"toChangeDay23clock\":\"1\",\"usingXiaShiLingclock\":\"0\",\"yearChac\":null,"
                      "\"monthChac\":null,\"dayChac\":null,\"hourChac\":null,\"updateTimestamp\":null,"
                      "\"extraColumn1\":\"0\",\"extraColumn2\":\"120\",\"extraColumn3\":null,\"extraColumn4\":null,"
                      "\"extraColumn5\":null}%s\n",
                      i, i + 1, i, i & 1, 1950 + i % 70, 1 + i % 12, 1 + i % 28, i % 24,
                      1950 + i % 70, 1 + i % 12, 1 + i % 28, i % 24, places[i % 4], i, classes[i % 3],
                      hit ? "甲木日主，身强" : "普通备注", i + 1 < kRecords ? "," : "");
        file.write(line);
    }
    file.write("]\n");
}

// The query the search stands for, as the sqlite3 shell would run it: the
// same filter and order, every row read.
double rawQuerySeconds(const QString &dbPath, int runs, int *rows)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(dbPath);
    db.open();
    const QString text = QString::fromUtf8(kSearch);
    QStringList variants{text, ScriptConverter::toTraditional(text), ScriptConverter::toSimplified(text)};
    variants.removeDuplicates();
    QStringList parts;
    for (const char *column : {"name", "inputtime", "inputPlaceName", "morenotes"})
        for (const QString &v : qAsConst(variants))
            parts << SqlLiteral::likeContains(QLatin1String(column), v);
    const QString sql = QStringLiteral("SELECT seqno, name, inputtime, inputPlaceName, userid FROM oneCustomer WHERE %1 "
                                       "ORDER BY timestamp DESC")
                                .arg(parts.join(QLatin1String(" OR ")));
    double best = 1e9;
    for (int r = 0; r < runs; ++r) {
        const BenchClock clock;
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(sql);
        int n = 0;
        while (query.next())
            ++n;
        *rows = n;
        best = std::min(best, clock.cpuSeconds());
    }
    return best;
}

int countLines(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    int n = 0;
    char buffer[1 << 16];
    qint64 got;
    while ((got = file.read(buffer, sizeof buffer)) > 0)
        n += int(std::count(buffer, buffer + got, '\n'));
    return n;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppLog::install();
    const QString cli = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    if (!QFile::exists(cli)) {
        std::printf("%s not built\n", qPrintable(cli));
        return 1;
    }
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("records.json"));
    const QString db = dir.filePath(QStringLiteral("records.db"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    writeRecords(json);
    std::printf("%s, best of %d runs by CPU; peak resident memory of that run\n", qPrintable(cli), runs);
    std::printf("records file: %d records, %.1f MB\n", kRecords, QFile(json).size() / 1048576.0);

    // Each import starts from no database file.
    Run import;
    import.cpu = 1e9;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(db);
        const Run one = runProcess(cli, {QStringLiteral("records"), QStringLiteral("import"), json, QStringLiteral("--db"), db},
                                   QString(), out, 1);
        if (one.cpu < import.cpu)
            import = one;
    }
    print("records import, 100,000 records", import, "<= 1 s, <= 60 MB");

    const QString exported = dir.filePath(QStringLiteral("export.json"));
    print("records export, 100,000 records",
          runProcess(cli, {QStringLiteral("records"), QStringLiteral("export"), exported, QStringLiteral("--db"), db},
                     QString(), out, runs),
          "<= 1 s, <= 60 MB");

    const Run all = runProcess(cli, {QStringLiteral("records"), QStringLiteral("list"), QStringLiteral("--db"), db},
                               QString(), out, runs);
    print("records list, all 100,000 records", all, "<= 0.5 s, <= 60 MB");
    std::printf("  rows listed: %d\n", countLines(out));

    const Run search = runProcess(cli, {QStringLiteral("records"), QStringLiteral("list"), QStringLiteral("--search"),
                                        QString::fromUtf8(kSearch), QStringLiteral("--db"), db},
                                  QString(), out, runs);
    print("records list --search (958 hits), whole process", search, "<= 0.06 s, <= 1.5x raw query");
    int rawRows = 0;
    const double raw = rawQuerySeconds(db, runs, &rawRows);
    std::printf("  rows listed: %d; raw SQL query in process: %.3f s CPU for %d rows; ratio %.2fx\n", countLines(out),
                raw, rawRows, search.cpu / raw);

    // The records model of the page over the same file: what a view waits
    // for before the first rows show.
    {
        DatabaseConnections::openUserDatabaseAt(db);
        double open = 1e9, search = 1e9, more = 1e9;
        int rows = 0, afterMore = 0;
        for (int r = 0; r < runs; ++r) {
            BenchClock clock;
            SqloneCustomerModel model;
            open = std::min(open, clock.cpuSeconds());
            const BenchClock searchClock;
            model.setFilterMore2(QString(), QStringLiteral("上海"));
            rows = model.rowCount();
            search = std::min(search, searchClock.cpuSeconds());
            const BenchClock moreClock;
            model.fetchMore();
            afterMore = model.rowCount();
            more = std::min(more, moreClock.cpuSeconds());
        }
        std::printf("%-52s %7.3f ms CPU (first %d rows fetched)\n", "records model over 100,000 records, opened",
                    open * 1e3, SqloneCustomerModel().rowCount());
        std::printf("%-52s %7.3f ms CPU (%d rows fetched of 25,000 hits), next page %.3f ms (%d rows)\n",
                    "records model search (setFilterMore2)", search * 1e3, rows, more * 1e3, afterMore);
    }

    // charts: 1,000,000 lines of every minute and place-less kind.
    const QString lines = dir.filePath(QStringLiteral("charts.txt"));
    {
        QFile file(lines);
        file.open(QIODevice::WriteOnly);
        QByteArray text;
        for (long i = 0; i < 1000000; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d\t%ld\n", 1800 + int(i * 7 % 300),
                          1 + int(i % 12), 1 + int(i * 13 % 28), int(i % 24), int(i * 17 % 60), i & 1);
            text += line;
            if (text.size() > (1 << 20)) {
                file.write(text);
                text.clear();
            }
        }
        file.write(text);
    }
    print("charts, 1,000,000 lines, whole process", runProcess(cli, {QStringLiteral("charts")}, lines, out, runs),
          "<= 1.2 s CPU, <= 25 MB");
    print("lunar-days 1800-01-01 2099-12-31, whole process",
          runProcess(cli, {QStringLiteral("lunar-days"), QStringLiteral("1800-01-01"), QStringLiteral("2099-12-31")},
                     QString(), out, runs),
          "<= 30 ms");
    print("version (process start alone), for comparison", runProcess(cli, {QStringLiteral("version")}, QString(), out, runs),
          "-");

    {
        InSight s;
        long checksum = 0;
        const int calls = 200000;
        double best = 1e9;
        for (int r = 0; r < 3; ++r) {
            const BenchClock clock;
            for (int i = 0; i < calls; ++i) {
                checksum += s.beginWithTime(i & 1, 0, 1800 + i * 7 % 300, 1 + i % 12, 1 + i * 13 % 28, i % 24,
                                            i * 17 % 60, 0, 0.0, 1)
                                    .toInt();
                checksum += s.getEssentials().toString().size();
            }
            best = std::min(best, clock.cpuSeconds() / calls * 1e6);
        }
        std::printf("%-52s %7.3f us CPU per chart              (target <= 1 us)  (checksum %ld)\n",
                    "full chart in process (beginWithTime + getEssentials)", best, checksum);
    }
    return 0;
}
