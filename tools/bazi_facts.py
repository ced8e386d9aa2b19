# SPDX-License-Identifier: GPL-3.0-or-later
"""Fact tables shared by the content generators (book script, readings).

Only traditional facts live here: names, elements, hidden stems, the ten-god
and twelve-stage rules, seasons, the 调候 stems by day stem and month, the
day-stem stars and the branch relations. The same tables and rules are used
by the program's native vocabulary (cpp/Calendar/Vocabulary.h) and relation
engine, so the commentary says what the program computes.
"""

GAN = "甲乙丙丁戊己庚辛壬癸"
ZHI = "子丑寅卯辰巳午未申酉戌亥"
WUXING = "木火土金水"

NAYIN = ["海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "洞下水", "城墙土",
         "白腊金", "杨柳木", "泉中水", "屋上土", "霹雷火", "松柏木", "常流水", "沙中金",
         "山下火", "平地木", "壁上土", "金箔金", "佛灯火", "天河水", "大驿土", "钗钏金",
         "桑松木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"]

# Hidden stems, main stem first, as stem indexes.
CANG = [[9], [5, 9, 7], [0, 2, 4], [1], [4, 1, 9], [2, 6, 4],
        [3, 5], [5, 3, 1], [6, 8, 4], [7], [4, 7, 3], [8, 0]]

SHEN10 = [["比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"],
          ["比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财"]]
YUN12 = ["长生", "沐浴", "冠带", "临官", "帝旺", "衰", "病", "死", "墓", "绝", "胎", "养"]
YUN12_START = [11, 6, 2, 9, 2, 9, 5, 0, 8, 3]


def gan_wx(s):
    return s // 2


def zhi_wx(z):
    return [4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4][z]


def gan_name(s):
    return GAN[s] + WUXING[gan_wx(s)]


def shen10(day, other):
    return SHEN10[day % 2][(other - day) % 10]


def yun12(day, z):
    direction = 1 if day % 2 == 0 else -1
    return YUN12[((z - YUN12_START[day]) * direction) % 12]


def jiazi(k):
    return GAN[k % 10] + ZHI[k % 12]


