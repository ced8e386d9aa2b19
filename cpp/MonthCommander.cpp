// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthCommander.h"

#include "MonthCommanderTable.h"
#include "Vocabulary.h"

#include <QStringList>

#include <cmath>

namespace MonthCommander {
namespace {

const char *const elementOfStem[10] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};

QString dayWord(int n)
{
    static const char *const digits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    const QString tens = n >= 20 ? QString::fromUtf8(digits[n / 10]) + QStringLiteral("十")
                                 : n >= 10 ? QStringLiteral("十") : QString();
    return tens + QString::fromUtf8(digits[n % 10]);
}

QString stemWord(int stem)
{
    return Vocabulary::qs(Vocabulary::ganNames[stem]) + QString::fromUtf8(elementOfStem[stem]);
}

} // namespace

int schoolIndex(int school)
{
    return school >= 0 && school < MonthCommanderTable::schoolCount ? school : 0;
}

QString schoolName(int school)
{
    return QString::fromUtf8(MonthCommanderTable::schoolNames[schoolIndex(school)]);
}

int commandingStem(int school, int branch, double daysSinceJie)
{
    if (branch < 0 || branch > 11 || !(daysSinceJie >= 0))
        return -1;
    const MonthCommanderTable::Month &month = MonthCommanderTable::months[schoolIndex(school)][branch];
    int end = 0;
    for (int i = 0; i < month.count; ++i) {
        end += month.splits[i].days;
        if (daysSinceJie < end)
            return month.splits[i].stem;
    }
    return month.splits[month.count - 1].stem;
}

QString text(int school, int branch, double daysSinceJie)
{
    const int stem = commandingStem(school, branch, daysSinceJie);
    if (stem < 0)
        return QString();
    const MonthCommanderTable::Month &month = MonthCommanderTable::months[schoolIndex(school)][branch];
    QStringList splits;
    for (int i = 0; i < month.count; ++i)
        splits << stemWord(month.splits[i].stem) + dayWord(month.splits[i].days) + QStringLiteral("日");
    return QStringLiteral("月令当令（") + schoolName(school) + QStringLiteral("）：")
        + Vocabulary::qs(Vocabulary::zhiNames[branch]) + QStringLiteral("月 ") + splits.join(QStringLiteral("、"))
        + QStringLiteral("。生于节后第") + QString::number(int(std::floor(daysSinceJie)) + 1) + QStringLiteral("天，")
        + stemWord(stem) + QStringLiteral("司令。");
}

} // namespace MonthCommander
