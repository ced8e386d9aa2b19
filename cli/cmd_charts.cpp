#include "ChartInput.h"
#include "Command.h"

#include "ChartCalculation.h"
#include "InSight.h"

#include <algorithm>
#include <cstdio>

namespace {

const char header[] = "datetime\tgender\tyearChac\tmonthChac\tdayChac\thourChac\tclockwise\tageOfBegin\t"
                      "jd_dateBeginDY\tdayunJiaZiofBegin\tytgChengCnt\tisPassMiddleTerm\tthisLunarDateStrInt\n";
constexpr int columnCount = 13;

QByteArray readAll(FILE *stream)
{
    QByteArray data;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        data.append(buffer, int(n));
    return data;
}

bool parseSmallInt(const QByteArray &field, int &value)
{
    bool ok = false;
    value = field.trimmed().toInt(&ok);
    return ok;
}

// One input line to one output row; false when the line cannot be charted.
bool chartLine(InSight &s, const QByteArray &line, QByteArray &out)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() < 2 || fields.size() > 7)
        return false;
    int moment[5];
    const QByteArray when = fields[0].trimmed();
    if (!parseDateTime(when.constData(), when.size(), moment))
        return false;
    int gender = 0, switch11pm = 1;
    double zty = 0;
    if (!parseSmallInt(fields[1], gender) || (gender != 0 && gender != 1))
        return false;
    if (fields.size() > 2 && !parseSmallInt(fields[2], switch11pm))
        return false;
    if (fields.size() > 3 && !fields[3].trimmed().isEmpty()) {
        bool ok = false;
        zty = fields[3].trimmed().toDouble(&ok);
        if (!ok)
            return false;
    }
    // Optional tz, lng and time columns chart the line through the birth
    // instant, as chart --tz --lng --time does (the zty column stays empty).
    bool place = false;
    ChartCalculation::Input in;
    if (fields.size() > 4 && !fields[4].trimmed().isEmpty()) {
        in.zone = fields[4].trimmed();
        place = true;
    }
    if (fields.size() > 5 && !fields[5].trimmed().isEmpty()) {
        bool ok = false;
        in.longitude = fields[5].trimmed().toDouble(&ok);
        if (!ok || in.longitude < -180 || in.longitude > 180)
            return false;
        place = true;
    }
    if (fields.size() > 6 && !fields[6].trimmed().isEmpty()) {
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
    } else if (s.beginWithTime(gender, 0, moment[0], moment[1], moment[2], moment[3], moment[4], 0, zty, switch11pm)
                   .toInt()
               != 0) {
        return false;
    }
    out += when;
    for (int v : {gender, s.yearChac(), s.monthChac(), s.dayChac(), s.hourChac(), s.clockwise()})
        out += '\t' + QByteArray::number(v);
    out += '\t' + ageText(s.ageOfBegin()) + '\t' + jdText(s.jd_dateBeginDY());
    for (int v : {s.dayunJiaZiofBegin(), s.ytgChengCnt(), s.isPassMiddleTerm()})
        out += '\t' + QByteArray::number(v);
    out += '\t' + s.thisLunarDateStrInt().toUtf8() + '\n';
    return true;
}

int run(const QStringList &args)
{
    if (!args.isEmpty())
        return cliUsageError(QStringLiteral("charts takes no arguments; it reads lines "
                                            "\"datetime<TAB>gender[<TAB>switch11pm[<TAB>zty[<TAB>tz<TAB>lng<TAB>time]]]\""
                                            " from standard input"));
    const QByteArray input = readAll(stdin);
    QByteArray out(header);
    out.reserve(input.size() * 3 + 128);
    InSight s;
    int start = 0;
    while (start < input.size()) {
        int end = input.indexOf('\n', start);
        if (end < 0)
            end = input.size();
        QByteArray line = input.mid(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith("datetime\t"))
            continue;
        if (!chartLine(s, line, out)) {
            // The row keeps the column count; the run goes on.
            out += line.split('\t').value(0).trimmed() + "\terror" + QByteArray(columnCount - 2, '\t') + '\n';
        }
        if (out.size() > (1 << 20)) {
            std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
            out.clear();
        }
    }
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return 0;
}

} // namespace

static const CliCommand chartsCommand{
    "charts", "charts < lines",
    "batch charts: reads \"YYYY-MM-DD HH:MM<TAB>gender[<TAB>switch11pm[<TAB>zty[<TAB>tz<TAB>lng<TAB>time]]]\" lines"
    " (tz, lng, time as for chart; empty for the default), writes one row each", run};
