// SPDX-License-Identifier: GPL-3.0-or-later
#include "GetShenShaRelations.h"

#include "ShenShaRules.h"
#include "Vocabulary.h"

#include <QCoreApplication>
#include <QDebug>

#include <array>

using namespace Vocabulary;

QStringList GetShenShaRelations::*const GetShenShaRelations::zhuMembers[columnCount] = {
    &GetShenShaRelations::m_zhu0, &GetShenShaRelations::m_zhu1, &GetShenShaRelations::m_zhu2,
    &GetShenShaRelations::m_zhu3, &GetShenShaRelations::m_zhu4, &GetShenShaRelations::m_zhu5,
    &GetShenShaRelations::m_zhu6, &GetShenShaRelations::m_zhu7, &GetShenShaRelations::m_zhu8,
    &GetShenShaRelations::m_zhu9};
QStringList GetShenShaRelations::*const GetShenShaRelations::basicMembers[columnCount] = {
    &GetShenShaRelations::m_zhu0_basic, &GetShenShaRelations::m_zhu1_basic, &GetShenShaRelations::m_zhu2_basic,
    &GetShenShaRelations::m_zhu3_basic, &GetShenShaRelations::m_zhu4_basic, &GetShenShaRelations::m_zhu5_basic,
    &GetShenShaRelations::m_zhu6_basic, &GetShenShaRelations::m_zhu7_basic, &GetShenShaRelations::m_zhu8_basic,
    &GetShenShaRelations::m_zhu9_basic};
const GetShenShaRelations::Signal GetShenShaRelations::zhuSignals[columnCount] = {
    &GetShenShaRelations::zhu0Changed, &GetShenShaRelations::zhu1Changed, &GetShenShaRelations::zhu2Changed,
    &GetShenShaRelations::zhu3Changed, &GetShenShaRelations::zhu4Changed, &GetShenShaRelations::zhu5Changed,
    &GetShenShaRelations::zhu6Changed, &GetShenShaRelations::zhu7Changed, &GetShenShaRelations::zhu8Changed,
    &GetShenShaRelations::zhu9Changed};
const GetShenShaRelations::Signal GetShenShaRelations::basicSignals[columnCount] = {
    &GetShenShaRelations::zhu0_basicChanged, &GetShenShaRelations::zhu1_basicChanged,
    &GetShenShaRelations::zhu2_basicChanged, &GetShenShaRelations::zhu3_basicChanged,
    &GetShenShaRelations::zhu4_basicChanged, &GetShenShaRelations::zhu5_basicChanged,
    &GetShenShaRelations::zhu6_basicChanged, &GetShenShaRelations::zhu7_basicChanged,
    &GetShenShaRelations::zhu8_basicChanged, &GetShenShaRelations::zhu9_basicChanged};

