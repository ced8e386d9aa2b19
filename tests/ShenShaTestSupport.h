// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the relation-engine tests: charts are written as pillar names
// ("甲子 丙寅 戊辰 庚申 - 癸亥"), "-" for an absent column.

#include "AppContext.h"
#include "GetShenShaRelations.h"

#include <QStringList>
#include <QVector>
#include <QtTest>

namespace ShenShaTest {

// Sixty-cycle index of a stem-branch pair, from the index rule (k = stem mod 10,
// k = branch mod 12); -1 for "-" or a pair that has none.
inline int chac(const QString &name)
{
    static const QString stems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
    static const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    if (name.size() != 2)
        return -1;
    const int s = stems.indexOf(name.at(0));
    const int z = branches.indexOf(name.at(1));
    if (s < 0 || z < 0)
        return -1;
    for (int k = 0; k < 60; ++k) {
        if (k % 10 == s && k % 12 == z)
            return k;
    }
    return -1;
}

inline QVector<int> pillars(const QString &text)
{
    QVector<int> out;
    for (const QString &name : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << (name == QLatin1String("-") ? -1 : chac(name));
    return out;
}

// Calls updateShenShaRel with the given arguments, -1 for the missing ones.
inline int compute(GetShenShaRelations &relations, QVector<int> args)
{
    while (args.size() < 10)
        args << -1;
    return relations
        .updateShenShaRel(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8], args[9])
        .toInt();
}

// Strings of a column that carry the given relation code.
inline QStringList withCode(const QStringList &strings, int code)
{
    QStringList out;
    const QString prefix = QString::number(code) + QLatin1Char('|');
    for (const QString &s : strings) {
        if (s.startsWith(prefix))
            out << s;
    }
    return out;
}

// Every column's relation strings and basic rows, for comparing whole states.
inline QStringList snapshot(const GetShenShaRelations &relations)
{
    QStringList out;
    for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
        out << relations.zhu(column).join(QLatin1Char(';')) + QLatin1Char('#') + relations.basic(column).join(QLatin1Char(';'));
    return out;
}

// The chart's column lists the expected string.
inline void verifyFound(const QString &chart, int column, const QString &expected)
{
    GetShenShaRelations relations;
    QCOMPARE(compute(relations, pillars(chart)), 0);
    QVERIFY2(relations.zhu(column).contains(expected), qPrintable(relations.zhu(column).join(QLatin1Char(' '))));
}

// No column of the chart lists the code.
inline void verifyAbsent(const QString &chart, int code)
{
    GetShenShaRelations relations;
    QCOMPARE(compute(relations, pillars(chart)), 0);
    for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
        QVERIFY2(withCode(relations.zhu(column), code).isEmpty(), qPrintable(relations.zhu(column).join(QLatin1Char(' '))));
}

// The engine logs on every call; keep the test output readable while log saving is off.
inline void quietLog()
{
    qInstallMessageHandler(AppLog::messageHandler);
    AppLog::setSaving(0);
}

} // namespace ShenShaTest
