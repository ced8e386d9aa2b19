#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes datafiles/bookData.sql, the book script the program loads at start-up.

Regenerate with:
    python3 tools/gen_book_data.py

Every paragraph is this program's own commentary, built from the fact tables
in tools/bazi_facts.py (stems, branches, hidden stems, ten gods, twelve
stages, seasons, 调候 stems, day-stem stars, branch relations) and from the
bone-weight tables the chart engine uses. No sentence of any published book is
reproduced; where a section follows the arrangement of a classic, the chart
page says so in its title (js/bookSectionTitles.js).

Markers: s1/s2 open and close a section, p1/p2 a paragraph; the bone-weight
book writes them as <s1> <s2> <p1> <p2>. The data never holds ";" (the loader
splits the script there) nor "'" (the SQL quote).
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bazi_facts import (CANG, GANHE_WX, COLD, COOL_SPRING, GAN, HOT, JINSHEN_HOURS, LU, MONTH_SEASON,  # noqa: E402
                        MONTH_TERMS, NAYIN, TIANYI, TIAOHOU, WENCHANG, WUXING, YANGREN, ZHI,
                        branch_relations, gan_name, gan_wx, helper_role, hour_pillar, jiazi,
                        join_cn, nayin, season_wx, shen10, stem_combination, wangxiang, yun12,
                        zhi_wx)

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "datafiles" / "bookData.sql"

COLUMNS = ["seqid", "bookname", "idx01", "idx02", "idx03", "idx04", "idx05",
           "content01", "content02", "content03", "content04", "content05"]

SHEN_MEANING = {
    "比肩": "同辈与自立", "劫财": "竞争、合作与分夺", "食神": "才艺、享受与温和的表达",
    "伤官": "才华外露与锋芒", "偏财": "流动之财与人缘", "正财": "稳定收入与务实",
    "七杀": "压力、魄力与决断", "正官": "规则、职责与名誉", "偏印": "偏门学问与独立思考",
    "正印": "学业、庇护与长辈",
}
SUPPORT = {"比肩", "劫财", "偏印", "正印"}

STAGE_NOTE = {
    "长生": "如初生之气，有生机", "沐浴": "气尚柔弱，易受外扰", "冠带": "渐趋成形",
    "临官": "气势强健", "帝旺": "气势极盛", "衰": "盛极转衰", "病": "力量已弱",
    "死": "气几近停止", "墓": "气收藏入库", "绝": "气断而待续", "胎": "新气方孕",
    "养": "新气受养，渐能成长",
}

HOUR_RANGE = ["23时至1时", "1时至3时", "3时至5时", "5时至7时", "7时至9时", "9时至11时",
              "11时至13时", "13时至15时", "15时至17时", "17时至19时", "19时至21时", "21时至23时"]
ZODIAC = "鼠牛虎兔龙蛇马羊猴鸡狗猪"
DIRECTION = ["正北", "东北偏北", "东北偏东", "正东", "东南偏东", "东南偏南",
             "正南", "西南偏南", "西南偏西", "正西", "西北偏西", "西北偏北"]
MONTH_NUMBER_NAME = {2: "正月", 3: "二月", 4: "三月", 5: "四月", 6: "五月", 7: "六月",
                     8: "七月", 9: "八月", 10: "九月", 11: "十月", 0: "十一月", 1: "十二月"}


def para(text):
    return "p1" + text + "p2"


def section(*paragraphs):
    return "s1" + "".join(para(p) for p in paragraphs) + "s2"


def hidden_desc(day, z):
    """寅藏甲、丙、戊，分别为日主的比肩、食神、偏财."""
    stems = [GAN[s] for s in CANG[z]]
    gods = [shen10(day, s) for s in CANG[z]]
    if len(stems) == 1:
        return f"{ZHI[z]}中只藏{stems[0]}，为日主的{gods[0]}"
    return f"{ZHI[z]}藏{'、'.join(stems)}，分别为日主的{'、'.join(gods)}"


