// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartRenderer.h"

#include "AppContext.h"
#include "GetShenShaRelations.h"
#include "InSight.h"
#include "MonthCommander.h"
#include "RadicalIdeographs.h"
#include "ScriptConverter.h"
#include "Vocabulary.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace ChartRenderer {
namespace {

using namespace Vocabulary;

constexpr qreal margin = 20;
constexpr qreal labelWidth = 56;
constexpr qreal inner = logicalWidth - 2 * margin;

int mod(int a, int n) { return ((a % n) + n) % n; }

int stemElement(int stem) { return normStem(stem) / 2; }
int branchElement(int branch) { return (zhiCangGanTable[normBranch(branch)].digits[0] - '0') / 2; }

Glyph stemGlyph(int chac) { return {qs(ganNames[stemOf(chac)]), stemElement(stemOf(chac))}; }
Glyph branchGlyph(int chac) { return {qs(zhiNames[branchOf(chac)]), branchElement(branchOf(chac))}; }

QString dateTime(const QString &iso) { return iso.left(16).replace(QLatin1Char('T'), QLatin1Char(' ')); }

QString offsetText(int minutes)
{
    return QString::asprintf("UTC%c%02d:%02d", minutes < 0 ? '-' : '+', qAbs(minutes) / 60, qAbs(minutes) % 60);
}

QString timeKindWords(ChartCalculation::TimeKind kind)
{
    switch (kind) {
    case ChartCalculation::TimeKind::True: return QStringLiteral("真太阳时");
    case ChartCalculation::TimeKind::Mean: return QStringLiteral("平太阳时");
    case ChartCalculation::TimeKind::Clock: break;
    }
    return QStringLiteral("钟表时间");
}

// A person's own text for the sheet: one line, and short enough that a
// pasted essay cannot make an image of unbounded height.
QString ownText(const QVariant &value)
{
    constexpr int limit = 80;
    QString text = value.toString().simplified();
    if (text.size() > limit)
        text = text.left(limit - 1) + QChar(0x2026);
    return text;
}

// The time as entered, in the program's words (the stored text is in the
// script of the day it was typed).
QString enteredTime(const ChartCalculation::Input &in)
{
    const int *f = in.fields;
    return (in.caltype == 0 ? QStringLiteral("公历 ") : QStringLiteral("农历 "))
        % QStringLiteral("%1年%2%3月%4日 ").arg(f[0]).arg(in.caltype == 2 ? QStringLiteral("闰") : QString()).arg(f[1]).arg(f[2])
        % QString::asprintf("%02d:%02d", f[3], f[4]);
}

// A pillar-like cell: ten-god of the stem against the day stem, stem, branch.
Cell cycleCell(int chac, int dayStem)
{
    Cell c;
    c.top = qs(shen10Full(dayStem, stemOf(chac)).name);
    c.stem = stemGlyph(chac);
    c.branch = branchGlyph(chac);
    return c;
}

QString relationNames(const QStringList &entries)
{
    QStringList names;
    for (const QString &entry : entries) {
        const QString name = GetShenShaRelations::starName(entry.section(QLatin1Char('|'), 0, 0).toInt());
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names.isEmpty() ? QStringLiteral("—") : names.join(QStringLiteral("、"));
}

// The chain from the entered clock to the time the pillars were read from.
QString chainLine(const ChartFile::Cast &c)
{
    const QVariantMap m = ChartCalculation::momentMap(c.result.moment);
    const int *f = c.result.moment.clockFields;
    QString line = QStringLiteral("换算：钟表 ") % QString::asprintf("%04d-%02d-%02d %02d:%02d", f[0], f[1], f[2], f[3], f[4])
        % QStringLiteral("（") % m.value(QStringLiteral("zone")).toString() % QLatin1Char(' ')
        % offsetText(m.value(QStringLiteral("utcOffsetMinutes")).toInt()) % QStringLiteral("，夏令时 ")
        % QString::number(m.value(QStringLiteral("dstMinutes")).toInt()) % QStringLiteral(" 分）→ 世界时 ")
        % dateTime(m.value(QStringLiteral("utc")).toString()) % QStringLiteral(" → 平太阳时 ")
        % dateTime(m.value(QStringLiteral("meanSolar")).toString()) % QStringLiteral(" → 真太阳时 ")
        % dateTime(m.value(QStringLiteral("trueSolar")).toString()) % QStringLiteral("（均时差 ")
        % QString::number(m.value(QStringLiteral("equationOfTimeMinutes")).toDouble(), 'f', 2) % QStringLiteral(" 分）");
    if (c.input.hourShift != 0)
        line += QStringLiteral("；时柱手动调整 %1%2 个时辰").arg(c.input.hourShift > 0 ? QStringLiteral("+") : QString())
                    .arg(c.input.hourShift);
    return line;
}

QStringList footerLines(const ChartFile::Settings &settings, const ChartFile::Cast &c, const QDateTime &created)
{
    const ChartCalculation::Moment &m = c.result.moment;
    QString summer;
    if (m.tableRegion)
        summer = c.input.recordedSummerTime ? QStringLiteral("记录为夏令时，减去 %1 分").arg(m.dstMinutes)
                                            : QStringLiteral("记录为标准时");
    else if (c.input.dst == ChartCalculation::DstMode::Auto)
        summer = QStringLiteral("按时区数据库（%1 分）").arg(m.dstMinutes);
    else
        summer = c.input.dst == ChartCalculation::DstMode::On ? QStringLiteral("强制采用（%1 分）").arg(m.dstMinutes)
                                                              : QStringLiteral("强制不用");
    return {QStringLiteral("换日：") % (c.input.switch11pm == 1 ? QStringLiteral("子时换日（23 时起为次日）")
                                                                : QStringLiteral("零点换日"))
                % QStringLiteral("；用时：") % timeKindWords(c.input.timeKind) % QStringLiteral("；夏令时：") % summer,
            QStringLiteral("起运规则：") % c.luckRule % QStringLiteral("；大运方向：")
                % (settings.luckDirection == QLatin1String("male-forward") ? QStringLiteral("男顺女逆")
                                                                           : QStringLiteral("阳男阴女顺行"))
                % QStringLiteral("；月令当令：") % MonthCommander::schoolName(settings.monthCommanderSchool),
            QStringLiteral("晴曜命盘 ") % AppContext::applicationVersion % QStringLiteral("；制作时间：")
                % created.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) % QStringLiteral(" UTC")};
}

void convert(QString &text, int script) { text = ScriptConverter::toScript(text, script); }
void convert(QStringList &texts, int script)
{
    for (QString &t : texts)
        convert(t, script);
}
void convert(QVector<Cell> &cells, int script)
{
    for (Cell &c : cells) {
        convert(c.top, script);
        convert(c.stem.text, script);
        convert(c.branch.text, script);
        convert(c.lines, script);
    }
}

// ---------------------------------------------------------------------------
// Drawing

const char *const elementColours[5] = {"green", "red", "sandybrown", "steelblue", "blue"};
const QColor ink(0x2a, 0x29, 0x26);
const QColor inkSoft(0x6b, 0x66, 0x5c);
const QColor rule(0xcf, 0xc7, 0xb6);

QFont fontOf(const Sheet &s, qreal px, bool bold = false)
{
    QFont f(s.script == 1 ? QStringLiteral("Noto Sans CJK TC") : QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(qRound(px));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting); // same shapes on screen, image and paper
    // Shaped after Latin letters, Noto CJK's digits take glyphs of their own
    // that the PDF writer cannot name: "UTC+08:00" would lose its digits in
    // copied or extracted text. Latin needs no shaping.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

qreal wrappedHeight(const QFont &font, const QString &text, qreal width)
{
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// A section: its height and how to draw it from a top edge.
struct Section {
    qreal height = 0;
    std::function<void(QPainter &, qreal)> draw;
};

Section textSection(const Sheet &s, const QStringList &lines, qreal px, const QColor &colour, bool bold = false)
{
    const QFont font = fontOf(s, px, bold);
    const QString text = lines.join(QLatin1Char('\n'));
    const qreal h = wrappedHeight(font, text, inner) + 6;
    return {h, [font, text, colour](QPainter &p, qreal top) {
                p.setFont(font);
                p.setPen(colour);
                p.drawText(QRectF(margin, top, inner, 1e6), Qt::TextWordWrap, text);
            }};
}

Section captionSection(const Sheet &s, const QString &caption)
{
    const QFont font = fontOf(s, 15, true);
    const qreal h = wrappedHeight(font, caption, inner) + 12;
    return {h, [font, caption](QPainter &p, qreal top) {
                p.setPen(QPen(rule, 1));
                p.drawLine(QPointF(margin, top + 4), QPointF(margin + inner, top + 4));
                p.setFont(font);
                p.setPen(ink);
                p.drawText(QRectF(margin, top + 8, inner, 1e6), Qt::TextWordWrap, caption);
            }};
}

// A caption and what it heads, kept on one page.
Section headed(const Section &caption, const Section &body)
{
    return {caption.height + body.height, [caption, body](QPainter &p, qreal top) {
                caption.draw(p, top);
                body.draw(p, top + caption.height);
            }};
}

void drawGlyph(QPainter &p, const Sheet &s, const Glyph &g, const QRectF &box)
{
    p.setPen(s.colours && g.element >= 0 ? QColor(QLatin1String(elementColours[g.element])) : ink);
    p.drawText(box, Qt::AlignCenter, g.text);
}

// A row of cells (four pillars, or ten luck or flow pillars) with optional
// row labels at the left.
Section cellsSection(const Sheet &s, const QVector<Cell> &cells, const QStringList &labels, qreal glyphPx,
                     const QStringList &rowLabels)
{
    const QFont small = fontOf(s, cells.size() > 4 ? 11 : 13);
    const QFont big = fontOf(s, glyphPx, true);
    const qreal smallLine = QFontMetricsF(small).height();
    const qreal glyphLine = QFontMetricsF(big).height();
    int lineCount = 0;
    for (const Cell &c : cells)
        lineCount = qMax(lineCount, int(c.lines.size()));
    const bool labelled = !rowLabels.isEmpty();
    const qreal left = margin + (labelled ? labelWidth : 0);
    const qreal width = (inner - (labelled ? labelWidth : 0)) / qMax(1, int(cells.size()));
    const qreal head = labels.isEmpty() ? 0 : smallLine + 2;
    const qreal h = head + smallLine + 2 * glyphLine + lineCount * smallLine + 10;
    return {h, [=, &s](QPainter &p, qreal top) {
                p.setFont(small);
                p.setPen(inkSoft);
                if (labelled) {
                    // Labels: top line, stem, branch, then the small lines.
                    QStringList rows = rowLabels;
                    qreal y = top + head;
                    const qreal heights[3] = {smallLine, glyphLine, glyphLine};
                    for (int i = 0; i < rows.size(); ++i) {
                        const qreal rh = i < 3 ? heights[i] : smallLine;
                        if (!rows.at(i).isEmpty())
                            p.drawText(QRectF(margin, y, labelWidth, rh), Qt::AlignLeft | Qt::AlignVCenter, rows.at(i));
                        y += rh;
                    }
                }
                for (int i = 0; i < cells.size(); ++i) {
                    const Cell &c = cells.at(i);
                    const qreal x = left + i * width;
                    qreal y = top;
                    p.setFont(small);
                    if (!labels.isEmpty()) {
                        p.setPen(inkSoft);
                        p.drawText(QRectF(x, y, width, smallLine), Qt::AlignCenter, labels.value(i));
                        y += head;
                    }
                    p.setPen(ink);
                    p.drawText(QRectF(x, y, width, smallLine), Qt::AlignCenter, c.top);
                    y += smallLine;
                    p.setFont(big);
                    drawGlyph(p, s, c.stem, QRectF(x, y, width, glyphLine));
                    y += glyphLine;
                    drawGlyph(p, s, c.branch, QRectF(x, y, width, glyphLine));
                    y += glyphLine;
                    p.setFont(small);
                    p.setPen(ink);
                    for (const QString &line : c.lines) {
                        p.drawText(QRectF(x, y, width, smallLine), Qt::AlignCenter, line);
                        y += smallLine;
                    }
                }
            }};
}

std::vector<Section> sections(const Sheet &s)
{
    std::vector<Section> out;
    QStringList rowLabels = {QStringLiteral("十神"), QStringLiteral("天干"), QStringLiteral("地支"),
                             QStringLiteral("藏干"), QString(), QString(), QStringLiteral("十二长生"),
                             QStringLiteral("纳音")};
    convert(rowLabels, s.script);
    out.push_back(textSection(s, {s.title}, 22, ink, true));
    out.push_back(textSection(s, s.header, 13, ink));
    out.push_back(cellsSection(s, s.pillars, s.pillarLabels, 30, rowLabels));
    out.push_back(textSection(s, s.palaces, 13, ink));
    out.push_back(headed(captionSection(s, s.luckCaption), cellsSection(s, s.luck, {}, 20, {})));
    out.push_back(headed(captionSection(s, s.flowCaption), cellsSection(s, s.flow, {}, 20, {})));
    QString relationsCaption = QStringLiteral("神煞与合冲（原局）");
    QString elementsCaption = QStringLiteral("五行与月令");
    convert(relationsCaption, s.script);
    convert(elementsCaption, s.script);
    out.push_back(headed(captionSection(s, relationsCaption), textSection(s, s.relations, 12, ink)));
    out.push_back(headed(captionSection(s, elementsCaption), textSection(s, s.elements, 12, ink)));
    out.push_back(headed(captionSection(s, QString()), textSection(s, s.footer, 10, inkSoft)));
    return out;
}

// Qt names each embedded glyph by the lowest code point the font maps to it,
// and Noto CJK draws 生 and ⽣, 巳 and ⺒ with one glyph: copied or extracted
// text would come out as radicals. Puts the ideographs back in the ToUnicode
// maps, four hex digits for four, so no byte offset of the file moves.
void restoreIdeographs(QByteArray &pdf)
{
    const auto ideograph = [](uint code) -> uint {
        const auto *end = std::end(RadicalIdeographs::pairs);
        const auto *it = std::lower_bound(std::begin(RadicalIdeographs::pairs), end, code,
                                          [](const RadicalIdeographs::Pair &p, uint c) { return p.radical < c; });
        return it != end && it->radical == code ? it->ideograph : code;
    };
    static const QRegularExpression reference(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    static const QRegularExpression token(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    // Binary streams hold NUL bytes: the whole length, not up to the first.
    const QString latin = QString::fromLatin1(pdf.constData(), pdf.size());
    auto refs = reference.globalMatch(latin);
    while (refs.hasNext()) {
        const QByteArray head = '\n' + refs.next().captured(1).toLatin1() + " 0 obj";
        const int object = pdf.indexOf(head);
        const int start = object < 0 ? -1 : pdf.indexOf("stream\n", object);
        const int end = start < 0 ? -1 : pdf.indexOf("endstream", start);
        if (end < 0)
            continue;
        bool range = false;
        int lineStart = start + 7;
        while (lineStart < end) {
            int lineEnd = pdf.indexOf('\n', lineStart);
            if (lineEnd < 0 || lineEnd > end)
                lineEnd = end;
            const QString line = latin.mid(lineStart, lineEnd - lineStart);
            if (line.endsWith(QLatin1String("beginbfrange")) || line.endsWith(QLatin1String("beginbfchar")))
                range = line.endsWith(QLatin1String("beginbfrange"));
            // Which tokens name characters: after "[" in a range with a list,
            // the third of a one-glyph range, the second of a single mapping.
            QVector<QRegularExpressionMatch> tokens;
            auto it = token.globalMatch(line);
            while (it.hasNext())
                tokens << it.next();
            const int bracket = line.indexOf(QLatin1Char('['));
            for (int i = 0; i < tokens.size(); ++i) {
                const bool names = range ? (bracket >= 0 ? tokens[i].capturedStart() > bracket
                                                          : i == 2 && tokens[0].captured(1) == tokens[1].captured(1))
                                         : i == 1;
                const uint code = tokens[i].captured(1).toUInt(nullptr, 16);
                const uint fixed = names ? ideograph(code) : code;
                if (fixed != code)
                    pdf.replace(lineStart + tokens[i].capturedStart(1), 4,
                                QByteArray::number(fixed, 16).toUpper().rightJustified(4, '0'));
            }
            lineStart = lineEnd + 1;
        }
    }
}

} // namespace

Sheet sheet(const QVariantMap &record, const ChartFile::Settings &settings, const ChartFile::Cast &cast,
            InSight &e, const QDateTime &created)
{
    Sheet s;
    s.colours = settings.elementColours;
    s.script = settings.script;
    const int dayStem = stemOf(e.dayChac());
    const QString gender = e.malefemale() == 0 ? QStringLiteral("男") : QStringLiteral("女");
    const QString name = ownText(record.value(QStringLiteral("name")));
    const QString suffix = QStringLiteral("（") % gender % QStringLiteral("）");
    const int script = settings.script;
    const auto t = [script](const QString &text) { return ScriptConverter::toScript(text, script); };
    // The person's own name and place stay as written.
    const QString place = ownText(record.value(QStringLiteral("inputPlaceName")));
    s.header << t(QStringLiteral("出生地：")) % (place.isEmpty() ? QStringLiteral("—") : place)
                    % t(QStringLiteral("；经度：")) % QString::number(cast.input.longitude, 'f', 2)
                    % t(QStringLiteral("；时区：")) % QString::fromUtf8(cast.input.zone)
             << t(QStringLiteral("原时间：") % enteredTime(cast.input) % QStringLiteral("；排盘用时：")
                  % timeKindWords(cast.input.timeKind))
             << t(chainLine(cast)) << t(QStringLiteral("农历：") % e.thisLunarDateStr());

    const int pillars[4] = {e.yearChac(), e.monthChac(), e.dayChac(), e.hourChac()};
    s.pillarLabels = QStringList{QStringLiteral("年柱"), QStringLiteral("月柱"), QStringLiteral("日柱"),
                                 QStringLiteral("时柱")};
    for (int i = 0; i < 4; ++i) {
        Cell c = cycleCell(pillars[i], dayStem);
        if (i == 2)
            c.top = QStringLiteral("日主");
        const Text hidden = zhiCangGanTable[branchOf(pillars[i])].digits;
        for (int k = 0; k < 3; ++k)
            c.lines << (k < int(hidden.size()) ? qs(ganNames[hidden[k] - '0']) % QLatin1Char(' ')
                                                     % qs(shen10Full(dayStem, hidden[k] - '0').name)
                                               : QString());
        c.lines << qs(yun12Names[yun12Code(dayStem, branchOf(pillars[i]))]) << qs(nayinOf(pillars[i]));
        s.pillars << c;
    }
    const QVariantMap chart = ChartCalculation::chartMap(e);
    QString palaces = QStringLiteral("命宫 ") % jiaziName(e.lifePalaceChac()) % QStringLiteral("　胎元 ")
        % jiaziName(e.conceptionChac());
    if (e.bodyPalaceChac() >= 0)
        palaces += QStringLiteral("　身宫 ") % jiaziName(e.bodyPalaceChac());
    s.palaces << palaces
              << QStringLiteral("空亡：日空 ") % chart.value(QStringLiteral("dayVoid")).toString()
                     % QStringLiteral("　年空 ") % chart.value(QStringLiteral("yearVoid")).toString();

    s.luckCaption = QStringLiteral("大运（") % (e.clockwise() == 1 ? QStringLiteral("顺行") : QStringLiteral("逆行"))
        % QStringLiteral("，出生后 %1 年 %2 月 %3 日起运，%4 年 %5 月 %6 日交运）")
              .arg(e.startAgeYears()).arg(e.startAgeMonths()).arg(e.startAgeDays())
              .arg(e.solarYearOfBegin()).arg(e.solarMonthOfBegin()).arg(e.solarDayOfBegin());
    const int birthYear = cast.result.moment.clockFields[0];
    for (int i = 0; i < 10; ++i) {
        Cell c = cycleCell(e.dayunJiaZiofBegin() + e.clockwise() * i, dayStem);
        c.lines << QString::number(e.solarYearOfBegin() + 10 * i)
                << QStringLiteral("%1岁").arg(e.startAgeYears() + 10 * i);
        s.luck << c;
    }
    const int selected = qBound(0, settings.selectedLuck, 9);
    s.flowCaption = QStringLiteral("流年（第 %1 步大运 %2）")
                        .arg(selected + 1)
                        .arg(jiaziName(e.dayunJiaZiofBegin() + e.clockwise() * selected));
    for (int k = 0; k < 10; ++k) {
        const int sinoYear = e.sinoYearOfBegin() + 10 * selected + k;
        Cell c = cycleCell(mod(sinoYear - 4, 60), dayStem);
        c.lines << QString::number(sinoYear) << QStringLiteral("%1岁").arg(sinoYear - birthYear);
        s.flow << c;
    }

    GetShenShaRelations relations;
    relations.updateShenShaRel(pillars[0], pillars[1], pillars[2], pillars[3]);
    for (int i = 0; i < 4; ++i)
        s.relations << s.pillarLabels.at(i) % QLatin1Char(' ') % jiaziName(pillars[i]) % QStringLiteral("：")
                % relationNames(relations.zhu(i));

    const QStringList essentials = e.getEssentials().toString().split(QLatin1Char('#'));
    s.elements << QStringLiteral("四柱五行个数") % essentials.value(2) << QStringLiteral("四柱五行个数")
            % essentials.value(3) << essentials.value(4)
               << MonthCommander::text(settings.monthCommanderSchool, branchOf(e.monthChac()),
                                       e.jd_birthTime() - e.jd_JieTimeBefore());
    s.footer = footerLines(settings, cast, created);

    s.title = name.isEmpty() ? t(QStringLiteral("未命名") % suffix) : name % t(suffix);
    convert(s.pillarLabels, script);
    convert(s.pillars, script);
    convert(s.palaces, script);
    convert(s.luckCaption, script);
    convert(s.luck, script);
    convert(s.flowCaption, script);
    convert(s.flow, script);
    convert(s.relations, script);
    convert(s.elements, script);
    convert(s.footer, script);
    return s;
}

int logicalHeight(const Sheet &s)
{
    qreal h = margin;
    for (const Section &section : sections(s))
        h += section.height;
    return int(std::ceil(h + margin));
}

void paint(QPainter &painter, const Sheet &s)
{
    qreal top = margin;
    for (const Section &section : sections(s)) {
        section.draw(painter, top);
        top += section.height;
    }
}

bool paintPages(QPagedPaintDevice &device, QPainter &painter, const Sheet &s)
{
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal scale = page.width() / qreal(logicalWidth);
    const qreal pageHeight = page.height() / scale;
    painter.scale(scale, scale);
    qreal top = margin;
    for (const Section &section : sections(s)) {
        if (top + section.height > pageHeight && top > margin) {
            if (!device.newPage())
                return false;
            top = margin;
        }
        section.draw(painter, top);
        top += section.height;
    }
    return true;
}

QImage image(const Sheet &s)
{
    QImage img(QSize(logicalWidth, logicalHeight(s)) * 2, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, s);
    return img;
}

bool writePng(const Sheet &s, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image(s).save(&file, "PNG") || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writePdf(const Sheet &s, const QString &path, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("晴曜命盘 ") + AppContext::applicationVersion);
        pdf.setTitle(s.title);
        QPainter painter;
        painted = painter.begin(&pdf) && paintPages(pdf, painter, s);
        painter.end();
    }
    buffer.close();
    restoreIdeographs(bytes);
    QSaveFile file(path);
    if (!painted || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, painted ? file.errorString()
                                                                                : QStringLiteral("PDF drawing failed"));
        return false;
    }
    return true;
}

} // namespace ChartRenderer
