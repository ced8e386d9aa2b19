// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stem-branch vocabulary shared by the calendar engine, the chart engine,
// the relation engine and the service object. One definition for all of them.

#include <QString>

#include <array>
#include <string_view>

namespace Vocabulary {

using Text = std::string_view; // UTF-8

inline constexpr int stemCount = 10;
inline constexpr int branchCount = 12;
inline constexpr int cycleCount = 60;

inline constexpr std::array<Text, 10> ganNames = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<Text, 10> ganCodes = {"J", "Y", "B", "D", "W", "I", "G", "X", "R", "K"};
inline constexpr std::array<Text, 12> zhiNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                  "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<Text, 12> zhiCodes = {"Zi", "Co", "Yi", "Mo", "Cn", "Si",
                                                  "Wu", "We", "Sn", "Yo", "Xu", "Ha"};

// Entry k div 2 is the NaYin of sixty-cycle index k.
inline constexpr std::array<Text, 30> nayinNames = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "洞下水", "城墙土", "白腊金", "杨柳木",
    "泉中水", "屋上土", "霹雷火", "松柏木", "常流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "佛灯火", "天河水", "大驿土", "钗钏金", "桑松木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

struct NamedCode {
    Text name;
    Text code;
};

// Row = parity of the day stem, column = (other stem - day stem) mod 10.
inline constexpr NamedCode shen10FullTable[2][10] = {
    {{"比肩", "0"}, {"劫财", "1"}, {"食神", "2"}, {"伤官", "3"}, {"偏财", "4"},
     {"正财", "5"}, {"七杀", "6"}, {"正官", "7"}, {"偏印", "8"}, {"正印", "9"}},
    {{"比肩", "0"}, {"伤官", "3"}, {"食神", "2"}, {"正财", "5"}, {"偏财", "4"},
     {"正官", "7"}, {"七杀", "6"}, {"正印", "9"}, {"偏印", "8"}, {"劫财", "1"}}};
inline constexpr NamedCode shen10ShortTable[2][10] = {
    {{"比", "0"}, {"劫", "1"}, {"食", "2"}, {"伤", "3"}, {"才", "4"},
     {"财", "5"}, {"杀", "6"}, {"官", "7"}, {"枭", "8"}, {"印", "9"}},
    {{"比", "0"}, {"伤", "3"}, {"食", "2"}, {"财", "5"}, {"才", "4"},
     {"官", "7"}, {"杀", "6"}, {"印", "9"}, {"枭", "8"}, {"劫", "1"}}};

inline constexpr std::array<Text, 12> yun12Names = {"长生", "沐浴", "冠带", "临官", "帝旺", "衰",
                                                    "病", "死", "墓", "绝", "胎", "养"};
inline constexpr std::array<Text, 12> yun12Codes = {"0", "1", "2", "3", "4", "5",
                                                    "6", "7", "8", "9", "10", "11"};
// Branch at which each stem has 长生.
inline constexpr std::array<int, 10> yun12StartZhi = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};

struct HiddenStems {
    Text stems;  // main stem first
    Text digits; // the same stems as stem-index digits
};
inline constexpr std::array<HiddenStems, 12> zhiCangGanTable = {{
    {"癸", "9"}, {"己癸辛", "597"}, {"甲丙戊", "024"}, {"乙", "1"}, {"戊乙癸", "419"}, {"丙庚戊", "264"},
    {"丁己", "35"}, {"己丁乙", "531"}, {"庚壬戊", "684"}, {"辛", "7"}, {"戊辛丁", "473"}, {"壬甲", "80"},
}};

inline constexpr std::array<Text, 31> lunarDayNames = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十", "卅一"};
inline constexpr std::array<Text, 12> lunarMonthNames = {"正", "二", "三", "四", "五", "六",
                                                         "七", "八", "九", "十", "冬", "腊"};

// The western sign that begins at the middle Qi term of sino month 1..12
// (雨水 .. 大寒).
inline constexpr std::array<Text, 12> westernSignsFromQi = {"双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座",
                                                            "处女座", "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座"};