# ---------------------------------------------------------------- 调候
def baojian_row(day, pos):
    z = (pos + 2) % 12
    g = GAN[day]
    start, end = MONTH_TERMS[z]
    main = CANG[z][0]
    state = wangxiang(gan_wx(day), season_wx(z))
    state_text = {"旺": "当令而旺", "相": "得月令生扶而相", "休": "泄气于月令而休",
                  "囚": "耗力于月令而囚", "死": "受月令克制而死"}[state]
    first = (f"{gan_name(day)}生于{ZHI[z]}月。{ZHI[z]}月从{start}到{end}，正值{MONTH_SEASON[z]}。"
             f"月令本气{gan_name(main)}为日主的{shen10(day, main)}，日主在{ZHI[z]}的十二长生为{yun12(day, z)}，"
             f"以五行旺衰论，{WUXING[gan_wx(day)]}在此月{state_text}。")
    favoured = [GAN.index(c) for c in TIAOHOU[g][pos]]
    names = [GAN[s] for s in favoured]
    if len(favoured) == 1:
        order = f"调候专取{names[0]}。"
    elif len(favoured) == 2:
        order = f"调候取{names[0]}、{names[1]}，先{names[0]}后{names[1]}。"
    else:
        order = f"调候以{names[0]}为先，其次{join_cn(names[1:])}。"
    roles = ""
    groups = []  # favoured stems of one element share one clause
    for s in favoured:
        if groups and gan_wx(groups[-1][-1]) == gan_wx(s):
            groups[-1].append(s)
        else:
            groups.append([s])
    for grp in groups:
        if len(grp) == 1:
            roles += f"{gan_name(grp[0])}为日主的{shen10(day, grp[0])}，取其{helper_role(grp[0], day, z)}。"
        else:
            roles += (f"{'、'.join(gan_name(s) for s in grp)}分别为日主的{'、'.join(shen10(day, s) for s in grp)}，"
                      f"取其{helper_role(grp[0], day, z)}。")
    climate = ""
    if z in COLD:
        climate = "此月天寒，命局最需要火来温暖。"
    elif z in COOL_SPRING:
        climate = "初春仍寒，取用时兼顾温暖。"
    elif z in HOT:
        climate = "此月炎热，命局最需要水来滋润。"
    note = ("说明：以上是本程序依《穷通宝鉴》体例整理的调候参考，只列此日干此月份习惯所喜的天干及其作用。"
            "所喜之干透出天干、在地支有根者，作用较明显；实际取用还须结合四柱全局的强弱与配合。")
    return section(first, order + climate + roles, note)


# ---------------------------------------------------------------- 月令与时支强弱
def strength_row(day, mz, hz):
    g = gan_name(day)
    mmain, hmain = CANG[mz][0], CANG[hz][0]
    mgod, hgod = shen10(day, mmain), shen10(day, hmain)
    state = wangxiang(gan_wx(day), season_wx(mz))
    month_helps = state in ("旺", "相")
    hour_helps = hgod in SUPPORT
    score = (2 if month_helps else -2) + (1 if hour_helps else -1)
    head = f"日主{g}，生于{ZHI[mz]}月{ZHI[hz]}时。"
    month = (f"月令：{hidden_desc(day, mz)}。日主在{ZHI[mz]}的十二长生为{yun12(day, mz)}（{STAGE_NOTE[yun12(day, mz)]}），"
             f"五行旺衰为“{state}”，{'得令' if month_helps else '失令'}。月令本气为{mgod}，"
             f"{mgod}主要关乎{SHEN_MEANING[mgod]}。")
    hour = (f"时支：{hidden_desc(day, hz)}。日主在{ZHI[hz]}的十二长生为{yun12(day, hz)}，"
            f"时支本气{'生扶日主' if hour_helps else '不生扶日主'}。")
    if score == 3:
        trend = ("倾向：得令又得时支相助，身旺之象明显。此类组合多取食伤泄秀、财星耗身或官杀制身为用，"
                 "以求流通平衡，不宜再多见比劫与印星。")
    elif score == 1:
        trend = ("倾向：得令而时支不助，日主略偏旺。多以食伤、财星疏通为用，"
                 "官杀有制时也可用来约束日主。")
    elif score == -1:
        trend = ("倾向：失令而时支相助，日主略偏弱。宜有印星生身或比劫帮身，"
                 "财星与官杀不宜过重。")
    else:
        trend = ("倾向：失令又不得时支相助，身弱之象明显。首重印星与比劫扶身，"
                 "若全局克泄过重而无扶助，也有从格的可能，须看其余各柱。")
    note = "此条只按月令与时支推算，年柱、日支及各天干的透藏都会改变强弱判断。"
    stage = yun12(day, mz)
    strong_stage = stage in ("长生", "冠带", "临官", "帝旺")
    weak_stage = stage in ("病", "死", "墓", "绝")
    if day % 2 == 1 and ((month_helps and weak_stage) or (not month_helps and strong_stage)):
        note += ("阴干的十二长生与五行旺衰在此说法不一，论得令与否，本条以五行旺衰为准。")
    return section(head + month, hour, trend + note)


