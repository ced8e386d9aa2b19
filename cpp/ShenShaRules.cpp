// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShenShaRules.h"

#include <QDebug>

#include <initializer_list>

namespace ShenShaRules {
namespace {

// Branch indices, for readable tables.
enum Branch { Zi, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai, NoBranch = -1 };

constexpr int dayStemPos = 2;
constexpr int yearBranchPos = 20;
constexpr int monthBranchPos = 21;
constexpr int dayBranchPos = 22;
constexpr int hourStemPos = 3;
constexpr int firstExcludedPillarPos = 68; // life palace and conception pillar
constexpr int noRef = -1;

// Day-stem stars (codes 0-8): rows (code, day stem, branch) in running order.
// 天乙 lists every stem's first branch before the second ones; 太极 goes stem by
// stem; the others by stem. 羊刃 exists for yang stems only.
struct DayStemRow {
    int code;
    int stem;
    int branch;
};
constexpr DayStemRow dayStemTable[] = {
    // 0 天乙
    {0, 0, Chou}, {0, 1, Zi}, {0, 2, You}, {0, 3, You}, {0, 4, Chou},
    {0, 5, Zi}, {0, 6, Chou}, {0, 7, Yin}, {0, 8, Mao}, {0, 9, Mao},
    {0, 0, Wei}, {0, 1, Shen}, {0, 2, Hai}, {0, 3, Hai}, {0, 4, Wei},
    {0, 5, Shen}, {0, 6, Wei}, {0, 7, Wu}, {0, 8, Si}, {0, 9, Si},
    // 1 太极
    {1, 0, Zi}, {1, 0, Wu}, {1, 1, Zi}, {1, 1, Wu}, {1, 2, Mao}, {1, 2, You}, {1, 3, Mao}, {1, 3, You},
    {1, 4, Chen}, {1, 4, Xu}, {1, 4, Chou}, {1, 4, Wei}, {1, 5, Chen}, {1, 5, Xu}, {1, 5, Chou}, {1, 5, Wei},
    {1, 6, Yin}, {1, 6, Hai}, {1, 7, Yin}, {1, 7, Hai}, {1, 8, Si}, {1, 8, Shen}, {1, 9, Si}, {1, 9, Shen},
    // 2 文昌
    {2, 0, Si}, {2, 1, Wu}, {2, 2, Shen}, {2, 3, You}, {2, 4, Shen},
    {2, 5, You}, {2, 6, Hai}, {2, 7, Zi}, {2, 8, Yin}, {2, 9, Mao},
    // 3 学堂
    {3, 0, Hai}, {3, 1, Wu}, {3, 2, Yin}, {3, 3, You}, {3, 4, Yin},
    {3, 5, You}, {3, 6, Si}, {3, 7, Zi}, {3, 8, Shen}, {3, 9, Mao},
    // 4 金舆
    {4, 0, Chen}, {4, 1, Si}, {4, 2, Wei}, {4, 3, Shen}, {4, 4, Wei},
    {4, 5, Shen}, {4, 6, Xu}, {4, 7, Hai}, {4, 8, Chou}, {4, 9, Yin},
    // 5 日禄
    {5, 0, Yin}, {5, 1, Mao}, {5, 2, Si}, {5, 3, Wu}, {5, 4, Si},
    {5, 5, Wu}, {5, 6, Shen}, {5, 7, You}, {5, 8, Hai}, {5, 9, Zi},
    // 6 羊刃
    {6, 0, Mao}, {6, 2, Wu}, {6, 4, Wu}, {6, 6, You}, {6, 8, Zi},
    // 7 红艳
    {7, 0, Wu}, {7, 1, Shen}, {7, 2, Yin}, {7, 3, Wei}, {7, 4, Chen},
    {7, 5, Chen}, {7, 6, Xu}, {7, 7, You}, {7, 8, Zi}, {7, 9, Shen},
    // 8 流霞
    {8, 0, You}, {8, 1, Xu}, {8, 2, Wei}, {8, 3, Shen}, {8, 4, Si},
    {8, 5, Wu}, {8, 6, Chen}, {8, 7, Mao}, {8, 8, Yin}, {8, 9, Hai},
};
static_assert(sizeof(dayStemTable) / sizeof(dayStemTable[0]) == 109);

// Branch stars (codes 30-38), keyed by the year or the day branch 子..亥.
constexpr int branchStarFirstCode = 30;
constexpr int branchStarTable[9][12] = {
    {Zi, You, Wu, Mao, Zi, You, Wu, Mao, Zi, You, Wu, Mao},             // 30 将星
    {Yin, Hai, Shen, Si, Yin, Hai, Shen, Si, Yin, Hai, Shen, Si},       // 31 驿马
    {Chen, Chou, Xu, Wei, Chen, Chou, Xu, Wei, Chen, Chou, Xu, Wei},    // 32 华盖
    {You, Wu, Mao, Zi, You, Wu, Mao, Zi, You, Wu, Mao, Zi},             // 33 桃花
    {Si, Yin, Hai, Shen, Si, Yin, Hai, Shen, Si, Yin, Hai, Shen},       // 34 劫煞
    {Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai, Zi, Chou},        // 35 隔角: key + 2
    {Hai, Shen, Si, Yin, Hai, Shen, Si, Yin, Hai, Shen, Si, Yin},       // 36 亡神
    {Yin, Yin, Si, Si, Si, Shen, Shen, Shen, Hai, Hai, Hai, Yin},       // 37 孤辰
    {Xu, Xu, Chou, Chou, Chou, Chen, Chen, Chen, Wei, Wei, Wei, Xu},    // 38 寡宿
};

// 天德 (50) and 月德 (51) by month branch: targets 0-9 are stems, 10-21 branch + 10.
constexpr int branchTarget = 10;
constexpr int monthStarTable[2][12] = {
    {Si + branchTarget, 6, 3, Shen + branchTarget, 8, 7, Hai + branchTarget, 0, 9, Yin + branchTarget, 2, 1},
    {8, 6, 2, 0, 8, 6, 2, 0, 8, 6, 2, 0},
};

constexpr int kuiGangPillars[] = {34, 16, 46, 28};         // 戊戌 庚辰 庚戌 壬辰
constexpr int tianSheDayByMonth[12] = {0, 0, 14, 14, 14, 30, 30, 30, 44, 44, 44, 0}; // 甲子 戊寅 甲午 戊申
constexpr int riDeDays[] = {50, 52, 4, 16, 58};            // 甲寅 丙辰 戊辰 庚辰 壬戌
constexpr int riGuiDays[] = {33, 23, 39, 29};              // 丁酉 丁亥 癸卯 癸巳
constexpr int guLuanDays[] = {50, 41, 42, 53, 54, 44, 47, 48, 29};
constexpr int jinShenHours[] = {1, 5, 9};                  // 乙丑 己巳 癸酉

constexpr int stemCombinations[5][2] = {{0, 5}, {1, 6}, {2, 7}, {3, 8}, {4, 9}};

struct BranchPair {
    int code;
    int a;
    int b;
};
constexpr BranchPair branchPairs[] = {
    {81, Zi, Chou}, {81, Wu, Wei}, {81, Yin, Hai}, {81, Mao, Xu}, {81, Chen, You}, {81, Si, Shen},
    {82, Zi, Wu}, {82, Chou, Wei}, {82, Yin, Shen}, {82, Mao, You}, {82, Chen, Xu}, {82, Si, Hai},
    {83, Zi, Wei}, {83, Chou, Wu}, {83, Yin, Si}, {83, Mao, Chen}, {83, You, Xu}, {83, Shen, Hai},
};

constexpr int punishmentRows[3][3] = {{Yin, Si, Shen}, {Chou, Wei, Xu}, {Zi, Mao, NoBranch}};
constexpr int selfPunishment[] = {You, Wu, Chen, Hai};
// (生, 旺, 墓), run 水 金 木 火.
constexpr int harmonyRows[4][3] = {{Shen, Zi, Chen}, {Si, You, Chou}, {Hai, Mao, Wei}, {Yin, Wu, Xu}};
// Run 木 火 金 水.
constexpr int directionRows[4][3] = {{Yin, Mao, Chen}, {Si, Wu, Wei}, {Shen, You, Xu}, {Hai, Zi, Chou}};
constexpr int fourBranchSets[3][4] = {{Yin, Si, Shen, Hai}, {Zi, Mao, Wu, You}, {Chou, Chen, Wei, Xu}};

constexpr bool isCombiningPair(int a, int b)
{
    for (int i = 0; i < 6; ++i) {
        if ((branchPairs[i].a == a && branchPairs[i].b == b) || (branchPairs[i].a == b && branchPairs[i].b == a))
            return true;
    }
    return false;
}

template<std::size_t N>
constexpr bool contains(const int (&values)[N], int value)
{
    for (int v : values) {
        if (v == value)
            return true;
    }
    return false;
}

// Positions holding one branch, in column order (at most ten).
struct Group {
    int size = 0;
    int positions[10] = {};
};

class Finder
{
public:
    Finder(const Chart &chart, EntryList &entries)
        : m_chart(chart)
        , m_entries(entries)
    {
        for (int i = 0; i < chart.size; ++i) {
            if (chart.column[i] == 0)
                m_yearChac = chart.chac[i];
            else if (chart.column[i] == 1)
                m_monthChac = chart.chac[i];
            else if (chart.column[i] == 2)
                m_dayChac = chart.chac[i];
            else if (chart.column[i] == 3)
                m_hourChac = chart.chac[i];
        }
    }

