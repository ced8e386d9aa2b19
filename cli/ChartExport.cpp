// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"

#include "Command.h"

#include "AppContext.h"
#include "InSight.h"

#include <QDate>
#include <QFile>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSqlDatabase>


void addChartExportOptions(Cli::CommandLine &line)
{
    line.addValue("png", "FILE", "export: the chart as a PNG image, a long page at twice the scale");
    line.addValue("pdf", "FILE", "export: the chart as an A4 PDF (the Chinese font embedded)");
    line.addValue("chart-file", "FILE",
                  "export: the chart file (JSON: the record, the settings and the pillars; see records import-chart)");
    line.addValue("name", "TEXT", "export: the person's name, for a moment given without --record");
    line.addValue("place", "TEXT", "export: the birth place's name, for a moment given without --record");
    line.addValue("script", "simplified|traditional", "export: the script of the image and PDF (default simplified)");
    line.addValue("colours", "on|off", "export: stems and branches in their element colours (default on)");
    line.addValue("school", "0|1|2", "export: the month commander by 子平真诠 (0, default), 网传盲派 (1) or 渊海子平 (2)");
    line.addValue("luck-index", "1..10", "export: the luck pillar whose flow years are shown (default: this year's)");
}

QString readChartExportOptions(const Cli::CommandLine &line, ChartExportOptions &o)
{
    for (const char *name : {"png", "pdf", "chart-file"})
        if (line.isSet(name) && line.value(name).isEmpty())
            return QStringLiteral("--%1 needs a file path").arg(QLatin1String(name));
    o.png = line.value("png");
    o.pdf = line.value("pdf");
    o.chartFile = line.value("chart-file");
    o.name = line.value("name");
    o.place = line.value("place");
    int index = 0;
    if (line.isSet("script")) {
        if (!Cli::readChoice(line.value("script"), {QStringLiteral("simplified"), QStringLiteral("traditional")}, index))
            return QStringLiteral("--script takes simplified or traditional");
        o.settings.script = index;
    }
    if (line.isSet("colours")) {
        if (!Cli::readChoice(line.value("colours"), {QStringLiteral("off"), QStringLiteral("on")}, index))
            return QStringLiteral("--colours takes on or off");
        o.settings.elementColours = index == 1;
    }
    if (line.isSet("school") && !Cli::readInt(line.value("school"), 0, 2, o.settings.monthCommanderSchool))
        return QStringLiteral("--school takes 0 (子平真诠), 1 (网传盲派) or 2 (渊海子平)");
    o.luckGiven = line.isSet("luck-index");
    if (o.luckGiven) {
        if (!Cli::readInt(line.value("luck-index"), 1, 10, index))
            return QStringLiteral("--luck-index takes 1..10, the luck pillar whose flow years are shown");
        o.settings.selectedLuck = index - 1;
    }
    for (const char *name : {"name", "place", "script", "colours", "school", "luck-index"})
        if (line.isSet(name) && !o.any())
            return QStringLiteral("--%1 goes with --png, --pdf or --chart-file").arg(QLatin1String(name));
    return QString();
}

// Next to this program in the build tree; in the helper folder once installed.
static QString drawHelperPath()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("qingyao-cli-draw");
    if (QFileInfo(here.filePath(name)).isExecutable())
        return here.filePath(name);
    return QDir::cleanPath(here.filePath(QStringLiteral(QINGYAO_HELPER_FROM_BIN "/") + name));
}

int writeChartExports(const ChartExportOptions &o, const QVariantMap &record)
{
    InSight engine;
    ChartFile::Settings settings = o.settings;
    const ChartFile::Cast cast = ChartFile::cast(record, settings, engine);
    if (!cast.ok)
        return Cli::failure(QStringLiteral("no chart to export: ") + cast.reason);
    if (!o.luckGiven)
        settings.selectedLuck = ChartFile::luckIndexOfYear(engine, QDate::currentDate().year());
    const QDateTime created = QDateTime::currentDateTimeUtc();
    if (!o.chartFile.isEmpty()) {
        const QByteArray json = ChartFile::toJson(record, settings, engine, created);
        QSaveFile file(o.chartFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
            return Cli::failure(QStringLiteral("cannot write %1: %2").arg(o.chartFile, file.errorString()));
    }
    if (o.png.isEmpty() && o.pdf.isEmpty())
        return 0;
    // Drawing needs QtGui and fonts, which the plain commands should not
    // load: a helper program draws the chart file.
    const QString helper = drawHelperPath();
    QStringList args;
    if (!o.png.isEmpty())
        args << QStringLiteral("--png") << o.png;
    if (!o.pdf.isEmpty())
        args << QStringLiteral("--pdf") << o.pdf;
    QProcess draw;
    draw.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    draw.start(helper, args);
    if (!draw.waitForStarted())
        return Cli::failure(QStringLiteral("cannot start %1: %2").arg(helper, draw.errorString()));
    draw.write(ChartFile::toJson(record, settings, engine, created));
    draw.closeWriteChannel();
    draw.waitForFinished(-1);
    if (draw.exitStatus() != QProcess::NormalExit)
        return Cli::failure(QStringLiteral("%1 stopped: %2").arg(helper, draw.errorString()));
    return draw.exitCode();
}

int importChartFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Cli::failure(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // The engine's log lines stay in the log; the answer is this command's.
    qInstallMessageHandler(AppLog::messageHandler);
    const ChartFile::Imported result =
        ChartFile::importFile(QSqlDatabase::database(AppContext::userConnectionName), file.readAll());
    if (!result.ok)
        return Cli::failure(QStringLiteral("%1: %2; nothing imported").arg(path, result.reason));
    cliWrite(QStringLiteral("added record %1 from %2\n").arg(result.userid, path));
    return 0;
}
