// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only vocabulary look-ups, and the sino-month boundaries from the term table.
#include "EasyFunction.h"

#include "CalendarTables.h"
#include "ScriptConverter.h"
#include "TimePoints.h"
#include "Vocabulary.h"

#include <QStringList>

using namespace Vocabulary;

QVariant EasyFunction::getGanStr(int idx)
{
    // No modulo here: anything out of range reads as 甲.
    return qs(ganNames[(idx >= 0 && idx <= 9) ? idx : 0]);
}

QVariant EasyFunction::getBigPlaceNameStrList()
{
    QStringList names;
    names.reserve(int(bigPlaceNames.size()));
    for (Text name : bigPlaceNames)
        names << qs(name);
    return names;
}

QVariant EasyFunction::getZhiStr(int idx)
{
    return qs(zhiNames[(idx >= 0 && idx <= 11) ? idx : 0]);
}

QVariant EasyFunction::getShen10Str(int riGan, int g)
{
    return qs(shen10Short(riGan, g).name);
}

QVariant EasyFunction::getShen10fullStr(int riGan, int g)
{
    return qs(shen10Full(riGan, g).name);
}

QVariant EasyFunction::getZhiCangGanStr(int zhi)
{
    return qs(zhiCangGanTable[normBranch(zhi)].stems);
}

QVariant EasyFunction::getZhiCangGanSeq(int zhi)
{
    return qs(zhiCangGanTable[normBranch(zhi)].digits);
}

QVariant EasyFunction::getZhiCangGanShen10Str(int riGan, int zhi)
{
    return hiddenShen10Short(riGan, zhi);
}

QVariant EasyFunction::getZhiCangGanShen10fullStr(int riGan, int zhi)
{
    return hiddenShen10Full(riGan, zhi);
}

QVariant EasyFunction::getYun12Str(int riGan, int zhi)
{
    return qs(yun12Names[yun12Code(riGan, zhi)]);
}

QString EasyFunction::convertScript(const QString &text, int language)
{
    return ScriptConverter::toScript(text, language);
}

QString EasyFunction::searchKey(const QString &text)
{
    return ScriptConverter::fold(text);
}

namespace {

// Sino months open at a Jie term (even positions, 0 = 立春) and have their
// middle Qi term at the odd position after it. Years 1800..2200 only; 1799
// is in the table solely as the year before the first supported one, 2201
// for the 立春 that ends 2200.
constexpr int firstSinoYear = 1800;
constexpr int lastSinoYear = TimePoints::lastCalendarYear;
// The end of 2099's month 12 (2100-02-04 13:59:52) is kept as the program has
// always given it, not the table's 2100 立春.
constexpr double endOf2099 = 2488104.0832805;

bool sinoMonthInRange(int y, int m)
{
    return y >= firstSinoYear && y <= lastSinoYear && m >= 1 && m <= 12;
}

double term(int y, int position)
{
    return CalendarTables::solarTerms[y - CalendarTables::firstYear][position];
}

static_assert(lastSinoYear + 1 - CalendarTables::firstYear < CalendarTables::rowCount,
              "the 立春 after the last sino year is in the table");

} // namespace

QVariant EasyFunction::getBeginJDofSinoYM(int y, int m)
{
    if (!sinoMonthInRange(y, m))
        return 0.0;
    return term(y, 2 * (m - 1));
}

QVariant EasyFunction::getEndJDofSinoYM(int y, int m)
{
    if (!sinoMonthInRange(y, m))
        return 0.0;
    if (m < 12)
        return term(y, 2 * m);
    if (y == 2099)
        return endOf2099;
    return term(y + 1, 0);
}

QVariant EasyFunction::getMiddleJDofSinoYM(int y, int m)
{
    if (!sinoMonthInRange(y, m))
        return 0.0;
    return term(y, 2 * (m - 1) + 1);
}