    void runAll()
    {
        dayStemStars();
        branchStars(m_yearChac % 12, yearBranchPos);
        if (m_dayChac % 12 != m_yearChac % 12)
            branchStars(m_dayChac % 12, dayBranchPos);
        monthStars();
        kuiGang();
        dayPillarStars();
        kongWang();
        stemCombination();
        branchPairRelations();
        punishments();
        selfPunishments();
        frames(harmonyRows, 87, 91);
        frames(directionRows, 92, 96);
        fourBranches();
        pillarPairs();
    }

private:
    int count() const { return m_chart.size; }
    int stemPos(int i) const { return stemBase + m_chart.column[i]; }
    int branchPos(int i) const { return branchBase + m_chart.column[i]; }
    int pillarPos(int i) const { return pillarBase + m_chart.column[i]; }
    int stem(int i) const { return m_chart.chac[i] % 10; }
    int branch(int i) const { return m_chart.chac[i] % 12; }

    void add(std::initializer_list<int> values)
    {
        Entry entry;
        for (int v : values)
            entry.values[entry.size++] = v;
        m_entries.push_back(entry);
    }

    Group group(int branchValue) const
    {
        Group g;
        if (branchValue == NoBranch)
            return g;
        for (int i = 0; i < count(); ++i) {
            if (branch(i) == branchValue)
                g.positions[g.size++] = branchPos(i);
        }
        return g;
    }

