// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChartFile.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

class InSight;
class QPagedPaintDevice;
class QPainter;

// The chart as a practitioner prints it, drawn with QPainter: one layout for
// the window's export and print and for qingyao-cli, so both give the same
// picture. Texts follow the chosen script; stems and branches take their
// element colours when the setting asks for them.
namespace ChartRenderer {

// One stem or branch character and its element (0 wood .. 4 water).
struct Glyph {
    QString text;
    int element = -1;
};

struct Cell {
    QString top;      // ten-god, or the column's label
    Glyph stem;
    Glyph branch;
    QStringList lines; // smaller lines under the pillar
};

// Every text of the sheet, already in the chosen script.
struct Sheet {
    bool colours = true;
    int script = 0;
    QString title;
    QStringList header;
    QStringList pillarLabels;
    QVector<Cell> pillars;
    QStringList palaces; // 命宫/胎元/身宫 and 空亡
    QString luckCaption;
    QVector<Cell> luck;
    QString flowCaption;
    QVector<Cell> flow;
    QStringList relations; // ShenSha and relations of each natal pillar
    QStringList elements;  // five-element counts and the month commander
    QStringList footer;    // the settings that shaped the chart, program and date
};

// The sheet of a cast chart (`cast` and `engine` from ChartFile::cast).
Sheet sheet(const QVariantMap &record, const ChartFile::Settings &settings, const ChartFile::Cast &cast,
            InSight &engine, const QDateTime &created);

// Logical width of the drawing; an image is twice as wide in pixels.
constexpr int logicalWidth = 560;
int logicalHeight(const Sheet &s);

// Draws from the top of the painter's coordinates, `logicalWidth` wide.
void paint(QPainter &painter, const Sheet &s);
// The same on pages (PDF, printer): scaled to the page width, a section that
// does not fit starting a new page.
bool paintPages(QPagedPaintDevice &device, QPainter &painter, const Sheet &s);

// The sheet at 2× scale, white background.
QImage image(const Sheet &s);

// Writes a PNG, or an A4 PDF with the font embedded; false with the reason.
bool writePng(const Sheet &s, const QString &path, QString *error);
bool writePdf(const Sheet &s, const QString &path, QString *error);

} // namespace ChartRenderer
