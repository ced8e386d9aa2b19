// SPDX-License-Identifier: GPL-3.0-or-later
// Times the chart engine: a full chart (beginWithTime with its refresh, plus
// getEssentials), `qingyao-cli charts` on 100,000 lines, and pillar searches
// that find nothing. Build in Release for figures.

#include "AppContext.h"
#include "BenchClock.h"
#include "InSight.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

#include <sys/resource.h>

namespace {

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Birth moments spread over 1800..2099, every clock minute in turn.
void momentOf(long i, int &y, int &m, int &d, int &h, int &minute)
{
    y = 1800 + int(i * 7 % 300);
    m = 1 + int(i % 12);
    d = 1 + int(i * 13 % 28);
    h = int(i % 24);
    minute = int(i * 17 % 60);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppLog::install(); // keep the engine's log lines out of the figures
    long checksum = 0;

    {
        InSight s;
        const int calls = 300000;
        const BenchClock clock;
        for (int i = 0; i < calls; ++i) {
            int y, m, d, h, minute;
            momentOf(i, y, m, d, h, minute);
            checksum += s.beginWithTime(i & 1, 0, y, m, d, h, minute, 0, 0.0, 1).toInt();
            checksum += s.getEssentials().toString().size();
        }
        std::printf("full chart (beginWithTime + getEssentials): %d calls, %.3f us CPU per chart (%.3f us wall)\n", calls,
                    clock.cpuSeconds() / calls * 1e6, clock.wallSeconds() / calls * 1e6);
    }

    {
        InSight::setToday(QDate(2026, 12, 8));
        double worst = 0;
        double total = 0;
        int searches = 0;
        for (int year = 0; year < 60; ++year) {
            // The month pillar of month 1 belongs to the year stem; one stem off never occurs.
            const int impossibleMonth = (1 + 12 * year + 1 + 12) % 60;
            const BenchClock clock;
            checksum += long(InSight::searchPillars(year, impossibleMonth, 10, 3).size());
            const double t = clock.cpuSeconds();
            total += t;
            worst = t > worst ? t : worst;
            ++searches;
        }
        std::printf("pillar search without a match: %d searches, CPU mean %.3f ms, worst %.3f ms\n", searches,
                    total / searches * 1e3, worst * 1e3);
    }

    {
        const QString cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
        if (!QFile::exists(cli)) {
            std::printf("charts: %s not built, skipped\n", qPrintable(cli));
        } else {
            const int lines = 100000;
            QByteArray input;
            input.reserve(lines * 24);
            for (int i = 0; i < lines; ++i) {
                int y, m, d, h, minute;
                momentOf(i, y, m, d, h, minute);
                char line[64];
                std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d\t%d\n", y, m, d, h, minute, i & 1);
                input += line;
            }
            const double cpuBefore = childCpuSeconds();
            QProcess process;
            QElapsedTimer timer;
            timer.start();
            process.start(cli, {QStringLiteral("charts")});
            process.waitForStarted();
            process.write(input);
            process.closeWriteChannel();
            QByteArray output;
            while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
                process.waitForReadyRead(1000);
                output += process.readAllStandardOutput();
            }
            process.waitForFinished();
            const double wall = timer.nsecsElapsed() / 1e9;
            const double cpu = childCpuSeconds() - cpuBefore;
            std::printf("qingyao-cli charts: %d lines, %.3f s CPU (%.0f charts per CPU second), %.3f s wall "
                        "(%.0f per second), %d output lines\n",
                        lines, cpu, lines / cpu, wall, lines / wall, int(output.count('\n')) - 1);
        }
    }
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
