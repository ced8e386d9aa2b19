#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the book reader's pages: the frame and the seven volumes of the
program's own guide to the 子平 method, each with its Traditional Chinese
variant (".hk", converted by OpenCC with Taiwan phrases).

Regenerate with (needs the `opencc` command, Debian package opencc):
    python3 tools/gen_guide_pages.py

Writes datafiles/html/yuanhaiziping_frame.html(.hk) and
datafiles/html/yuanhaiziping_para1.html(.hk) .. para7.html(.hk).
The prose below is this program's own; the tables are generated from the fact
tables in tools/bazi_facts.py, the same facts the program computes with.
The volume pages are fragments (one <div>): the program inserts volume 1 into
the frame at the placeholder and hands volumes 2-7 to the frame's
theParaArray. Line feeds are removed by the program, so no markup here may
depend on them.
"""
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bazi_facts import (CANG, GAN, LU, MONTH_TERMS, NAYIN, TIANYI, TIAOHOU, WENCHANG, WUXING,  # noqa: E402
                        YANGREN, ZHI, gan_wx, jiazi, shen10, wangxiang, yun12, zhi_wx)

ROOT = Path(__file__).resolve().parent.parent
HTML = ROOT / "datafiles" / "html"
HEADER = "<!-- generated - do not edit. Regenerate with: python3 tools/gen_guide_pages.py -->"


def table(head, rows):
    out = ["<table>", "<tr>" + "".join(f"<th>{h}</th>" for h in head) + "</tr>"]
    out += ["<tr>" + "".join(f"<td>{c}</td>" for c in row) + "</tr>" for row in rows]
    out.append("</table>")
    return "\n".join(out)


def section(title, *blocks):
    body = []
    for b in blocks:
        body.append(b if b.startswith("<") else f"<p>{b}</p>")
    return f"<h3>{title}</h3>\n" + "\n".join(body)


ZODIAC = "鼠牛虎兔龙蛇马羊猴鸡狗猪"
HOURS = ["23-1时", "1-3时", "3-5时", "5-7时", "7-9时", "9-11时", "11-13时", "13-15时",
         "15-17时", "17-19时", "19-21时", "21-23时"]
STEM_IMAGE = ["大树、栋梁", "花草、藤萝", "太阳", "灯烛、星火", "高山、城墙", "田园湿土",
              "刀斧、矿石", "珠玉", "江河大海", "雨露泉水"]
ZHONGQI = {2: "雨水", 3: "春分", 4: "谷雨", 5: "小满", 6: "夏至", 7: "大暑", 8: "处暑", 9: "秋分",
           10: "霜降", 11: "小雪", 0: "冬至", 1: "大寒"}
MONTH_NO = {2: "正月", 3: "二月", 4: "三月", 5: "四月", 6: "五月", 7: "六月", 8: "七月",
            9: "八月", 10: "九月", 11: "十月", 0: "十一月", 1: "十二月"}


# The worked example of every volume: 甲子年 丙寅月 戊辰日 戊午时, a man.
EXAMPLE = [0, 2, 4, 54]
EX_DAY = EXAMPLE[2] % 10
EX_NAMES = "、".join(jiazi(k) for k in EXAMPLE)


def example_counts():
    main, full = [0] * 5, [0] * 5
    for k in EXAMPLE:
        for counter in (main, full):
            counter[gan_wx(k % 10)] += 1
            counter[gan_wx(CANG[k % 12][0])] += 1
        for s in CANG[k % 12][1:]:
            full[gan_wx(s)] += 1
    return main, full


def example(title, *paragraphs):
    return section("示例：" + title, *paragraphs)


# ------------------------------------------------------------------ volume 1
def volume1():
    stems = table(["天干", "阴阳", "五行", "常用意象"],
                  [[GAN[s], "阳" if s % 2 == 0 else "阴", WUXING[gan_wx(s)], STEM_IMAGE[s]] for s in range(10)])
    branches = table(["地支", "生肖", "五行", "月份（节气）", "时辰", "藏干（本气在前）"],
                     [[ZHI[z], ZODIAC[z], WUXING[zhi_wx(z)],
                       f"{MONTH_NO[z]}（{MONTH_TERMS[z][0]}起）", HOURS[z], "".join(GAN[s] for s in CANG[z])]
                      for z in range(12)])
    nayin = table(["干支", "纳音", "干支", "纳音", "干支", "纳音"],
                  [[f"{jiazi(2 * i)}、{jiazi(2 * i + 1)}", NAYIN[i],
                    f"{jiazi(2 * i + 20)}、{jiazi(2 * i + 21)}", NAYIN[i + 10],
                    f"{jiazi(2 * i + 40)}、{jiazi(2 * i + 41)}", NAYIN[i + 20]] for i in range(10)])
    return [
        "<h2>卷一　天干地支与四柱</h2>",
        section("本卷要点",
                "子平法把一个人出生的年、月、日、时各写成一对天干地支，合称四柱，共八个字，所以也叫八字。"
                "日柱的天干称为日主或日元，代表命主本人，其余七个字都从它与日主的关系来看。"
                "本卷介绍十天干、十二地支、六十甲子与纳音，并说明本程序怎样从出生时间排出四柱。"),
        section("十天干",
                "天干共十个，按甲乙丙丁戊己庚辛壬癸的次序，两两同属一行：甲乙木，丙丁火，戊己土，庚辛金，壬癸水。"
                "每一对里前一个为阳，后一个为阴。阳干气势外放，阴干气质内敛，论命时阴阳会影响十神的区分。",
                stems),
        section("十二地支与藏干",
                "地支共十二个，从子到亥。地支既标记月份，也标记时辰：寅为正月，以立春为起点；子时从晚上23时到次日1时。"
                "每个地支里藏有一到三个天干，叫作藏干。排在最前的是本气，力量最大，其余为中气、余气。"
                "看一个地支对日主的作用，主要看它的藏干。",
                branches),
        section("节气与月份",
                "子平法的月份以节气为界，每月从“节”开始，月中有一个“中气”。下表是十二个月支对应的节与中气，"
                "本程序判断出生在哪个月、是否已过中气（命宫要用到），都以节气的精确时刻为准：",
                table(["月支", "起始的节", "中气", "大致的农历月"],
                      [[ZHI[z], MONTH_TERMS[z][0], ZHONGQI[z], MONTH_NO[z]] for z in (2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1)])),
        section("六十甲子与纳音",
                "天干与地支按次序配对，阳干配阳支，阴干配阴支，从甲子开始到癸亥结束，共六十对，周而复始。"
                "本程序内部把甲子记作0，癸亥记作59，某一柱的天干就是这个序号除以10的余数，地支是除以12的余数。"
                "纳音是给每两对干支起的一个五行名称，常在排盘时附带显示：",
                nayin),
        section("本程序怎样排四柱",
                "年柱：以立春为一年之始，而不是农历正月初一。本程序用出生时刻在节气表中找到所属的年份，"
                "年柱序号等于（该年份减1984）除以60的余数，1984年立春后为甲子年。",
                "月柱：每个月从一个“节”开始（立春、惊蛰、清明……小寒），到下一个“节”为止。"
                "月柱由年柱推出：甲年与己年的正月为丙寅，其余依次类推，本程序的算法是（月序号＋12×年柱序号＋1）除以60的余数。",
                "日柱：日柱每天前进一位，与月份无关。本程序以1971年8月7日为甲子日，从这一天数起，天数除以60的余数就是日柱。",
                "时柱：一天分十二个时辰，每个时辰两小时。时干由日干推出，甲日与己日的子时为甲子，乙日与庚日的子时为丙子，依此类推。"
                "23时以后属于下一天的子时：选“子时换日”时，日柱也换到下一天；选“零点换日”时，日柱不变，时柱仍取下一天的子时。",
                "真太阳时：钟表时间是时区的标准时间，与出生地的太阳时间有差别。输入时可以选用经度修正（平太阳时）或真太阳时，"
                "本程序按出生地经度和当天的时差算出修正后的时刻，用它来定时辰和判断是否已过节气。"
                "在有夏令时记录的地区，还可以先把夏令时的钟表时间拨回一小时。"),
        example("一张命盘",
                f"以下各卷都用同一张命盘作例子：四柱为{EX_NAMES}，男命。日柱{jiazi(EXAMPLE[2])}，"
                f"日主是{GAN[EX_DAY]}{WUXING[gan_wx(EX_DAY)]}。年柱{jiazi(EXAMPLE[0])}说明出生在甲子年的立春之后；"
                f"月柱{jiazi(EXAMPLE[1])}是甲年的正月，即立春到惊蛰之间；时柱{jiazi(EXAMPLE[3])}是戊日的午时（11时至13时）。"
                f"四柱的纳音依次为{'、'.join(NAYIN[k // 2] for k in EXAMPLE)}。"),
    ]


# ------------------------------------------------------------------ volume 2
SHEN_DESC = [
    ("比肩", "与日主同五行、同阴阳", "代表同辈、朋友、自我意识与独立"),
    ("劫财", "与日主同五行、异阴阳", "代表竞争与合作，也有分夺财物之意"),
    ("食神", "日主所生、同阴阳", "代表才艺、口福与温和的表达"),
    ("伤官", "日主所生、异阴阳", "代表才华外露、锋芒与变革"),
    ("偏财", "日主所克、同阴阳", "代表流动之财、机遇与人缘"),
    ("正财", "日主所克、异阴阳", "代表稳定的收入、务实与经营"),
    ("七杀", "克日主、同阴阳", "代表压力、魄力、竞争与决断，也称偏官"),
    ("正官", "克日主、异阴阳", "代表规则、职责、名誉与约束"),
    ("偏印", "生日主、同阴阳", "代表偏门学问、独立思考，也称枭神"),
    ("正印", "生日主、异阴阳", "代表学业、庇护、长辈与名声"),
]


def volume2():
    rule = table(["十神", "与日主的关系", "常见含义"], [list(r) for r in SHEN_DESC])
    grid = table(["日干＼他干"] + list(GAN),
                 [[GAN[d]] + [shen10(d, o) for o in range(10)] for d in range(10)])
    return [
        "<h2>卷二　十神</h2>",
        section("十神从哪里来",
                "十神是把其余七个字按它们与日主的五行生克、阴阳异同来分类的名称。"
                "五行之间有两种基本关系：相生（木生火，火生土，土生金，金生水，水生木）和相克（木克土，土克水，水克火，火克金，金克木）。"
                "一个天干对日主来说，只有五种情形：与日主同类、被日主所生、被日主所克、克日主、生日主。"
                "每种情形再按阴阳是否相同分成两类，便得到十神。",
                rule),
        section("十神总表",
                "下表由上面的规则直接推出，行是日干，列是另一个天干。本程序在排盘中显示的十神都依这一规则计算。",
                grid),
        section("地支里的十神",
                "地支不直接论十神，而是看它的藏干。例如甲日见寅，寅藏甲、丙、戊，分别为比肩、食神、偏财。"
                "本程序在每柱地支下列出藏干，并按日干给出各藏干的十神简称：比、劫、食、伤、才（偏财）、财（正财）、杀、官、枭（偏印）、印。"),
        section("常见的十神组合",
                "财生官：财星生助官星，多被看作名与利互相支持。"
                "杀印相生：七杀生印，印再生日主，压力转化为扶助。"
                "食神制杀：食神克制七杀，使七杀的力量为我所用。"
                "伤官配印：印星约束伤官，才华得以收敛而有分寸。"
                "伤官见官：伤官克正官，传统上认为容易与规则、上级冲突。"
                "枭神夺食：偏印克食神，传统上认为会妨碍才艺与享受。"
                "比劫夺财：比劫多而财星少，财物容易被分夺。"
                "官杀混杂：正官与七杀同时透出，约束来自多方而不专一。"
                "这些组合是否成立，要看各字的力量和位置，不能只看名称。"),
        section("读十神的要点",
                "十神本身没有好坏，关键在于多少与配合。日主强时，克泄耗它的官杀、食伤、财星往往有用；"
                "日主弱时，生扶它的印星、比劫往往有用。同一个十神，出现在年、月、日、时不同的位置，"
                "习惯上也对应人生的不同阶段与不同的人际关系：年柱多看祖上与早年，月柱看父母兄弟与青年，"
                "日支看配偶，时柱看子女与晚年。"),
        example("命盘的十神",
                "日主" + GAN[EX_DAY] + "土。" + "，".join(
                    f"{['年', '月', '时'][i]}干{GAN[EXAMPLE[c] % 10]}为{shen10(EX_DAY, EXAMPLE[c] % 10)}"
                    for i, c in enumerate((0, 1, 3))) + "。"
                + "地支藏干：" + "；".join(
                    f"{ZHI[EXAMPLE[c] % 12]}藏" + "、".join(f"{GAN[h]}（{shen10(EX_DAY, h)}）" for h in CANG[EXAMPLE[c] % 12])
                    for c in range(4)) + "。"
                "可见这张命盘七杀与印星都透出天干，比劫藏在地支中。"),
    ]


# ------------------------------------------------------------------ volume 3
def volume3():
    seasons = [("春（寅卯）", 0), ("夏（巳午）", 1), ("四季末（辰未戌丑）", 2), ("秋（申酉）", 3), ("冬（亥子）", 4)]
    wx = table(["季节"] + list(WUXING),
               [[name] + [wangxiang(e, m) for e in range(5)] for name, m in seasons])
    stages = table(["日干＼地支"] + list(ZHI),
                   [[GAN[d]] + [yun12(d, z) for z in range(12)] for d in range(10)])
    return [
        "<h2>卷三　旺衰与四季</h2>",
        section("为什么先看强弱",
                "子平法论命，第一步通常是判断日主的强弱：日主的力量与克泄它的力量相比，哪一方占上风。"
                "强弱决定了后面取什么来平衡，因此是取格、取用神的基础。判断强弱主要看三点：得令、得地、得势。"),
        section("得令：旺相休囚死",
                "得令看月令。每个季节有一个当令的五行：春木、夏火、秋金、冬水，辰未戌丑四个月为土。"
                "与当令五行相同的为旺，被它所生的为相，生它的为休，克它的为囚，被它克的为死。"
                "日主在旺、相之月为得令，在休、囚、死之月为失令。",
                wx),
        section("得地：十二长生",
                "得地看日主在各地支的根气，传统用十二长生表示：长生、沐浴、冠带、临官、帝旺、衰、病、死、墓、绝、胎、养。"
                "阳干从长生之地顺行，阴干逆行。日主在临官、帝旺之地最有力，在长生、冠带也有根；"
                "地支藏有与日主同类或生日主的天干，也算有根。下表是本程序使用的十二长生：",
                stages),
        section("得势：天干的帮扶",
                "得势看其余天干与地支中生扶日主的字多不多。印星与比劫多，日主有势；官杀、食伤、财星多，日主的力量被分散。"),
        section("本程序给出的参考",
                "排盘时每一柱下方显示日主在该地支的十二长生。“原局概览”中列出五行个数：一种只数四个天干与四个地支的本气，"
                "另一种连中气、余气也算在内，并指出缺少的五行。还列出月令当令的说明（可在设置中选择不同流派的说法）、"
                "出生所在月份的节与中气的时刻。“月令与时支强弱参考”一节按日干、月支、时支给出得令与否和强弱倾向。"
                "这些都只是局部的指标，强弱的最终判断仍需综合全局。"),
        example("命盘的强弱",
                f"日主戊土生于寅月，寅月木当令，木克土，所以戊土在此月为“{wangxiang(2, 0)}”，失令。"
                f"但戊土在寅为{yun12(EX_DAY, 2)}，在时支午为{yun12(EX_DAY, 6)}，在日支辰为{yun12(EX_DAY, 4)}，"
                "三个地支都藏有戊或己，根气不弱；月干丙火生土，时干戊土帮身。"
                "失令而得地、得势，这张命盘的日主不能简单看作弱。",
                "本程序给出的五行个数：按本气计为"
                + "、".join(f"{WUXING[i]}{example_counts()[0][i]}" for i in range(5))
                + "，含藏干计为" + "、".join(f"{WUXING[i]}{example_counts()[1][i]}" for i in range(5))
                + "，五行缺金。"),
    ]


# ------------------------------------------------------------------ volume 4
def volume4():
    return [
        "<h2>卷四　格局</h2>",
        section("以月令取格",
                "格局是对整个命局结构的概括。子平法的通例是以月令取格：月令即出生月的地支，代表当令之气，在四柱中力量最大，"
                "看月支的本气对日主是什么十神，就以它命名格局，例如月令本气为正官，称正官格。"
                "如果月支藏干中有透出到天干的，常优先取透出的那一个。"),
        section("八种正格",
                "正官格、七杀格、正财格、偏财格、正印格、偏印格、食神格、伤官格，合称八格。"
                "月令本气为比肩或劫财时，不以比劫取格：月令是日主的禄地，称建禄格；阳干月令为羊刃，称月刃格；"
                "其余情形看月中其他藏干透出者定格。"),
        section("格局的喜忌",
                "每种格局都有习惯上的喜忌：正官格喜财印相辅而忌伤官；七杀格喜有制化；财格喜身强能任财；"
                "印格喜官杀生印而忌财星坏印；食神格忌偏印夺食；伤官格喜生财或配印而忌见官；"
                "建禄格与月刃格喜官杀或财、食伤来平衡过旺的日主。"
                "格局有成有败：喜的字齐备而不被破坏为成格，被冲克合去则为破格。"),
        section("特殊格局",
                "当日主极弱而全局一片克泄，或日主极强而全局都来生扶，传统上有从格、专旺格之类的说法，"
                "这时不再按扶抑论，而是顺从局中最强的势力。这类判断需要审慎，不能只凭一两个字下结论。"),
        section("本程序怎样处理格局",
                "本程序不自动判定格局。“月令取格参考”一节按日干与月支列出月令藏干的十神、按通例可取的格与其喜忌，"
                "帮助阅读者自己判断；透干与否、成格破格，还需要对照四柱全盘来看。"),
        example("命盘的格局",
                f"月令寅的本气甲木对戊土为{shen10(EX_DAY, 0)}，年干又透出甲木，可取七杀格。"
                f"寅中丙火透于月干，为{shen10(EX_DAY, 2)}，七杀生印、印生日主，传统称为杀印相生，"
                "七杀的压力经印星转化为对日主的扶助。"),
    ]


# ------------------------------------------------------------------ volume 5
def volume5():
    rows = []
    for d in range(10):
        rows.append([GAN[d]] + ["".join(TIAOHOU[GAN[d]][pos]) for pos in range(12)])
    tiaohou = table(["日干＼月"] + [f"{ZHI[(p + 2) % 12]}月" for p in range(12)], rows)
    return [
        "<h2>卷五　用神与调候</h2>",
        section("什么是用神",
                "用神是命局中最需要、对平衡最有帮助的那个五行或十神。取用神常见的思路有四种："
                "扶抑（日主弱则扶，强则抑）、调候（寒则暖之，热则润之）、通关（两种力量相战时取中间相生的一行来疏通）、"
                "病药（局中有一个字造成失衡，取能制约它的字）。在实际命局中，这几种思路往往要同时考虑。"),
        section("调候",
                "调候着眼于季节的寒暖燥湿。生在冬天的命局寒冷，需要火来温暖；生在夏天的命局炎热，需要水来滋润。"
                "明清以来流行的调候法把每个日干在十二个月里所喜的天干按先后列出，下表是本程序整理的通行调候取用（排在前面的优先）：",
                tiaohou),
        section("怎样读这张表",
                "表中的天干要在命局中出现，最好透出天干并在地支有根，作用才明显。调候用神与扶抑用神不一定相同，"
                "比如夏天的木日主即使身强，也常先取水来润燥。调候只是取用的一个方面，不能代替对全局的判断。"),
        section("本程序给出的参考",
                "排盘页的“调候参考”一节按日干与出生月份，列出本表中的所喜天干，并说明每个天干对日主的十神和作用。"
                "这些说明由本程序根据五行生克与季节整理，并非古书原文。"),
        example("命盘的调候",
                f"戊土生于寅月，表中所列为{'、'.join(TIAOHOU['戊'][0])}。初春余寒未尽，丙火暖土最为要紧，"
                "这张命盘月干正好透出丙火，寅中藏丙、午中藏丁，火气充足；甲木疏土，年干已透；"
                "癸水滋润，只藏在子、辰两支中。"),
    ]


# ------------------------------------------------------------------ volume 6
def volume6():
    return [
        "<h2>卷六　大运与流年</h2>",
        section("大运的顺逆",
                "大运是从月柱出发、每十年一换的干支。阳年（年干为甲丙戊庚壬）出生的男性与阴年出生的女性顺排，"
                "即从月柱的下一个干支开始；阴年出生的男性与阳年出生的女性逆排，从月柱的上一个干支开始。"
                "本程序据此给出第一步大运，其后每步依次前进或后退一位，共列出十步。"),
        section("起运的时间",
                "起运时间由出生时刻到相邻节气的距离决定：顺排量到下一个节，逆排量到上一个节。"
                "传统的折算是三天折一年。本程序先把所在的节气月按30天折算（不同月份长短略有差异），"
                "再按三天一年换算成岁数，精确到月，并给出起运的公历日期。两个方向的起运岁数相加总是十年。"),
        section("流年、流月、流日",
                "流年就是每一年的年柱，同样以立春为界；流月是每个节气月的月柱；流日是每天的日柱。"
                "看运势时，把大运和流年的干支与原局四柱放在一起，看它们对日主和用神的生克合冲。"),
        section("看大运的要点",
                "大运对命局的影响，主要看它的干支对日主与用神是帮助还是妨碍：用神得到生扶、忌神受到制约的大运，"
                "一般被看作顺遂；反之则多阻力。大运与原局各柱之间的合冲也要留意，尤其是与月柱、日柱的冲合。"
                "民间还有“天干管前五年，地支管后五年”的说法，但多数论者认为干支应合看，本程序不作这种切分。"),
        section("岁运并临与伏吟反吟",
                "大运与流年的干支完全相同，称岁运并临，传统上认为这一年的作用特别突出。"
                "两柱干支完全相同称伏吟；天干相克、地支相冲（相差六位）称反吟，也叫天克地冲。"),
        section("本程序怎样显示",
                "排盘页列出十步大运，每步标明起始的年份和岁数，可以选择显示周岁或虚岁。"
                "选定一步大运后，可以继续查看其中的流年，再到流月、流日。"
                "所选的大运与流年、流月、流日会一起送入神煞与刑冲合会的计算。"),
        example("命盘的大运",
                f"年干甲为阳，男命顺排：第一步大运是月柱{jiazi(EXAMPLE[1])}的下一位{jiazi(EXAMPLE[1] + 1)}，"
                f"其后为{'、'.join(jiazi(EXAMPLE[1] + i) for i in range(2, 6))}……若是女命则逆排，"
                f"第一步为{jiazi(EXAMPLE[1] - 1)}，其后为{'、'.join(jiazi((EXAMPLE[1] - i) % 60) for i in range(2, 6))}……",
                "起运岁数的折算：若出生在立春后第9天，而这个节气月长30天，逆排时距上一个节9天，折合3岁；"
                "顺排时距下一个节21天，折合7岁，两者相加为10年。"),
    ]


# ------------------------------------------------------------------ volume 7
def volume7():
    daystars = table(["日干", "天乙贵人", "文昌", "日禄", "羊刃"],
                     [[GAN[d], "、".join(TIANYI[d]), WENCHANG[d], LU[d], YANGREN.get(d, "—")] for d in range(10)])
    return [
        "<h2>卷七　神煞与刑冲合会</h2>",
        section("神煞是什么",
                "神煞是按固定规则从日干、年支、日支或月支推出的一些标记，例如天乙贵人、文昌、驿马、桃花、华盖、空亡等。"
                "它们是对命局的补充说明，轻重次于五行强弱与格局，不宜单凭神煞论吉凶。"),
        section("以日干查的神煞",
                "下表是本程序用日干查找的几种神煞所在的地支。命局中任何一柱的地支落在这里，就在那一柱标出：",
                daystars),
        section("以年支、日支查的神煞",
                "将星、驿马、华盖、桃花、劫煞、亡神等按三合局推出：申子辰年（或日）的将星在子、驿马在寅、华盖在辰、桃花在酉，"
                "其余三组依此类推。孤辰、寡宿按方位组推出。本程序先用年支查一遍，再用日支查一遍；年支与日支相同时只查一遍。"),
        section("以月支查的神煞与日柱神煞",
                "天德、月德按出生月支查天干或地支。魁罡（戊戌、庚辰、庚戌、壬辰）、日德、日贵、孤鸾看日柱本身，"
                "金神看时柱（乙丑、己巳、癸酉），天赦看月支与日柱的搭配。"),
        section("空亡",
                "六十甲子每十个为一旬，一旬中有两个地支没有配到天干，称为这一旬的空亡。"
                "甲子旬空戌亥，甲戌旬空申酉，甲申旬空午未，甲午旬空辰巳，甲辰旬空寅卯，甲寅旬空子丑。"
                "本程序分别以年柱和日柱所在的旬查空亡，标在落空的那一柱上。"),
        section("合、冲、刑、害、会",
                "天干五合：甲己、乙庚、丙辛、丁壬、戊癸。地支六合：子丑、寅亥、卯戌、辰酉、巳申、午未。"
                "六冲：子午、丑未、寅申、卯酉、辰戌、巳亥。六害：子未、丑午、寅巳、卯辰、申亥、酉戌。"
                "相刑：寅巳申、丑未戌三者全为三刑，见其中两个为相刑，子卯相刑；辰午酉亥两见为自刑。"
                "三合局：申子辰水、亥卯未木、寅午戌火、巳酉丑金；只见中间的旺支与另一支为半三合。"
                "三会：寅卯辰木、巳午未火、申酉戌金、亥子丑水。四柱地支寅申巳亥齐全为四生，子午卯酉齐全为四旺，辰戌丑未齐全为四库。"),
        section("本程序怎样计算",
                "本程序把原局四柱、大运、流年、流月、流日、命宫、胎元共十柱放在一起计算。"
                "每找到一种关系，就在涉及的每一柱上各记一次，同一柱同一种关系只显示第一次找到的那一条。"
                "两柱干支完全相同记为伏吟（大运与流年相同则记为岁运并临），天克地冲记为反吟，"
                "干合而支也合记为鸳鸯双合。命宫和胎元参与地支的合冲刑害，但不参与整柱的比较。"),
        section("命宫与称骨",
                "命宫由出生月支与时支推出，并看出生时是否已过当月的中气。称骨是民间的趣味算法：年柱、农历月、农历日、时辰"
                "各查一个骨重相加。本程序在“原局概览”中给出命宫，在“称骨参考”中给出骨重分档，后者只宜作趣味参考。"),
        example("命盘的神煞与关系",
                "戊日的羊刃在午，时支午带羊刃；日柱戊辰为日德。"
                "地支子与午六冲，子与辰为半三合水局，寅与午为半三合火局。"
                "年柱甲子与日柱戊辰都在甲子旬，空亡为戌亥，四柱中没有戌亥，所以不见空亡。"
                "命宫：寅月、午时、出生在雨水之前，命宫在酉。"),
    ]


VOLUMES = [volume1, volume2, volume3, volume4, volume5, volume6, volume7]
VOLUME_NAMES = ["卷一　天干地支", "卷二　十神", "卷三　旺衰", "卷四　格局", "卷五　用神与调候",
                "卷六　大运流年", "卷七　神煞与刑冲"]

FRAME = """<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<meta name="viewport" content="width=device-width, initial-scale=1" />
<title>子平法入门（晴曜命盘自编）</title>
<style type="text/css">
body { font-family: sans-serif; line-height: 1.7; margin: 0; padding: 0 12px 24px 12px; color: #222; }
nav { position: sticky; top: 0; background: #f6f6f6; padding: 6px 0; border-bottom: 1px solid #ddd; }
nav button { margin: 2px; padding: 4px 8px; border: 1px solid #bbb; background: #fff; border-radius: 4px; }
nav button.current { background: #41cd52; color: #fff; border-color: #41cd52; }
h2 { font-size: 1.3em; margin-top: 16px; }
h3 { font-size: 1.1em; margin-top: 14px; }
table { border-collapse: collapse; margin: 8px 0; font-size: 0.9em; }
th, td { border: 1px solid #ccc; padding: 2px 6px; text-align: center; }
.note { color: #666; font-size: 0.9em; }
</style>
</head>
<body>
<nav id="volumes">
NAV_BUTTONS
</nav>
<p class="note">本书是晴曜命盘自编的子平法入门，介绍排盘所用的概念与本程序的计算方法，不是古籍原文。</p>
<div id="content">yuanhaiziping_para1_html</div>
<script type="text/javascript">
//<![CDATA[
// Volume 1 is in the page already; the reader puts volumes 2..7 into
// theParaArray[1..6] after the page has loaded.
var theParaArray = ["", "", "", "", "", "", ""];
var firstVolume = null;
function showVolume(i) {
    var content = document.getElementById("content");
    if (firstVolume === null)
        firstVolume = content.innerHTML;
    var html = (i === 0) ? firstVolume : theParaArray[i];
    content.innerHTML = html ? html : "<p class='note'>LOADING_TEXT</p>";
    var buttons = document.getElementById("volumes").getElementsByTagName("button");
    for (var b = 0; b < buttons.length; ++b)
        buttons[b].className = (b === i) ? "current" : "";
    window.scrollTo(0, 0);
}
//]]>
</script>
</body>
</html>
"""


# OpenCC reads 干, 丑, 冲 and 折 as everyday words (幹/乾, 醜, 衝, 摺); in this
# book they are always the stem, the branch, the clash and the conversion.
TRAD_FIXES = {"幹": "干", "乾": "干", "醜": "丑", "衝": "沖", "摺": "折"}


def opencc(text):
    out = subprocess.run(["opencc", "-c", "s2twp.json"], input=text.encode("utf-8"),
                         capture_output=True, check=True).stdout.decode("utf-8")
    for wrong, right in TRAD_FIXES.items():
        out = out.replace(wrong, right)
    return out


def write_pair(name, text):
    (HTML / name).write_text(text, encoding="utf-8")
    (HTML / (name + ".hk")).write_text(opencc(text), encoding="utf-8")


def main():
    HTML.mkdir(parents=True, exist_ok=True)
    buttons = "\n".join(
        f'<button type="button" class="{"current" if i == 0 else ""}" onclick="showVolume({i})">{n}</button>'
        for i, n in enumerate(VOLUME_NAMES))
    frame = FRAME.replace("NAV_BUTTONS", buttons).replace("LOADING_TEXT", "本卷尚未载入，请稍候再点。")
    frame = frame.replace('<html xmlns', HEADER + '\n<html xmlns', 1)
    write_pair("yuanhaiziping_frame.html", frame)
    for i, volume in enumerate(VOLUMES, start=1):
        body = "\n".join(volume())
        write_pair(f"yuanhaiziping_para{i}.html",
                   f'{HEADER}\n<div class="volume" id="volume{i}">\n{body}\n</div>\n')
    print("datafiles/html: frame and 7 volumes, each with a .hk variant")


if __name__ == "__main__":
    main()
