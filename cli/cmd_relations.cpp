// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "AppContext.h"
#include "GetShenShaRelations.h"

#include <QRegularExpression>
#include <QVector>

#include <cstdio>
#include <iostream>
#include <limits>
#include <string>

namespace {

// 4 to 10 integers; an empty result means the set is malformed.
QVector<int> parseSet(const QStringList &words)
{
    QVector<int> set;
    if (words.size() < 4 || words.size() > GetShenShaRelations::columnCount)
        return set;
    const int any = std::numeric_limits<int>::max();
    for (const QString &word : words) {
        int value = 0;
        if (!Cli::readInt(word, -any, any, value)) // the engine judges the range
            return {};
        set << value;
    }
    return set;
}

bool compute(GetShenShaRelations &relations, QVector<int> set)
{
    while (set.size() < GetShenShaRelations::columnCount)
        set << -1;
    return relations.updateShenShaRel(set[0], set[1], set[2], set[3], set[4], set[5], set[6], set[7], set[8], set[9])
               .toInt()
        == 0;
}

QString rawLines(const GetShenShaRelations &relations)
{
    QString out;
    for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
        out += QStringLiteral("zhu%1\t").arg(column) + relations.zhu(column).join(QLatin1Char(';')) + QLatin1Char('\n');
    for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
        out += QStringLiteral("basic%1\t").arg(column) + relations.basic(column).join(QLatin1Char(';'))
            + QLatin1Char('\n');
    return out;
}

QString readableBlocks(const GetShenShaRelations &relations, const QVector<int> &set)
{
    QString out;
    for (int column = 0; column < set.size(); ++column) {
        if (set[column] < 0)
            continue;
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += QStringLiteral("column %1\n").arg(column);
        for (const QString &row : relations.basic(column))
            out += QStringLiteral("  ") + row + QLatin1Char('\n');
        for (const QString &relation : relations.zhu(column)) {
            const int code = relation.section(QLatin1Char('|'), 0, 0).toInt();
            out += QStringLiteral("  ") + relation + QStringLiteral("  ") + GetShenShaRelations::starName(code)
                + QLatin1Char('\n');
        }
    }
    return out;
}

// One set per line; each on a fresh object, as a page would see it.
int runStdin()
{
    bool allAccepted = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        const QStringList fields =
            QString::fromStdString(line).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue; // blank lines hold no set
        GetShenShaRelations relations;
        const QVector<int> set = parseSet(fields);
        if (!set.isEmpty() && compute(relations, set)) {
            cliWrite(rawLines(relations) + QLatin1Char('\n'));
        } else {
            cliWrite(QStringLiteral("error\n\n"));
            allAccepted = false;
        }
        std::fflush(stdout);
    }
    return allAccepted ? 0 : 1;
}

int run(const QStringList &args)
{
    Cli::CommandLine line("relations",
                          "relations [--raw] N0 N1 N2 N3 [N4 N5 YMON6 YDMN7 GONG8 YUAN9]\nrelations --raw -",
                          "ShenSha stars, combinations and clashes of up to ten pillars, given as sixty-cycle"
                          " indexes (0..59, -1 for none): year, month, day and hour, then luck, flow year, flow"
                          " month, flow day, life palace and conception. With \"--raw -\" one set a line is read"
                          " from standard input.");
    line.addFlag("raw", "print the engine's rows (zhuN and basicN lines) instead of blocks per column");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    // The engine logs its diagnostics; keep them out of the output unless log saving is on.
    qInstallMessageHandler(AppLog::messageHandler);

    const bool raw = line.isSet("raw");
    const QStringList numbers = line.positional();
    if (raw && numbers == QStringList{QStringLiteral("-")})
        return runStdin();

    const QVector<int> set = parseSet(numbers);
    if (set.isEmpty())
        return Cli::usageError(QStringLiteral("relations needs 4 to 10 integers (sixty-cycle indexes, -1 for none)"));
    GetShenShaRelations relations;
    if (!compute(relations, set))
        return Cli::usageError(QStringLiteral("relations: N0..N3 must lie in 0..59 and the others in -1..59"));
    cliWrite(raw ? rawLines(relations) : readableBlocks(relations, set));
    return 0;
}

} // namespace

static const CliCommand relationsCommand{"relations", "ShenSha stars, combinations and clashes of up to ten pillars",
                                         run};
