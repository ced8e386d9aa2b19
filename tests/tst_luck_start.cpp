// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTables.h"
#include "InSight.h"

#include <QtTest>

#include <algorithm>
#include <vector>

// Every luck-start rule against a recount of its own: whole seconds from the
// term table, civil dates by day-number arithmetic, no engine function.
class TestLuckStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRuleMatchesARecount_data();
    void everyRuleMatchesARecount();
    void ruleNamesRoundTrip();
    void chosenRuleFeedsTheBeginProperties();

private:
    std::vector<long long> jieSeconds; // every Jie of the table, in order
};

namespace {

constexpr long long day = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date and back (H. Hinnant).
long long daysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    long long y;
    int m, d;
};

Civil civilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = int(doy - (153 * mp + 2) / 5 + 1);
    const int m = int(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

bool leapYear(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int monthDays(long long y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : days[m - 1];
}

// Seconds since 1970-01-01 00:00 Beijing time; the table's JDs count days from noon.
constexpr long long unixJd = 2440588; // noon JD of 1970-01-01
long double exactSeconds(double jd) { return (static_cast<long double>(jd) - unixJd) * day + day / 2; }
long long secondsOfJd(double jd) { return std::llround(exactSeconds(jd)); }

QString text(long long s)
{
    const long long days = s >= 0 ? s / day : -((-s + day - 1) / day);
    const long long t = s - days * day;
    const Civil c = civilFromDays(days);
    return QString::asprintf("%04lld-%02d-%02dT%02lld:%02lld:%02lld", c.y, c.m, c.d, t / 3600, t / 60 % 60, t % 60);
}

// Years, then months (clamped to the month's end), then days, then hours.
long long addByCalendar(long long birth, int years, int months, int days, int hours)
{
    const long long dayIndex = birth >= 0 ? birth / day : -((-birth + day - 1) / day);
    const long long clock = birth - dayIndex * day;
    Civil c = civilFromDays(dayIndex);
    c.y += years;
    c.d = std::min(c.d, monthDays(c.y, c.m));
    const int monthIndex = c.m - 1 + months;
    c.y += monthIndex / 12;
    c.m = monthIndex % 12 + 1;
    c.d = std::min(c.d, monthDays(c.y, c.m));
    return (daysFromCivil(c.y, c.m, c.d) + days) * day + clock + hours * 3600LL;
}

// Double-hours counted by civil day; 23:xx stays in the day's 亥.
long long doubleHours(long long s)
{
    const long long dayIndex = s >= 0 ? s / day : -((-s + day - 1) / day);
    const int hour = int((s - dayIndex * day) / 3600);
    return dayIndex * 12 + (hour == 23 ? 11 : (hour + 1) / 2);
}

struct Expected {
    int y, m, d, h;
    long long start;
};

} // namespace

void TestLuckStart::initTestCase()
{
    for (int r = 0; r < CalendarTables::rowCount; ++r)
        for (int p = 0; p < 24; p += 2)
            jieSeconds.push_back(secondsOfJd(CalendarTables::solarTerms[r][p]));
    QVERIFY(std::is_sorted(jieSeconds.begin(), jieSeconds.end()));
}

void TestLuckStart::everyRuleMatchesARecount_data()
{
    QTest::addColumn<QString>("rule");
    for (const char *rule : {"described", "plain-seconds", "minutes-4320", "days-and-hours", "minutes-2h"})
        QTest::newRow(rule) << QString::fromLatin1(rule);
}

void TestLuckStart::everyRuleMatchesARecount()
{
    QFETCH(QString, rule);
    QRandomGenerator random(18);
    InSight engine;
    QVERIFY(engine.setLuckRuleName(rule));
    const long long firstDay = daysFromCivil(1800, 1, 1);
    const long long lastDay = daysFromCivil(2099, 12, 31);
    for (int i = 0; i < 2000; ++i) {
        const long long dayIndex = firstDay + random.bounded(int(lastDay - firstDay + 1));
        const Civil c = civilFromDays(dayIndex);
        const int hour = random.bounded(24);
        const int minute = random.bounded(60);
        const int gender = random.bounded(2);
        QCOMPARE(engine.beginWithTime(gender, 0, int(c.y), c.m, c.d, hour, minute).toInt(), 0);

        const long long birth = dayIndex * day + hour * 3600 + minute * 60 + 30; // the minute's middle
        const auto after = std::upper_bound(jieSeconds.begin(), jieSeconds.end(), birth);
        QVERIFY(after != jieSeconds.begin() && after != jieSeconds.end());
        const long long jieAfter = *after;
        const long long jieBefore = *(after - 1);
        // The sino year begins at 立春, every twelfth Jie of the table (row 0 is 1799).
        const long long sinoYear = 1799 + (after - 1 - jieSeconds.begin()) / 12;
        const bool forward = (sinoYear % 2 == 0) == (gender == 0);
        const long long delta = forward ? jieAfter - birth : birth - jieBefore;

        Expected e{};
        if (rule == QLatin1String("described")) {
            // age = delta / 3 days scaled to a 30-day month = 10 delta / month, in years of 365.25 days;
            // the Jie to the table's microday, not to the second: the scale is about 120 s per second.
            const int row = int(sinoYear - 1799);
            const int position = int((after - 1 - jieSeconds.begin()) % 12) * 2;
            const long double before = exactSeconds(CalendarTables::solarTerms[row][position]);
            const long double next = position == 22 ? exactSeconds(CalendarTables::solarTerms[row + 1][0])
                                                    : exactSeconds(CalendarTables::solarTerms[row][position + 2]);
            const long double exactDelta = forward ? next - birth : birth - before;
            const long double years = 10.0L * exactDelta / (next - before);
            e.start = birth + std::llround(years * 365.25L * day);
        } else {
            if (rule == QLatin1String("plain-seconds")) {
                e = {int(delta / 259200), int(delta % 259200 / 21600), int(delta % 21600 / 720), int(delta % 720 / 30), 0};
            } else if (rule == QLatin1String("days-and-hours")) {
                const long long n = forward ? doubleHours(jieAfter) - doubleHours(birth)
                                            : doubleHours(birth) - doubleHours(jieBefore);
                const long long days = n / 12;
                e = {int(days / 3), int(days % 3 * 4 + n % 12 / 3), int(n % 12 % 3 * 10), 0, 0};
            } else {
                const long long minutes = delta / 60;
                e = {int(minutes / 4320), int(minutes % 4320 / 360), int(minutes % 360 / 12),
                     rule == QLatin1String("minutes-2h") ? int(minutes % 12 * 2) : 0, 0};
            }
            e.start = addByCalendar(birth, e.y, e.m, e.d, e.h);
        }

        const QVariantList all = engine.luckStarts().toList();
        const auto found = std::find_if(all.begin(), all.end(), [&](const QVariant &v) {
            return v.toMap().value(QStringLiteral("rule")).toString() == rule;
        });
        QVERIFY(found != all.end());
        const QVariantMap got = found->toMap();
        const QString where = QStringLiteral("%1 %2:%3 gender %4").arg(text(dayIndex * day).left(10)).arg(hour).arg(minute).arg(gender);
        if (rule == QLatin1String("described")) {
            // The engine works in JD doubles: within a second of the recount.
            const QDateTime start = QDateTime::fromString(got.value(QStringLiteral("start")).toString(), Qt::ISODate);
            const QDateTime want = QDateTime::fromString(text(e.start), Qt::ISODate);
            QVERIFY2(std::llabs(start.secsTo(want)) <= 1, qPrintable(where + QLatin1Char(' ') + start.toString(Qt::ISODate)
                                                                      + QStringLiteral(" vs ") + text(e.start)));
            continue;
        }
        const QString age = QStringLiteral("%1 %2 %3 %4").arg(got.value(QStringLiteral("ageYears")).toInt())
                                .arg(got.value(QStringLiteral("ageMonths")).toInt())
                                .arg(got.value(QStringLiteral("ageDays")).toInt())
                                .arg(got.value(QStringLiteral("ageHours")).toInt());
        QCOMPARE(where + QLatin1Char(' ') + age, where + QStringLiteral(" %1 %2 %3 %4").arg(e.y).arg(e.m).arg(e.d).arg(e.h));
        QCOMPARE(where + QLatin1Char(' ') + got.value(QStringLiteral("start")).toString(), where + QLatin1Char(' ') + text(e.start));
    }
}

void TestLuckStart::ruleNamesRoundTrip()
{
    InSight engine;
    for (LuckRule rule : LuckStart::allRules) {
        QVERIFY(engine.setLuckRuleName(LuckStart::ruleName(rule)));
        QCOMPARE(engine.luckRuleName(), LuckStart::ruleName(rule));
    }
    QVERIFY(!engine.setLuckRuleName(QStringLiteral("minutes-4321")));
    QVERIFY(!engine.setLuckDirectionName(QString()));
}

// The begin properties follow the chosen rule; the default stays the described one.
void TestLuckStart::chosenRuleFeedsTheBeginProperties()
{
    InSight engine;
    QCOMPARE(engine.beginWithTime(0, 0, 1990, 6, 15, 8, 20).toInt(), 0);
    const double described = engine.jd_dateBeginDY();
    for (const QVariant &v : engine.luckStarts().toList()) {
        const QVariantMap m = v.toMap();
        QVERIFY(engine.setLuckRuleName(m.value(QStringLiteral("rule")).toString()));
        QCOMPARE(engine.jd_dateBeginDY(), m.value(QStringLiteral("jd")).toDouble());
        QCOMPARE(QString::asprintf("%04d-%02d-%02d", engine.solarYearOfBegin(), engine.solarMonthOfBegin(),
                                   engine.solarDayOfBegin()),
                 m.value(QStringLiteral("start")).toString().left(10));
    }
    QVERIFY(engine.setLuckRuleName(QStringLiteral("described")));
    QCOMPARE(engine.jd_dateBeginDY(), described);
    // 男顺女逆: a woman runs backward whatever her year stem.
    QVERIFY(engine.setLuckDirectionName(QStringLiteral("male-forward")));
    QCOMPARE(engine.beginWithTime(1, 0, 1990, 6, 15, 8, 20).toInt(), 0);
    QCOMPARE(engine.clockwise(), -1);
}

QTEST_GUILESS_MAIN(TestLuckStart)
#include "tst_luck_start.moc"
