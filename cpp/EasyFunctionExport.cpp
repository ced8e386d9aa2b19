// SPDX-License-Identifier: GPL-3.0-or-later
// Chart export, print and chart-file import for the chart page and the
// records tab.
#include "EasyFunction.h"

#include "AppContext.h"
#include "ChartFile.h"
#include "ChartRenderer.h"
#include "InSight.h"
#include "ScriptConverter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QUrl>

namespace {

QString shown(const QString &text)
{
    return ScriptConverter::toScript(text, AppContext::languageIndex);
}

QVariantMap answer(bool ok, const QString &message, const QString &path = QString())
{
    return {{QStringLiteral("ok"), ok}, {QStringLiteral("message"), message}, {QStringLiteral("path"), path}};
}

// A path typed or a file URL.
QString localPath(const QString &text)
{
    const QUrl url(text);
    return url.isLocalFile() ? url.toLocalFile() : text.trimmed();
}

ChartFile::Settings settingsOf(const QVariantMap &m)
{
    ChartFile::Settings s;
    s.script = m.value(QStringLiteral("script")).toInt() == 1 ? 1 : 0;
    s.elementColours = m.value(QStringLiteral("elementColours"), 1).toInt() != 0;
    s.monthCommanderSchool = qBound(0, m.value(QStringLiteral("school")).toInt(), 2);
    const QString rule = m.value(QStringLiteral("luckRule")).toString();
    if (!rule.isEmpty())
        s.luckRule = rule;
    s.hourShift = qBound(-12, m.value(QStringLiteral("hourShift")).toInt(), 12);
    s.selectedLuck = qBound(0, m.value(QStringLiteral("selectedLuck")).toInt(), 9);
    return s;
}

struct Prepared {
    QString problem;
    QVariantMap record;
    ChartFile::Settings settings;
    ChartFile::Cast cast;
};

void prepare(const QString &userid, const QVariantMap &settings, InSight &engine, Prepared &p)
{
    QString reason;
    p.record = ChartFile::storedRecord(QSqlDatabase::database(AppContext::userConnectionName), userid, &reason);
    if (p.record.isEmpty()) {
        p.problem = shown(QStringLiteral("找不到这条记录。"));
        return;
    }
    p.settings = settingsOf(settings);
    p.cast = ChartFile::cast(p.record, p.settings, engine);
    if (!p.cast.ok)
        p.problem = shown(QStringLiteral("这条记录排不出命盘：")) + p.cast.reason;
}

} // namespace

QString EasyFunction::chartExportFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString EasyFunction::chartExportPath(const QString &userid, const QString &kind)
{
    QString reason;
    const QVariantMap record =
        ChartFile::storedRecord(QSqlDatabase::database(AppContext::userConnectionName), userid, &reason);
    QString name = record.value(QStringLiteral("name")).toString();
    // Only what every file system takes.
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")));
    const QString base = (name.isEmpty() ? QStringLiteral("chart") : name.left(40)) + QLatin1Char('-')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"));
    const QString suffix = kind == QLatin1String("png") ? QStringLiteral(".png")
        : kind == QLatin1String("pdf")                  ? QStringLiteral(".pdf")
                                                        : QStringLiteral(".qingyao-chart.json");
    return QDir(chartExportFolder()).filePath(base + suffix);
}

QStringList EasyFunction::chartFilesIn(const QString &folder)
{
    QStringList paths;
    const QDir dir(localPath(folder));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Time))
        paths << dir.filePath(name);
    return paths;
}

QVariantMap EasyFunction::exportChart(const QString &userid, const QString &kind, const QString &path,
                                      const QVariantMap &settings)
{
    InSight engine;
    Prepared p;
    prepare(userid, settings, engine, p);
    if (!p.problem.isEmpty())
        return answer(false, p.problem);
    const QString target = localPath(path);
    if (target.isEmpty())
        return answer(false, shown(QStringLiteral("请给出文件名。")));
    const QDateTime created = QDateTime::currentDateTimeUtc();
    QString error;
    bool ok = false;
    if (kind == QLatin1String("chart")) {
        const QByteArray json = ChartFile::toJson(p.record, p.settings, engine, created);
        QSaveFile file(target);
        ok = file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
        error = file.errorString();
    } else {
        const ChartRenderer::Sheet sheet = ChartRenderer::sheet(p.record, p.settings, p.cast, engine, created);
        ok = kind == QLatin1String("pdf") ? ChartRenderer::writePdf(sheet, target, &error)
                                          : ChartRenderer::writePng(sheet, target, &error);
    }
    if (!ok)
        return answer(false, shown(QStringLiteral("未能保存：")) + error, target);
    return answer(true, shown(QStringLiteral("已保存到 ")) + QDir::toNativeSeparators(target), target);
}

QVariantMap EasyFunction::importChartFile(const QString &path, const QString &luckRule)
{
    const QString source = localPath(path);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return answer(false, shown(QStringLiteral("未能读取文件：")) + file.errorString());
    const ChartFile::Imported r =
        ChartFile::importFile(QSqlDatabase::database(AppContext::userConnectionName), file.readAll(), luckRule);
    QString message;
    switch (r.problem) {
    case ChartFile::Problem::None:
        message = shown(QStringLiteral("已导入命盘。"));
        break;
    case ChartFile::Problem::Pillars:
    case ChartFile::Problem::LuckPillars:
        message = shown(QStringLiteral("文件所载%1（%2）与按其记录和设置重新排出的（%3）不符，未导入。")
                            .arg(r.problem == ChartFile::Problem::Pillars ? QStringLiteral("四柱")
                                                                          : QStringLiteral("大运"),
                                 r.carried, r.recomputed));
        break;
    case ChartFile::Problem::Exists:
        message = shown(QStringLiteral("这条记录已在记录中，未导入。"));
        break;
    case ChartFile::Problem::Unreadable:
        message = shown(QStringLiteral("不是可读的命盘文件，未导入。")) + QLatin1Char('\n') + r.reason;
        break;
    }
    QVariantMap a = answer(r.ok, message, source);
    a.insert(QStringLiteral("userid"), r.userid);
    return a;
}

QString EasyFunction::printerName()
{
    return QPrinterInfo::availablePrinterNames().isEmpty() ? QString() : QPrinterInfo::defaultPrinterName();
}

QVariantMap EasyFunction::printChart(const QString &userid, const QVariantMap &settings)
{
    if (printerName().isEmpty())
        return answer(false, shown(QStringLiteral("没有可用的打印机。")));
    InSight engine;
    Prepared p;
    prepare(userid, settings, engine, p);
    if (!p.problem.isEmpty())
        return answer(false, p.problem);
    const ChartRenderer::Sheet sheet =
        ChartRenderer::sheet(p.record, p.settings, p.cast, engine, QDateTime::currentDateTimeUtc());
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(sheet.title);
    QPainter painter;
    const bool ok = painter.begin(&printer) && ChartRenderer::paintPages(printer, painter, sheet);
    painter.end();
    return ok ? answer(true, shown(QStringLiteral("已送往打印机 ")) + printer.printerName())
              : answer(false, shown(QStringLiteral("未能打印。")));
}