# ---------------------------------------------------------------- 称骨
WEIGHT_BANDS = [
    (20, 29, "偏轻", "旧说认为早年多辛苦，衣食需靠自己一点一点经营"),
    (30, 39, "中下", "旧说认为一生奔波劳碌较多，中年以后渐趋安稳"),
    (40, 49, "中等", "旧说认为衣食平稳，成就多半来自自身的勤勉"),
    (50, 59, "中上", "旧说认为福禄较足，事业与家业都有可成之机"),
    (60, 69, "上等", "旧说认为福泽深厚，易得贵人相助"),
    (70, 72, "极重", "旧说视为福禄最厚的一档"),
]
CN_DIGIT = "零一二三四五六七八九"

# Bone-weight tables of the chart engine (tenths of a liang): lunar month 1..12,
# hour branch 子..亥, lunar day 1..30, year pillar 甲子..癸亥.
BONE_MONTH = [6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5]
BONE_HOUR = [16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6]
BONE_DAY = [5, 10, 8, 15, 16, 15, 8, 16, 8, 16, 9, 17, 8, 17, 10, 8, 9, 18, 5, 15, 10, 9, 8, 9, 15,
            18, 7, 8, 16, 6]
BONE_YEAR = [12, 9, 6, 7, 12, 5, 9, 8, 7, 8, 15, 9, 16, 8, 8, 19, 12, 6, 8, 7, 5, 15, 6, 16, 15, 7,
             9, 12, 10, 7, 15, 6, 5, 14, 14, 9, 7, 7, 9, 12, 8, 7, 13, 5, 14, 5, 9, 17, 5, 7, 12, 8,
             8, 6, 19, 6, 8, 16, 10, 6]


def weight_shares():
    """Share of each total among all month x day x hour x year combinations."""
    counts = {}
    for m in BONE_MONTH:
        for d in BONE_DAY:
            for h in BONE_HOUR:
                for y in BONE_YEAR:
                    counts[m + d + h + y] = counts.get(m + d + h + y, 0) + 1
    total = sum(counts.values())
    return {w: c / total for w, c in counts.items()}


WEIGHT_SHARES = weight_shares()


def share_text(w):
    share = WEIGHT_SHARES.get(w, 0.0)
    if share == 0.0:
        return ""
    if share >= 0.001:
        return f"在农历月、日、时辰与年柱的全部组合中，得出这一骨重的约占{share * 100:.1f}%。"
    return "在农历月、日、时辰与年柱的全部组合中，得出这一骨重的不到千分之一，相当少见。"


def weight_row(w):
    liang, qian = divmod(w, 10)
    band = next(b for b in WEIGHT_BANDS if b[0] <= w <= b[1])
    weight_text = f"{CN_DIGIT[liang]}两" + (f"{CN_DIGIT[qian]}钱" if qian else "整")
    paras = [
        f"骨重{weight_text}（共{w}钱）。" + share_text(w),
        f"分档：{band[2]}。{band[3]}。称骨法的旧例是骨重越重越好，这只是民间的一种说法。",
        "算法：出生年柱、农历月份、农历日子和时辰各有一个固定的骨重，四项相加就是总骨重。"
        "本程序用年柱（以立春换年）查年份骨重，用农历月、日和时支查其余三项。",
    ]
    if w not in WEIGHT_SHARES:
        lightest, heaviest = min(WEIGHT_SHARES), max(WEIGHT_SHARES)
        paras.append(f"按本程序所用的骨重表，总骨重最轻{CN_DIGIT[lightest // 10]}两{CN_DIGIT[lightest % 10]}钱、"
                     f"最重{CN_DIGIT[heaviest // 10]}两{CN_DIGIT[heaviest % 10]}钱，"
                     "所以这一条不会由排盘得出，只为表格完整而列。")
    paras.append("提示：称骨只凭出生时间查表相加，不看八字的五行配合与格局，宜作趣味参考，不可据以定论一生。")
    return "<s1>" + "".join(f"<p1>{p}<p2>" for p in paras) + "<s2>"


# ---------------------------------------------------------------- 日时
def day_stars_on(day, hz):
    stars = []
    if ZHI[hz] in TIANYI[day]:
        stars.append("天乙贵人")
    if WENCHANG[day] == ZHI[hz]:
        stars.append("文昌")
    if LU[day] == ZHI[hz]:
        stars.append("日禄（归禄）")
    if YANGREN.get(day) == ZHI[hz]:
        stars.append("羊刃")
    return stars