    // Day-stem stars (天乙 .. codes 0-8), keyed by the day stem.
    void dayStemStars()
    {
        const int dayStem = m_dayChac % 10;
        for (const DayStemRow &row : dayStemTable) {
            if (row.stem != dayStem)
                continue;
            for (int i = 0; i < count(); ++i) {
                if (branch(i) == row.branch)
                    add({row.code, branchPos(i), dayStemPos});
            }
        }
    }

    // Branch stars (codes 30-38), keyed by the year branch and again by the day
    // branch; the key's own position takes no star from itself.
    void branchStars(int key, int keyPos)
    {
        for (int row = 0; row < 9; ++row) {
            const int target = branchStarTable[row][key];
            for (int i = 0; i < count(); ++i) {
                if (branchPos(i) != keyPos && branch(i) == target)
                    add({branchStarFirstCode + row, branchPos(i), keyPos});
            }
        }
    }

    // Month stars 天德 and 月德, keyed by the month branch.
    void monthStars()
    {
        const int monthBranch = m_monthChac % 12;
        for (int row = 0; row < 2; ++row) {
            const int code = 50 + row;
            const int target = monthStarTable[row][monthBranch];
            for (int i = 0; i < count(); ++i) {
                if (target >= branchTarget) {
                    if (branchPos(i) != monthBranchPos && branch(i) == target - branchTarget)
                        add({code, branchPos(i), monthBranchPos});
                } else if (stem(i) == target) {
                    add({code, stemPos(i), monthBranchPos});
                }
            }
        }
    }

    // 魁罡: the pillars 戊戌, 庚辰, 庚戌, 壬辰 wherever they stand.
    void kuiGang()
    {
        for (int value : kuiGangPillars) {
            for (int i = 0; i < count(); ++i) {
                if (pillarPos(i) < firstExcludedPillarPos && m_chart.chac[i] == value)
                    add({62, pillarPos(i), noRef});
            }
        }
    }

