// SPDX-License-Identifier: GPL-3.0-or-later
// The exact pillar search against brute force: every minute of sampled days
// is charted as `chart` charts it, the minutes are grouped into stretches of
// equal pillars, and the search must give the first minute of each stretch,
// under both day-change rules; whatever it gives must begin such a stretch.
#include "InSight.h"
#include "PillarSearch.h"

#include <QtTest>

#include <array>
#include <tuple>

namespace {

using Pillars = std::array<int, 4>;
const QDate kUntil(2026, 12, 31);

// The chart of one minute, through the same call the command line makes;
// nothing when the minute cannot be charted.
bool chartOf(InSight &s, const QDateTime &t, int switch11pm, Pillars &out)
{
    if (s.beginWithTime(0, 0, t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), 0,
                        0, switch11pm).toInt() != 0)
        return false;
    out = {s.yearChac(), s.monthChac(), s.dayChac(), s.hourChac()};
    return true;
}

QDateTime toDateTime(const PillarSearch::Moment &m)
{
    return QDateTime(QDate(m.year, m.month, m.day), QTime(m.hour, m.minute), Qt::UTC);
}

} // namespace

Q_DECLARE_METATYPE(Pillars)

class TestPillarSearch : public QObject
{
    Q_OBJECT
private slots:
    void everyStretchOfSampledDays_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("switch11pm");
        // Days cut by a Jie or 立春 during a double-hour, the first day of the
        // range, a day before the 子 hour of a new sino year, ordinary days.
        const QList<QPair<const char *, QDate>> days = {
            {"惊蛰 1992-03-05 15:52", QDate(1992, 3, 5)},
            {"立春 2024-02-04",       QDate(2024, 2, 4)},
            {"立春 1900-02-04",       QDate(1900, 2, 4)},
            {"first day 1800-01-01",  QDate(1800, 1, 1)},
            {"小寒 2000-01-06",       QDate(2000, 1, 6)},
            {"ordinary 2022-06-15",   QDate(2022, 6, 15)},
            {"ordinary 1955-10-23",   QDate(1955, 10, 23)},
        };
        for (const auto &d : days) {
            for (int rule : {1, 0})
                QTest::addRow("%s, switch11pm %d", d.first, rule) << d.second << rule;
        }
    }

    void everyStretchOfSampledDays()
    {
        QFETCH(QDate, day);
        QFETCH(int, switch11pm);
        InSight s;
        Pillars previous{-1, -1, -1, -1};
        QDateTime t(day, QTime(0, 0), Qt::UTC);
        if (!chartOf(s, t.addSecs(-60), switch11pm, previous))
            previous = {-1, -1, -1, -1};
        int stretches = 0;
        for (int minute = 0; minute < 24 * 60; ++minute, t = t.addSecs(60)) {
            Pillars now;
            QVERIFY(chartOf(s, t, switch11pm, now));
            if (now == previous)
                continue;
            previous = now;
            ++stretches;
            const QVector<PillarSearch::Moment> found =
                    PillarSearch::findMoments(now[0], now[1], now[2], now[3], switch11pm, kUntil);
            bool listed = false;
            for (int i = 0; i < found.size(); ++i) {
                const QDateTime start = toDateTime(found[i]);
                listed = listed || start == t;
                if (i > 0)
                    QVERIFY2(start < toDateTime(found[i - 1]), "newest first");
                // Each answer begins a stretch with these pillars.
                Pillars at, before;
                QVERIFY(chartOf(s, start, switch11pm, at));
                QVERIFY2(at == now, qPrintable(start.toString(Qt::ISODate)));
                QVERIFY2(!chartOf(s, start.addSecs(-60), switch11pm, before) || before != now,
                         qPrintable(start.toString(Qt::ISODate)));
            }
            QVERIFY2(listed, qPrintable(QStringLiteral("%1 with %2 %3 %4 %5 not found")
                                                .arg(t.toString(Qt::ISODate)).arg(now[0]).arg(now[1]).arg(now[2]).arg(now[3])));
        }
        // A day has its twelve double-hours and whatever cuts them.
        QVERIFY(stretches >= 12);
    }

    // Pillars that no minute has: a stem that does not belong to the day, a
    // month stem that does not belong to the year, an index outside the cycle.
    void impossiblePillarsFindNothing_data()
    {
        QTest::addColumn<Pillars>("pillars");
        QTest::newRow("hour stem of another day")   << Pillars{8, 49, 32, 55};
        QTest::newRow("month stem of another year") << Pillars{1, 2, 10, 0};
        QTest::newRow("pillar 60")                  << Pillars{0, 2, 0, 60};
        QTest::newRow("pillar -1")                  << Pillars{-1, 2, 0, 0};
    }
    void impossiblePillarsFindNothing()
    {
        QFETCH(Pillars, pillars);
        for (int rule : {0, 1})
            QVERIFY(PillarSearch::findMoments(pillars[0], pillars[1], pillars[2], pillars[3], rule, kUntil).isEmpty());
    }
};


QTEST_GUILESS_MAIN(TestPillarSearch)
#include "tst_pillar_search.moc"