namespace {

bool argumentsValid(const std::array<int, GetShenShaRelations::columnCount> &args)
{
    for (int column = 0; column < GetShenShaRelations::columnCount; ++column) {
        const int lowest = column < 4 ? 0 : -1; // the four natal pillars are always present
        if (args[column] < lowest || args[column] > 59)
            return false;
    }
    return true;
}

// "code|hit|ref..." in decimal. Written by hand: this runs some eighty times
// per call and printf-style formatting was most of the call's cost.
QString relationString(const ShenShaRules::Entry &entry)
{
    QChar buffer[5 * 5]; // five values of at most "-" and three digits, four bars
    int length = 0;
    for (int i = 0; i < entry.size; ++i) {
        if (i > 0)
            buffer[length++] = QLatin1Char('|');
        int value = entry.values[i];
        if (value < 0) {
            buffer[length++] = QLatin1Char('-');
            value = -value;
        }
        char digits[3];
        int count = 0;
        do {
            digits[count++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0 && count < 3);
        while (count > 0)
            buffer[length++] = QLatin1Char(digits[--count]);
    }
    return QString(buffer, length);
}

// The vocabulary of the basic rows as Qt strings, decoded once and shared by
// every row (the rows are rebuilt on each call).
struct BasicTexts {
    QString gan[stemCount];
    QString zhi[branchCount];
    QString nayin[cycleCount / 2];
    QString tenGod[stemCount][stemCount];           // [day stem][stem], full names
    QString hiddenTenGods[stemCount][branchCount]; // [day stem][branch], one character each

    BasicTexts()
    {
        for (int s = 0; s < stemCount; ++s)
            gan[s] = qs(ganNames[s]);
        for (int z = 0; z < branchCount; ++z)
            zhi[z] = qs(zhiNames[z]);
        for (int n = 0; n < cycleCount / 2; ++n)
            nayin[n] = qs(nayinNames[n]);
        for (int d = 0; d < stemCount; ++d) {
            for (int s = 0; s < stemCount; ++s)
                tenGod[d][s] = qs(shen10Full(d, s).name);
            for (int z = 0; z < branchCount; ++z)
                hiddenTenGods[d][z] = hiddenShen10Short(d, z);
        }
    }
};

const BasicTexts &basicTexts()
{
    static const BasicTexts texts;
    return texts;
}

} // namespace

GetShenShaRelations::GetShenShaRelations(QObject *parent)
    : QObject(parent)
{
}

const QStringList &GetShenShaRelations::zhu(int column) const
{
    static const QStringList none;
    return (column >= 0 && column < columnCount) ? this->*zhuMembers[column] : none;
}

const QStringList &GetShenShaRelations::basic(int column) const
{
    static const QStringList none;
    return (column >= 0 && column < columnCount) ? this->*basicMembers[column] : none;
}

QVariant GetShenShaRelations::updateShenShaRel(int n0, int n1, int n2, int n3, int n4, int n5, int ymon6,
                                               int ydmn7, int gong8, int yuan9)
{
    const std::array<int, columnCount> args = {n0, n1, n2, n3, n4, n5, ymon6, ydmn7, gong8, yuan9};
    if (!argumentsValid(args))
        return -1;

    updateBasicRows(n0, n1, n2, n3, n4, n5, ymon6, ydmn7, gong8, yuan9);
    qWarning() << "n6,n7:" << ymon6 << "," << ydmn7;

    ShenShaRules::Chart chart;
    for (int column = 0; column < columnCount; ++column) {
        if (args[column] >= 0)
            chart.add(column, args[column]);
    }
    ShenShaRules::EntryList entries;
    entries.reserve(256); // a full ten-column chart gives a hundred or more
    ShenShaRules::run(chart, entries);

    // Each column keeps the first string of each code, in the order found.
    std::array<std::array<bool, ShenShaRules::codeLimit>, columnCount> seen{};
    for (int column = 0; column < columnCount; ++column) {
        QStringList &strings = this->*zhuMembers[column];
        strings.clear();
        strings.reserve(16);
    }
    for (const ShenShaRules::Entry &entry : entries) {
        if (entry.size < 3)
            continue;
        const int code = entry.values[0];
        const int column = entry.values[1] % 20;
        if (seen[column][code])
            continue;
        seen[column][code] = true;
        (this->*zhuMembers[column]).append(relationString(entry));
    }

    m_lastEntries = std::move(entries);

    m_tagForChangedCnt = (m_tagForChangedCnt + 1) % 100;
    for (Signal signal : zhuSignals)
        emit(this->*signal)();
    emit tagForChangedCntChanged();
    return 0;
}

QStringList GetShenShaRelations::layerRelations() const
{
    constexpr int firstJoiningCode = 80; // codes below name stars of one pillar
    constexpr int firstLayer = 4; // luck pillar; 5..7 the flow year, month and day
    constexpr int lastLayer = 7;
    const auto isLayer = [](int column) { return column >= firstLayer && column <= lastLayer; };
    QStringList out;
    for (const ShenShaRules::Entry &entry : m_lastEntries) {
        if (entry.size < 3 || entry.values[0] < firstJoiningCode)
            continue;
        const int hit = entry.values[1] % 20;
        if (hit > lastLayer)
            continue;
        bool joinsLayer = isLayer(hit);
        bool hasPartner = false;
        for (int i = 2; i < entry.size; ++i) {
            if (entry.values[i] < 0)
                continue;
            hasPartner = true;
            joinsLayer = joinsLayer || isLayer(entry.values[i] % 20);
        }
        if (!joinsLayer || !hasPartner)
            continue;
        const QString text = relationString(entry);
        if (!out.contains(text))
            out << text;
    }
    return out;
}

void GetShenShaRelations::updateBasicRows(int n0, int n1, int n2, int n3, int n4, int n5, int ymon6, int ydmn7,
                                          int gong8, int yuan9)
{
    const std::array<int, columnCount> args = {n0, n1, n2, n3, n4, n5, ymon6, ydmn7, gong8, yuan9};
    if (!argumentsValid(args))
        return;

    static const char *const labels[columnCount] = {
        QT_TR_NOOP("年"),        QT_TR_NOOP("月"),        QT_TR_NOOP("日"),        QT_TR_NOOP("时"),
        QT_TR_NOOP("大<br>运"), QT_TR_NOOP("流<br>年"), QT_TR_NOOP("流<br>月"), QT_TR_NOOP("流<br>日"),
        QT_TR_NOOP("命<br>宫"), QT_TR_NOOP("胎<br>元")};
    const QString space = QStringLiteral(" ");
    const BasicTexts &texts = basicTexts();
    const int dayStem = stemOf(n2);

    for (int column = 0; column < columnCount; ++column) {
        const int chac = args[column];
        if (chac < 0)
            continue; // absent columns keep the rows of an earlier call
        // Life palace and conception pillar show their branch only.
        const bool branchOnly = column >= 8;
        QStringList &rows = this->*basicMembers[column];
        rows.clear();
        rows.reserve(4);
        rows << tr(labels[column]) + QLatin1Char('|') + (branchOnly ? space : texts.gan[stemOf(chac)])
                    + QLatin1Char('|') + texts.zhi[branchOf(chac)] + QLatin1Char('|') + QChar(u'0' + column);
        if (column == 2)
            rows << tr("日干");
        else
            rows << (branchOnly ? space : texts.tenGod[dayStem][stemOf(chac)]);
        rows << texts.hiddenTenGods[dayStem][branchOf(chac)];
        rows << (branchOnly ? space : texts.nayin[chac / 2]);
    }

    for (Signal signal : basicSignals)
        emit(this->*signal)();
}

QString GetShenShaRelations::starName(int code)
{
    const char *name = ShenShaRules::starName(code);
    return name ? QString::fromUtf8(name) : QString();
}
