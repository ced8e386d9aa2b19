// Read-only vocabulary look-ups for the pages and the relation engine.
#include "EasyFunction.h"

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

// TODO(issue 5): read the sino-month boundaries from the generated term table.
QVariant EasyFunction::getBeginJDofSinoYM(int, int) { return 0.0; }
QVariant EasyFunction::getEndJDofSinoYM(int, int) { return 0.0; }
QVariant EasyFunction::getMiddleJDofSinoYM(int, int) { return 0.0; }