inline constexpr std::array<Text, 32> bigPlaceNames = {
    "北京市", "安徽省", "福建省", "甘肃省", "广东省", "广西壮族自治区", "贵州省", "海南省",
    "河北省", "河南省", "黑龙江省", "湖北省", "湖南省", "吉林省", "江苏省", "江西省",
    "辽宁省", "内蒙古自治区", "宁夏回族自治区", "青海省", "山东省", "山西省", "陕西省", "上海市",
    "四川省", "天津市", "西藏自治区", "新疆维吾尔", "云南省", "浙江省", "重庆市", "港澳臺"};

// Mathematical modulo into range (-1 -> 9 for a stem, -1 -> 11 for a branch).
constexpr int normStem(int s) { return ((s % 10) + 10) % 10; }
constexpr int normBranch(int z) { return ((z % 12) + 12) % 12; }
constexpr int normCycle(int k) { return ((k % 60) + 60) % 60; }

constexpr int stemOf(int chac) { return normCycle(chac) % 10; }
constexpr int branchOf(int chac) { return normCycle(chac) % 12; }
// Sixty-cycle index of a stem-branch pair, or -1 when their parities differ.
constexpr int cycleOf(int stem, int branch)
{
    const int s = normStem(stem); // [0, 9]
    const int z = normBranch(branch); // [0, 11]
    if ((s & 1) != (z & 1))
        return -1;
    return (6 * s - 5 * z + 60) % 60; // k = s (mod 10), k = z (mod 12)
}

// Ten-god code (0..9) of stem g relative to day stem d.
constexpr int shen10Code(int d, int g)
{
    const int dd = normStem(d);
    const int gg = normStem(g);
    return shen10FullTable[dd % 2][(gg - dd + 10) % 10].code[0] - '0';
}
constexpr const NamedCode &shen10Full(int d, int g)
{
    const int dd = normStem(d);
    return shen10FullTable[dd % 2][(normStem(g) - dd + 10) % 10];
}
constexpr const NamedCode &shen10Short(int d, int g)
{
    const int dd = normStem(d);
    return shen10ShortTable[dd % 2][(normStem(g) - dd + 10) % 10];
}

// Twelve-stage code (0..11) of branch z for stem d: forward for yang stems, backward for yin.
constexpr int yun12Code(int d, int z)
{
    const int dd = normStem(d);
    const int zz = normBranch(z);
    const int direction = (dd % 2 == 0) ? 1 : -1;
    const int x = (zz - yun12StartZhi[dd]) * direction;
    return ((x % 12) + 12) % 12;
}

constexpr Text nayinOf(int chac) { return nayinNames[normCycle(chac) / 2]; }

inline QString qs(Text t) { return QString::fromUtf8(t.data(), int(t.size())); }
inline QString jiaziName(int k) { return qs(ganNames[stemOf(k)]) + qs(zhiNames[branchOf(k)]); }
inline QString jiaziCode(int k) { return qs(ganCodes[stemOf(k)]) + qs(zhiCodes[branchOf(k)]); }
// Stem digit then upper-case hexadecimal branch digit: "00", "11", ... "0A", "9B".
inline QString jiaziHexCode(int k)
{
    return QString::number(stemOf(k)) + QString::number(branchOf(k), 16).toUpper();
}

// Ten gods of the hidden stems of branch z seen from day stem d, in hidden-stem
// order: one-character names run together, or full names joined by "|".
inline QString hiddenShen10Short(int d, int z)
{
    QString out;
    for (char digit : zhiCangGanTable[normBranch(z)].digits)
        out += qs(shen10Short(d, digit - '0').name);
    return out;
}
inline QString hiddenShen10Full(int d, int z)
{
    QString out;
    for (char digit : zhiCangGanTable[normBranch(z)].digits) {
        if (!out.isEmpty())
            out += QLatin1Char('|');
        out += qs(shen10Full(d, digit - '0').name);
    }
    return out;
}

static_assert(cycleOf(0, 0) == 0 && cycleOf(9, 11) == 59 && cycleOf(0, 2) == 50 && cycleOf(1, 0) == -1);
static_assert(shen10Code(3, 8) == 7 && shen10Code(1, 0) == 1 && shen10Code(0, 1) == 1);
static_assert(yun12Code(0, 0) == 1 && yun12Code(1, 5) == 1 && yun12Code(0, 6) == 7 && yun12Code(1, 11) == 7);
static_assert(yun12Code(-1, 3) == 0 && yun12Code(10, 11) == 0);

} // namespace Vocabulary
