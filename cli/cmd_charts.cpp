// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchText.h"
#include "Command.h"

#include "ChartCalculation.h"
#include "InSight.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

const char header[] = "datetime\tgender\tyearChac\tmonthChac\tdayChac\thourChac\tclockwise\tageOfBegin\t"
                      "jd_dateBeginDY\tdayunJiaZiofBegin\tytgChengCnt\tisPassMiddleTerm\tthisLunarDateStrInt\n";
constexpr int columnCount = 13;

// Longer than any line of the documented shape; a longer one is answered with
// an error row without being kept, so memory stays bounded whatever comes in.
constexpr int maxLineLength = 4096;
// Output is passed on in pieces of about this size.
constexpr int flushSize = 1 << 16;

// One row from the numbers of a cast chart, formatted in place.
void appendRow(QByteArray &out, const QByteArray &when, int gender, const InSight::Numbers &n, const TimePoints &tp)
{
    out += when;
    for (int v : {gender, n.chacs[0], n.chacs[1], n.chacs[2], n.chacs[3], n.clockwise}) {
        out += '\t';
        appendInt(out, v);
    }
    out += '\t';
    appendAge(out, n.ageOfBegin);
    out += '\t';
    appendJd(out, n.jd_dateBeginDY);
    for (int v : {n.dayunJiaZiofBegin, n.ytgChengCnt, n.isPassMiddleTerm}) {
        out += '\t';
        appendInt(out, v);
    }
    out += '\t';
    InSight::appendLunarNumbers(out, tp);
    out += '\n';
}

// One input line to one output row; false when the line cannot be charted.
bool chartLine(InSight &s, const QByteArray &line, QByteArray &out)
{
    // The fields are views into the line; nothing is copied.
    QByteArray fields[7];
    int count = 0;
    for (int from = 0;;) {
        const int tab = line.indexOf('\t', from);
        if (count == 7)
            return false;
        const int end = tab < 0 ? line.size() : tab;
        fields[count++] = QByteArray::fromRawData(line.constData() + from, end - from);
        if (tab < 0)
            break;
        from = tab + 1;
    }
    if (count < 2)
        return false;
    int moment[5];
    const QByteArray when = fields[0].trimmed();
    if (!Cli::readDateTime(when.constData(), when.size(), moment))
        return false;
    int gender = 0, switch11pm = 1;
    double zty = 0;
    if (!Cli::readInt(fields[1], 0, 1, gender))
        return false;
    if (count > 2 && !Cli::readInt(fields[2], 0, 1, switch11pm))
        return false;
    // The engine judges the offset's range.
    if (count > 3 && !fields[3].trimmed().isEmpty()
        && !Cli::readNumber(fields[3], -std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), zty))
        return false;
    // Optional tz, lng and time columns chart the line through the birth
    // instant, as chart --tz --lng --time does (the zty column stays empty).
    bool place = false;
    ChartCalculation::Input in;
    if (count > 4 && !fields[4].trimmed().isEmpty()) {
        in.zone = fields[4].trimmed();
        place = true;
    }
    if (count > 5 && !fields[5].trimmed().isEmpty()) {
        if (!Cli::readNumber(fields[5], -180, 180, in.longitude))
            return false;
        place = true;
    }
    if (count > 6 && !fields[6].trimmed().isEmpty()) {
        if (!ChartCalculation::timeKindFromName(QString::fromUtf8(fields[6].trimmed()), in.timeKind))
            return false;
        place = true;
    }
    if (place) {
        if (zty != 0)
            return false;
        in.gender = gender;
        in.switch11pm = switch11pm;
        std::copy(moment, moment + 5, in.fields);
        if (!ChartCalculation::calculate(in, s).ok)
            return false;
        appendRow(out, when, gender, s.numbers(), s.primaryTimePoint());
        return true;
    }
    // The lean path: only the numbers the row prints, no texts, no signals.
    InSight::Numbers numbers;
    if (!s.castNumbers(gender, moment[0], moment[1], moment[2], moment[3], moment[4], zty, switch11pm, numbers))
        return false;
    appendRow(out, when, gender, numbers, s.leanTimePoint());
    return true;
}

void writeOut(QByteArray &out)
{
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    out.clear();
}

// The row of a line that cannot be charted keeps the column count.
void errorRow(const QByteArray &line, QByteArray &out)
{
    out += line.left(line.indexOf('\t')).trimmed() + "\terror" + QByteArray(columnCount - 2, '\t') + '\n';
}

void answerLine(InSight &s, QByteArray &line, QByteArray &out)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith("datetime\t"))
        return;
    if (!chartLine(s, line, out))
        errorRow(line, out);
}

int run(const QStringList &args)
{
    Cli::CommandLine commandLine("charts", "charts < LINES",
                          "Batch charts. Reads lines \"YYYY-MM-DD HH:MM<TAB>gender[<TAB>switch11pm (0|1)[<TAB>zty"
                          " (days, -1..1)[<TAB>tz<TAB>lng<TAB>time]]]\" from standard input (tz, lng and time as"
                          " for chart; empty for the default) and writes one row each, a row with \"error\" for a"
                          " line that cannot be charted (exit status 1).");
    int code = 0;
    if (!commandLine.parseNoArguments(args, code,
                               QStringLiteral("charts takes no arguments; it reads lines "
                                              "\"datetime<TAB>gender[<TAB>switch11pm[<TAB>zty[<TAB>tz<TAB>lng<TAB>time]]]\""
                                              " from standard input")))
        return code;
    // Line by line, so that any number of lines streams through in constant
    // memory and every answer leaves as soon as its piece is full.
    QByteArray out(header);
    out.reserve(flushSize + 1024);
    QByteArray line;
    line.reserve(maxLineLength + 1);
    bool overlong = false;
    qint64 lineNumber = 0;
    int refused = 0;
    InSight s;
    char buffer[1 << 16];
    std::size_t n;
    const auto endOfLine = [&] {
        ++lineNumber;
        if (overlong) {
            errorRow(line, out);
            ++refused;
            if (refused <= 10) {
                const QByteArray note = "qingyao-cli: charts: line " + QByteArray::number(lineNumber)
                        + " is longer than " + QByteArray::number(maxLineLength) + " bytes; answered with an error row\n";
                std::fwrite(note.constData(), 1, std::size_t(note.size()), stderr);
            }
        } else {
            answerLine(s, line, out);
        }
        line.clear();
        overlong = false;
        if (out.size() >= flushSize)
            writeOut(out);
    };
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        const char *p = buffer;
        const char *const end = buffer + n;
        while (p < end) {
            const char *newline = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)));
            const char *stop = newline ? newline : end;
            // Keep a line only up to the limit; the rest of it is skipped.
            const int room = maxLineLength + 1 - line.size();
            if (room > 0)
                line.append(p, int(std::min<std::ptrdiff_t>(room, stop - p)));
            if (line.size() > maxLineLength)
                overlong = true;
            p = stop;
            if (newline) {
                endOfLine();
                ++p;
            }
        }
    }
    if (!line.isEmpty() || overlong)
        endOfLine();
    writeOut(out);
    if (std::ferror(stdin))
        return Cli::usageError(QStringLiteral("charts: cannot read standard input"));
    return refused > 0 ? 1 : 0;
}

} // namespace

static const CliCommand chartsCommand{"charts", "batch charts, one line of standard input each", run};