def nayin(k):
    return NAYIN[k // 2]


def cycle_index(s, z):
    """Sixty-cycle index of stem s and branch z (same parity)."""
    for k in range(60):
        if k % 10 == s and k % 12 == z:
            return k
    raise ValueError((s, z))


def hour_pillar(day_pillar, z):
    """Hour pillar of hour branch z on a day (the rule the chart engine uses)."""
    return (z + 12 * day_pillar) % 60


# Months by branch: number in the lunar-solar year (寅 = 1), the two solar
# terms that bound it, and the season words used in the commentary.
MONTH_TERMS = {2: ("立春", "惊蛰"), 3: ("惊蛰", "清明"), 4: ("清明", "立夏"),
               5: ("立夏", "芒种"), 6: ("芒种", "小暑"), 7: ("小暑", "立秋"),
               8: ("立秋", "白露"), 9: ("白露", "寒露"), 10: ("寒露", "立冬"),
               11: ("立冬", "大雪"), 0: ("大雪", "小寒"), 1: ("小寒", "立春")}
MONTH_SEASON = {2: "初春，余寒未尽，木气初生", 3: "仲春，木气最盛", 4: "暮春，土气当令，湿气渐重",
                5: "初夏，火气渐旺", 6: "仲夏，火势炎烈", 7: "季夏，土燥火余",
                8: "初秋，金气初生，暑气未退", 9: "仲秋，金气最盛", 10: "暮秋，土燥而寒意渐起",
                11: "初冬，水气当令，天气转寒", 0: "仲冬，水旺严寒", 1: "季冬，寒湿冻结"}
COLD = {11, 0, 1}
COOL_SPRING = {2}
HOT = {5, 6, 7}

# Element that commands the season of each month branch (四季土 for 辰未戌丑).
def season_wx(z):
    return zhi_wx(z)


# 旺相休囚死 of an element in a season element.
def wangxiang(day_wx, month_wx):
    if day_wx == month_wx:
        return "旺"
    if (month_wx + 1) % 5 == day_wx:
        return "相"
    if (day_wx + 1) % 5 == month_wx:
        return "休"
    if (day_wx + 2) % 5 == month_wx:
        return "囚"
    return "死"


# 调候 stems by day stem and month position (0 = 寅 month .. 11 = 丑 month),
# in order of importance, after the table customary in 《穷通宝鉴》 study.
TIAOHOU = {
    "甲": ["丙癸", "庚丙丁戊己", "庚丁壬", "癸丁庚", "癸丁庚", "癸丁庚",
           "庚丁壬", "庚丁丙", "庚甲丁壬癸", "庚丁丙戊", "丁庚丙", "丁庚丙"],
    "乙": ["丙癸", "丙癸", "癸丙戊", "癸", "癸丙", "癸丙",
           "丙癸己", "癸丙丁", "癸辛", "丙戊", "丙", "丙"],
    "丙": ["壬庚", "壬己", "壬甲", "壬癸庚", "壬庚", "壬庚",
           "壬戊", "壬癸", "甲壬", "甲戊庚壬", "壬戊己", "壬甲"],
    "丁": ["甲庚", "庚甲", "甲庚", "甲庚", "壬庚癸", "甲壬庚",
           "甲庚丙戊", "甲庚丙戊", "甲庚戊", "甲庚", "甲庚", "甲庚"],
    "戊": ["丙甲癸", "丙甲癸", "甲丙癸", "甲丙癸", "壬甲丙", "癸丙甲",
           "丙癸甲", "丙癸", "甲丙癸", "甲丙", "丙甲", "丙甲"],
    "己": ["丙庚甲", "甲癸丙", "丙癸甲", "癸丙", "癸丙", "癸丙",
           "丙癸", "丙癸", "甲丙癸", "丙甲戊", "丙甲戊", "丙甲戊"],
    "庚": ["戊甲壬丙丁", "丁甲庚丙", "甲丁壬癸", "壬戊丙丁", "壬癸", "丁甲",
           "丁甲", "丁甲丙", "甲壬", "丁丙", "丁甲丙", "丙丁甲"],
    "辛": ["己壬庚", "壬甲", "壬甲", "壬甲癸", "壬己癸", "壬庚甲",
           "壬甲戊", "壬甲", "壬甲", "壬丙", "丙戊壬甲", "丙壬戊己"],
    "壬": ["庚丙戊", "戊辛庚", "甲庚", "壬辛庚癸", "癸庚辛", "辛甲",
           "戊丁", "甲庚", "甲丙", "戊丙庚", "戊丙", "丙丁甲"],
    "癸": ["辛丙", "庚辛", "丙辛甲", "辛", "庚辛壬癸", "庚辛壬癸",
           "丁", "辛丙", "辛甲壬癸", "庚辛戊丁", "丙辛", "丙丁"],
}

# What an element does for a day-master element, by (helper, day master):
# the customary image of each pairing, written in our own words.
ROLE = {
    (0, 0): "同类相扶，分担其任", (1, 0): "发越秀气，木火通明", (2, 0): "让木有土可植，根基稳固",
    (3, 0): "修剪枝叶，使木成材", (4, 0): "滋养根系",
    (0, 1): "引生火焰，使火有源", (1, 1): "同类助势", (2, 1): "收敛火气，使其不致过燥",
    (3, 1): "作财星，并待火来煅炼", (4, 1): "水火相济，使火光有所映照而不过烈",
    (0, 2): "疏通土气，不使板结", (1, 2): "生扶土气", (2, 2): "帮扶土势",
    (3, 2): "发泄土中秀气", (4, 2): "滋润土质",
    (0, 3): "作财星，兼能引生火气", (1, 3): "煅炼金质，使其成器", (2, 3): "培土生金",
    (3, 3): "同类帮身", (4, 3): "淘洗金质，金水相涵而生辉",
    (0, 4): "纳水成材，疏泄水势", (1, 4): "作财星，使水火相济", (2, 4): "筑堤止流，使水有所归",
    (3, 4): "作水之源，使水源远流长", (4, 4): "同类助流",
}


def helper_role(helper_stem, day_stem, month_branch):
    """Why a favoured stem helps a day stem in a month (one clause)."""
    hw, dw = gan_wx(helper_stem), gan_wx(day_stem)
    text = ROLE[(hw, dw)]
    if hw == 1 and (month_branch in COLD or month_branch in COOL_SPRING):
        text = "解寒暖局，并" + text
    elif hw == 4 and month_branch in HOT:
        text = "润燥降温，并" + text
    return text


# Day-stem stars by day stem: branches of 天乙, 文昌, 日禄, 羊刃 (yang only).
TIANYI = ["丑未", "子申", "酉亥", "酉亥", "丑未", "子申", "丑未", "寅午", "卯巳", "卯巳"]
WENCHANG = "巳午申酉申酉亥子寅卯"
LU = "寅卯巳午巳午申酉亥子"
YANGREN = {0: "卯", 2: "午", 4: "午", 6: "酉", 8: "子"}
JINSHEN_HOURS = {1, 5, 9}  # 乙丑, 己巳, 癸酉

# Branch relations between two branches, as the relation engine names them.
LIUHE = [(0, 1), (6, 7), (2, 11), (3, 10), (4, 9), (5, 8)]
CHONG = [(0, 6), (1, 7), (2, 8), (3, 9), (4, 10), (5, 11)]
HAI = [(0, 7), (1, 6), (2, 5), (3, 4), (9, 10), (8, 11)]
XING = [(2, 5), (5, 8), (2, 8), (1, 7), (7, 10), (1, 10), (0, 3)]
SELF_XING = {9, 6, 4, 11}
SANHE = [(8, 0, 4, "水"), (5, 9, 1, "金"), (11, 3, 7, "木"), (2, 6, 10, "火")]
GANHE = [(0, 5), (1, 6), (2, 7), (3, 8), (4, 9)]
GANHE_WX = {0: "土", 1: "金", 2: "水", 3: "木", 4: "火"}


def pair_in(a, b, table):
    return (a, b) in table or (b, a) in table


def branch_relations(a, b):
    """Names of the relations between two branches, in the engine's order."""
    out = []
    if pair_in(a, b, LIUHE):
        out.append("六合")
    if pair_in(a, b, CHONG):
        out.append("六冲")
    if pair_in(a, b, HAI):
        out.append("六害")
    if pair_in(a, b, XING):
        out.append("相刑")
    if a == b and a in SELF_XING:
        out.append("自刑")
    for sheng, wang, mu, wx in SANHE:
        if wang in (a, b) and a != b and {a, b} <= {sheng, wang, mu}:
            out.append("半三合" + wx + "局")
    return out


def stem_combination(a, b):
    for i, (x, y) in enumerate(GANHE):
        if {a, b} == {x, y}:
            return "五合（合化" + GANHE_WX[i] + "）"
    return ""


def join_cn(items):
    """甲、乙和丙."""
    items = list(items)
    if len(items) <= 1:
        return "".join(items)
    return "、".join(items[:-1]) + "和" + items[-1]