def hour_common(day, hp):
    hs, hz = hp % 10, hp % 12
    parts = [f"时柱{jiazi(hp)}，纳音{nayin(hp)}。时干{gan_name(hs)}为日主的{shen10(day, hs)}"
             f"（主要关乎{SHEN_MEANING[shen10(day, hs)]}），{hidden_desc(day, hz)}，"
             f"日主在{ZHI[hz]}的十二长生为{yun12(day, hz)}。"]
    stars = day_stars_on(day, hz)
    if stars:
        parts.append(f"以日干查神煞，时支{ZHI[hz]}带{'、'.join(stars)}。")
    if hp in JINSHEN_HOURS:
        parts.append(f"{jiazi(hp)}时为金神时。")
    return "".join(parts)


# Day-pillar stars and the empty branches of each decade, as the relation
# engine finds them.
DAY_PILLAR_STARS = [("魁罡", {34, 16, 46, 28}), ("日德", {50, 52, 4, 16, 58}),
                    ("日贵", {33, 23, 39, 29}), ("孤鸾", {50, 41, 42, 53, 54, 44, 47, 48, 29})]
XUNKONG = ["戌亥", "申酉", "午未", "辰巳", "寅卯", "子丑"]


def root_text(day, z):
    """Whether the day master has a root in branch z, judged by its hidden stems."""
    same = [GAN[s] for s in CANG[z] if gan_wx(s) == gan_wx(day)]
    mother = [GAN[s] for s in CANG[z] if (gan_wx(s) + 1) % 5 == gan_wx(day)]
    if same:
        return f"{ZHI[z]}中藏有与日主同类的{'、'.join(same)}，日主在此有根。"
    if mother:
        return f"{ZHI[z]}中藏{'、'.join(mother)}生扶日主，但没有同类之根。"
    return f"{ZHI[z]}中既无同类也无生扶日主的藏干，日主在此无根，需要其他各柱扶持。"