    // Day-pillar stars 天赦 (by month branch), 日德, 日贵, 孤鸾, and the hour's 金神.
    void dayPillarStars()
    {
        if (m_dayChac == tianSheDayByMonth[m_monthChac % 12])
            add({63, dayStemPos, noRef});
        if (contains(riDeDays, m_dayChac))
            add({64, dayStemPos, noRef});
        if (contains(riGuiDays, m_dayChac))
            add({65, dayStemPos, noRef});
        if (contains(guLuanDays, m_dayChac))
            add({66, dayStemPos, noRef});
        if (contains(jinShenHours, m_hourChac))
            add({67, hourStemPos, noRef});
    }

    // 空亡: a decade of the cycle leaves two branches empty, 戌亥 for 甲子..癸酉 and so on.
    void kongWangPass(int chac, int code, int refPos)
    {
        const int firstEmpty = 10 - 2 * (chac / 10); // [0, 10]
        for (int empty = firstEmpty; empty <= firstEmpty + 1; ++empty) {
            for (int i = 0; i < count(); ++i) {
                if (branch(i) == empty)
                    add({code, branchPos(i), refPos});
            }
        }
    }
    void kongWang()
    {
        const bool samePillar = m_dayChac == m_yearChac;
        kongWangPass(m_yearChac, samePillar ? 72 : 70, yearBranchPos);
        if (!samePillar)
            kongWangPass(m_dayChac, 71, dayBranchPos);
    }

    // 五合: stem combinations.
    void stemCombination()
    {
        for (const auto &pair : stemCombinations) {
            for (int x = 0; x < count(); ++x) {
                if (stem(x) != pair[0])
                    continue;
                for (int y = 0; y < count(); ++y) {
                    if (stem(y) == pair[1]) {
                        add({80, stemPos(x), stemPos(y)});
                        add({80, stemPos(y), stemPos(x)});
                    }
                }
            }
        }
    }

    // 六合, 六冲, 六害: branch pairs.
    void branchPairRelations()
    {
        for (const BranchPair &pair : branchPairs) {
            for (int x = 0; x < count(); ++x) {
                if (branch(x) != pair.a)
                    continue;
                for (int y = 0; y < count(); ++y) {
                    if (branch(y) == pair.b) {
                        add({pair.code, branchPos(x), branchPos(y)});
                        add({pair.code, branchPos(y), branchPos(x)});
                    }
                }
            }
        }
    }

    // Three non-empty groups: the full frame from each member's view.
    void threeWay(int code, const Group &first, const Group &second, const Group &third)
    {
        for (int a = 0; a < first.size; ++a) {
            for (int b = 0; b < second.size; ++b) {
                for (int c = 0; c < third.size; ++c) {
                    const int x = first.positions[a];
                    const int y = second.positions[b];
                    const int z = third.positions[c];
                    add({code, x, y, z});
                    add({code, y, x, z});
                    add({code, z, x, y});
                }
            }
        }
    }
    void twoWay(int code, const Group &first, const Group &second)
    {
        for (int a = 0; a < first.size; ++a) {
            for (int b = 0; b < second.size; ++b) {
                add({code, first.positions[a], second.positions[b]});
                add({code, second.positions[b], first.positions[a]});
            }
        }
    }

    // 三刑: punishments, one row of branches at a time.
    void punishments()
    {
        for (const auto &row : punishmentRows) {
            Group kept[3];
            int keptCount = 0;
            for (int branchValue : row) {
                const Group g = group(branchValue);
                if (g.size > 0)
                    kept[keptCount++] = g;
            }
            if (keptCount == 3)
                threeWay(85, kept[0], kept[1], kept[2]);
            else if (keptCount == 2)
                twoWay(84, kept[0], kept[1]);
        }
    }

    // 自刑: self-punishing branches 酉, 午, 辰, 亥 met twice.
    void selfPunishments()
    {
        for (int branchValue : selfPunishment) {
            const Group g = group(branchValue);
            if (g.size < 2)
                continue;
            for (int i = 0; i < g.size; ++i)
                add({86, g.positions[i], noRef, noRef});
        }
    }