def rishi_one_row(dp, hp):
    day, dz = dp % 10, dp % 12
    hs, hz = hp % 10, hp % 12
    head = f"{jiazi(dp)}日{jiazi(hp)}时。日柱{jiazi(dp)}，纳音{nayin(dp)}。"
    day_stars = [name for name, values in DAY_PILLAR_STARS if dp in values]
    if day_stars:
        head += f"{jiazi(dp)}日为{'、'.join(day_stars)}日。"
    rel = []
    comb = stem_combination(day, hs)
    if comb:
        rel.append(f"日干{GAN[day]}与时干{GAN[hs]}{comb}")
    if day == hs and dz == hz:
        rel.append("日柱与时柱相同，为伏吟")
    elif (hp - dp) % 60 == 6 or (dp - hp) % 60 == 6:
        rel.append("日柱与时柱天克地冲，为反吟")
    br = branch_relations(dz, hz)
    if ZHI[hz] in XUNKONG[dp // 10]:
        rel.append(f"时支{ZHI[hz]}落在{jiazi(dp)}日所在旬的空亡")
    if br:
        rel.append(f"日支{ZHI[dz]}与时支{ZHI[hz]}{'、'.join(br)}")
    if rel:
        relation = "日时关系：" + "，".join(rel) + "。"
    else:
        relation = f"日时关系：日支{ZHI[dz]}与时支{ZHI[hz]}之间没有合、冲、刑、害。"
    reading = "读法：习惯上以时柱看晚年与子女，并看日主在时支是否有根。" + root_text(day, hz)
    return section(head + hour_common(day, hp), relation, reading)


def rishi_two_row(day, hp):
    hz = hp % 12
    head = f"{GAN[day]}日{jiazi(hp)}时（{ZHI[hz]}时，{HOUR_RANGE[hz]}）。"
    return section(head + hour_common(day, hp),
                   "时支的根气：" + root_text(day, hz),
                   "此条只看日干与时柱，日支与时支的合冲请参看按日柱查得的条目。")


# ---------------------------------------------------------------- 月令取格
GE_NEEDS = {
    "正官": "正官格喜财星生官、印星护官，日主需有一定力量承受，忌伤官见官与官杀混杂。",
    "七杀": "七杀格喜食神制杀或印星化杀，日主强才能任杀，忌杀重身轻而无制化。",
    "正财": "正财格喜日主强健能担财，官星护财，忌比劫分夺。",
    "偏财": "偏财格喜日主强健，食伤生财，忌比劫争夺。",
    "正印": "正印格喜官杀生印，日主偏弱时尤为有用，忌财星克坏印星。",
    "偏印": "偏印格喜财星制约、官杀相生，若局中有食神则忌偏印夺食。",
    "食神": "食神格喜日主有力、食神生财，忌偏印夺食。",
    "伤官": "伤官格喜伤官生财或伤官配印，忌伤官见官。",
}


def ge_row(day, mz):
    main = CANG[mz][0]
    god = shen10(day, main)
    rest = [(GAN[s], shen10(day, s)) for s in CANG[mz][1:]]
    rest_text = "、".join(f"{s}（{g}）" for s, g in rest)
    head = (f"日主{gan_name(day)}，月令{ZHI[mz]}（约农历{MONTH_NUMBER_NAME[mz]}）。{hidden_desc(day, mz)}。")
    if LU[day] == ZHI[mz]:
        ge = (f"月令是日主的禄地，为建禄格。建禄格月令无财官可取，"
              f"喜官杀约束或财星、食伤泄耗，忌再见比劫。")
    elif YANGREN.get(day) == ZHI[mz]:
        ge = (f"月令是日主的羊刃，为月刃格。月刃格日主得令而极旺，"
              f"喜官杀制刃，财星、食伤也可疏通，忌再见比劫。")
    elif god in ("比肩", "劫财"):
        ge = (f"月令本气为{god}，不以比劫取格，习惯上看月中其余藏干{rest_text}哪一个透出天干来定格。")
    else:
        ge = f"月令本气{GAN[main]}为{god}，可取{god}格，透出天干则格局更清。"
        others = [(h, g) for h, g in rest if g not in ("比肩", "劫财")]
        if others:
            ge += f"月中余气{'、'.join(f'{h}（{g}）' for h, g in others)}若透出天干，也常据以取格。"
        ge += GE_NEEDS[god]
    note = "说明：本条是本程序按子平法“以月令取格”的通例整理，只看日干与月令，成格与否还要看全局的透藏与配合。"
    return section(head, ge, note)


# ---------------------------------------------------------------- 十干、十二支
STEM_IMAGE = [
    "阳木，常以参天大树、栋梁之材作比，性直而向上",
    "阴木，常以花草藤萝作比，柔韧而善于攀援依附",
    "阳火，常以太阳作比，光明外放，普照万物",
    "阴火，常以灯烛星火作比，光亮内敛而持久",
    "阳土，常以高山、城墙、堤岸作比，厚重稳固",
    "阴土，常以田园湿土作比，能蓄养，能包容",
    "阳金，常以刀斧、矿石作比，刚健而待火炼成器",
    "阴金，常以珠玉首饰作比，温润精致，喜水淘洗",
    "阳水，常以江河大海作比，奔流不息，气势广大",
    "阴水，常以雨露泉水作比，细润无声，滋养万物",
]
SEASON_OF_WX = ["春季（寅卯月）", "夏季（巳午月）", "四季末月（辰未戌丑月）", "秋季（申酉月）", "冬季（亥子月）"]


def stem_row(s):
    partner = next(b if a == s else a for a, b in [(0, 5), (1, 6), (2, 7), (3, 8), (4, 9)] if s in (a, b))
    start = [z for z in range(12) if yun12(s, z) == "长生"][0]
    text1 = f"{GAN[s]}为{STEM_IMAGE[s]}。"
    text2 = (f"{GAN[s]}属{WUXING[gan_wx(s)]}，在{SEASON_OF_WX[gan_wx(s)]}当令。"
             f"十二长生从{ZHI[start]}起长生，"
             f"{'顺行' if s % 2 == 0 else '逆行'}，禄在{LU[s]}"
             + (f"，羊刃在{YANGREN[s]}" if s in YANGREN else "") + "。"
             f"天乙贵人在{'、'.join(TIANYI[s])}，文昌在{WENCHANG[s]}。"
             f"{GAN[s]}与{GAN[partner]}五合，合化之五行为{GANHE_WX[min(s, partner) % 5]}。")
    return section(text1, text2)


def branch_row(z):
    six = next(b if a == z else a for a, b in [(0, 1), (6, 7), (2, 11), (3, 10), (4, 9), (5, 8)] if z in (a, b))
    clash = (z + 6) % 12
    harm = next(b if a == z else a for a, b in [(0, 7), (1, 6), (2, 5), (3, 4), (9, 10), (8, 11)] if z in (a, b))
    frame = next(t for t in [(8, 0, 4, "水"), (5, 9, 1, "金"), (11, 3, 7, "木"), (2, 6, 10, "火")] if z in t[:3])
    kind = ["四旺（子午卯酉）", "四库（辰戌丑未）", "四生（寅申巳亥）"][[0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2][z]]
    start, end = MONTH_TERMS[z]
    stems = "、".join(GAN[s] for s in CANG[z])
    text1 = (f"{ZHI[z]}，生肖属{ZODIAC[z]}，{'阳' if z % 2 == 0 else '阴'}支，五行属{WUXING[zhi_wx(z)]}，"
             f"方位{DIRECTION[z]}。{ZHI[z]}月从{start}到{end}，大致对应农历{MONTH_NUMBER_NAME[z]}，"
             f"{MONTH_SEASON[z]}。{ZHI[z]}时为{HOUR_RANGE[z]}。")
    hidden = (f"{ZHI[z]}中只藏{stems}一干。" if len(CANG[z]) == 1
              else f"{ZHI[z]}中藏{stems}，本气为{GAN[CANG[z][0]]}。")
    text2 = (f"{hidden}{ZHI[z]}属{kind}。"
             f"{ZHI[z]}与{ZHI[six]}六合，与{ZHI[clash]}相冲，与{ZHI[harm]}相害，"
             f"与{join_cn(ZHI[b] for b in frame[:3] if b != z)}合成{frame[3]}局。")
    return section(text1, text2)


# ---------------------------------------------------------------- output
def rows():
    for day in range(10):
        for pos in range(12):
            yield "baojian", str(day), str(pos), None, baojian_row(day, pos)
    for day in range(10):
        for mz in range(12):
            for hz in range(12):
                yield "WQLTiYao", str(day), str(mz), str(hz), strength_row(day, mz, hz)
    for w in range(20, 73):
        yield "YuanTianGCheng", str(w // 10), str(w % 10), None, weight_row(w)
    for dp in range(60):
        for hz in range(12):
            hp = hour_pillar(dp, hz)
            yield "SanMingRiShiOne", str(dp), str(hp), None, rishi_one_row(dp, hp)
    for day in range(10):
        for hz in range(12):
            hp = hour_pillar(day, hz)
            yield "SanMingRiShiTwo", str(day), str(hp), None, rishi_two_row(day, hp)
    for day in range(10):
        for mz in range(12):
            yield "JinBuHuan", str(day), str(mz), None, ge_row(day, mz)
    for s in range(10):
        yield "ShiGanTiXiang", str(s), None, None, stem_row(s)
    for z in range(12):
        yield "ShiErZhiYong", str(z), None, None, branch_row(z)


def sql_value(v):
    if v is None:
        return "NULL"
    if isinstance(v, int):
        return str(v)
    if ";" in v or "'" in v or "\n" in v:
        raise ValueError("text not allowed in the script: " + v[:40])
    return "'" + v + "'"


def main():
    cols = ",".join(f"`{c}`" for c in COLUMNS)
    lines = [
        "-- generated - do not edit. Regenerate with: python3 tools/gen_book_data.py",
        "-- Sources: the fact tables of tools/bazi_facts.py and the commentary templates of",
        "-- tools/gen_book_data.py (the program's own text).",
        "CREATE TABLE `bookData` (`seqid` INTEGER NOT NULL,`bookname` TEXT NOT NULL,"
        "`idx01` TEXT NOT NULL,`idx02` TEXT,`idx03` TEXT,`idx04` TEXT,`idx05` TEXT,"
        "`content01` TEXT,`content02` TEXT,`content03` TEXT,`content04` TEXT,`content05` TEXT,"
        "PRIMARY KEY(`seqid`));",
    ]
    seq = 0
    for book, i1, i2, i3, text in rows():
        seq += 1
        values = [seq, book, i1, i2, i3, None, None, text, None, None, None, None]
        lines.append(f"INSERT INTO `bookData` ({cols}) VALUES ({','.join(sql_value(v) for v in values)});")
    lines.append("CREATE INDEX `idxbookname` ON `bookData` (`bookname`);")
    lines.append("CREATE INDEX `idxidx01` ON `bookData` (`idx01`);")
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{OUT.relative_to(ROOT)}: {seq} rows")


if __name__ == "__main__":
    main()