    // 三合 and 三会 frames (and 半三合, 半三会): a full frame, or a half frame that holds the middle branch.
    void frames(const int (&rows)[4][3], int firstCode, int halfCode)
    {
        for (const auto &row : rows) {
            const int code = firstCode + row[1] / 3;
            const Group groups[3] = {group(row[0]), group(row[1]), group(row[2])};
            const int present = (groups[0].size > 0) + (groups[1].size > 0) + (groups[2].size > 0);
            if (present == 3) {
                threeWay(code, groups[0], groups[1], groups[2]);
            } else if (present == 2 && groups[1].size > 0) {
                if (groups[0].size > 0)
                    twoWay(halfCode, groups[0], groups[1]);
                else
                    twoWay(halfCode, groups[1], groups[2]);
            }
        }
    }

    // 支全四生, 四旺, 四库: all four branches of a set.
    void fourBranches()
    {
        for (const auto &set : fourBranchSets) {
            const int code = (set[0] + 1) % 3 + 97;
            const Group g[4] = {group(set[0]), group(set[1]), group(set[2]), group(set[3])};
            if (g[0].size == 0 || g[1].size == 0 || g[2].size == 0 || g[3].size == 0)
                continue;
            for (int ia = 0; ia < g[0].size; ++ia) {
                for (int ib = 0; ib < g[1].size; ++ib) {
                    for (int ic = 0; ic < g[2].size; ++ic) {
                        for (int id = 0; id < g[3].size; ++id) {
                            const int a = g[0].positions[ia];
                            const int b = g[1].positions[ib];
                            const int c = g[2].positions[ic];
                            const int d = g[3].positions[id];
                            add({code, a, b, c, d});
                            add({code, b, a, c, d});
                            add({code, c, a, b, d});
                            add({code, d, a, b, c});
                        }
                    }
                }
            }
        }
    }

    // 整柱 pairs (伏吟, 岁运并临, 反吟, 鸳鸯双合): whole pillars; the life palace and conception pillar take no part.
    void pillarPairs()
    {
        for (int j = 0; j < count(); ++j) {
            const int posJ = pillarPos(j);
            if (posJ >= firstExcludedPillarPos)
                continue;
            for (int k = j + 1; k < count(); ++k) {
                const int posK = pillarPos(k);
                if (posK >= firstExcludedPillarPos)
                    continue;
                const int l = m_chart.chac[j];
                const int m = m_chart.chac[k];
                if (l == m) {
                    if (posJ == 64 && posK == 65) {
                        add({102, posJ, posK});
                        add({102, posK, posJ});
                    } else {
                        add({100, posJ, posK});
                        add({100, posK, posJ});
                        qWarning() << "100:" << l << "," << posJ << "," << posK;
                    }
                } else if (m == (l + 6) % 60 || l == (m + 6) % 60) {
                    add({101, posJ, posK});
                    add({101, posK, posJ});
                } else if (stem(j) != stem(k) && branch(j) != branch(k) && stem(k) == (stem(j) + 5) % 10
                           && isCombiningPair(branch(j), branch(k))) {
                    add({103, posJ, posK});
                    add({103, posK, posJ});
                }
            }
        }
    }

    const Chart &m_chart;
    EntryList &m_entries;
    int m_yearChac = 0;
    int m_monthChac = 0;
    int m_dayChac = 0;
    int m_hourChac = 0;
};

const char *const starNames[codeLimit] = {
    "天乙", "太极", "文昌", "学堂", "金舆", "日禄", "羊刃", "红艳", "流霞", nullptr,               // 0-9
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,    // 10-19
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,    // 20-29
    "将星", "驿马", "华盖", "桃花", "劫煞", "隔角", "亡神", "孤辰", "寡宿", nullptr,               // 30-39
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,    // 40-49
    "天德", "月德", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,       // 50-59
    nullptr, nullptr, "魁罡", "天赦", "日德", "日贵", "孤鸾", "金神", nullptr, nullptr,           // 60-69
    "年柱空亡", "日柱空亡", "空亡", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, // 70-79
    "五合", "六合", "六冲", "六害", "相刑", "三刑全", "自刑", "三合水局", "三合木局", "三合火局",  // 80-89
    "三合金局", "半三合", "三会水", "三会木", "三会火", "三会金", "半三会", "支全四生", "支全四旺", "支全四库", // 90-99
    "伏吟", "反吟(天克地冲)", "岁运并临", "鸳鸯双合(干支合)",                                      // 100-103
};

} // namespace

void run(const Chart &chart, EntryList &entries)
{
    Finder(chart, entries).runAll();
}

const char *starName(int code)
{
    return (code >= 0 && code < codeLimit) ? starNames[code] : nullptr;
}

} // namespace ShenShaRules
