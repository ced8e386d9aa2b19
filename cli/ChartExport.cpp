// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"

#include "Command.h"

#include "AppContext.h"
#include "ChartRenderer.h"
#include "InSight.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSqlDatabase>

#include <cstdio>
#include <cstring>

namespace {

int fail(const QString &message)
{
    const QByteArray bytes = (QStringLiteral("qingyao-cli: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return 1;
}

bool wholeIn(const QString &text, int low, int high, int &out)
{
    bool ok = false;
    out = text.toInt(&ok);
    return ok && out >= low && out <= high;
}

} // namespace

QString takeChartExportOptions(QStringList &args, ChartExportOptions &o)
{
    QStringList rest;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        static const QStringList valued = {QStringLiteral("--png"), QStringLiteral("--pdf"),
                                           QStringLiteral("--chart-file"), QStringLiteral("--name"),
                                           QStringLiteral("--place"), QStringLiteral("--script"),
                                           QStringLiteral("--colours"), QStringLiteral("--school"),
                                           QStringLiteral("--luck-index")};
        if (!valued.contains(a)) {
            rest << a;
            continue;
        }
        if (args.isEmpty())
            return a + QStringLiteral(" needs a value");
        const QString v = args.takeFirst();
        int n = 0;
        if (a == QLatin1String("--png") || a == QLatin1String("--pdf") || a == QLatin1String("--chart-file")) {
            if (v.isEmpty())
                return a + QStringLiteral(" needs a file path");
            (a == QLatin1String("--png") ? o.png : a == QLatin1String("--pdf") ? o.pdf : o.chartFile) = v;
        } else if (a == QLatin1String("--name")) {
            o.name = v;
        } else if (a == QLatin1String("--place")) {
            o.place = v;
        } else if (a == QLatin1String("--script")) {
            if (v != QLatin1String("simplified") && v != QLatin1String("traditional"))
                return QStringLiteral("--script takes simplified or traditional");
            o.settings.script = v == QLatin1String("traditional") ? 1 : 0;
        } else if (a == QLatin1String("--colours")) {
            if (v != QLatin1String("on") && v != QLatin1String("off"))
                return QStringLiteral("--colours takes on or off");
            o.settings.elementColours = v == QLatin1String("on");
        } else if (a == QLatin1String("--school")) {
            if (!wholeIn(v, 0, 2, n))
                return QStringLiteral("--school takes 0 (子平真诠), 1 (网传盲派) or 2 (渊海子平)");
            o.settings.monthCommanderSchool = n;
        } else {
            if (!wholeIn(v, 1, 10, n))
                return QStringLiteral("--luck-index takes 1..10, the luck pillar whose flow years are shown");
            o.settings.selectedLuck = n - 1;
            o.luckGiven = true;
        }
    }
    args = rest;
    const bool extras = !o.name.isEmpty() || !o.place.isEmpty() || o.luckGiven || o.settings.script != 0
        || !o.settings.elementColours || o.settings.monthCommanderSchool != 0;
    if (extras && !o.any())
        return QStringLiteral("--name, --place, --script, --colours, --school and --luck-index go with --png, --pdf"
                              " or --chart-file");
    return QString();
}

int writeChartExports(const ChartExportOptions &o, const QVariantMap &record)
{
    InSight engine;
    ChartFile::Settings settings = o.settings;
    const ChartFile::Cast cast = ChartFile::cast(record, settings, engine);
    if (!cast.ok)
        return fail(QStringLiteral("no chart to export: ") + cast.reason);
    if (!o.luckGiven)
        settings.selectedLuck = ChartFile::luckIndexOfYear(engine, QDate::currentDate().year());
    const QDateTime created = QDateTime::currentDateTimeUtc();
    QString error;
    if (!o.chartFile.isEmpty()) {
        const QByteArray json = ChartFile::toJson(record, settings, engine, created);
        QSaveFile file(o.chartFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
            return fail(QStringLiteral("cannot write %1: %2").arg(o.chartFile, file.errorString()));
    }
    if (!o.png.isEmpty() || !o.pdf.isEmpty()) {
        const ChartRenderer::Sheet sheet = ChartRenderer::sheet(record, settings, cast, engine, created);
        if (!o.png.isEmpty() && !ChartRenderer::writePng(sheet, o.png, &error))
            return fail(error);
        if (!o.pdf.isEmpty() && !ChartRenderer::writePdf(sheet, o.pdf, &error))
            return fail(error);
    }
    return 0;
}

int importChartFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // The engine's log lines stay in the log; the answer is this command's.
    qInstallMessageHandler(AppLog::messageHandler);
    const ChartFile::Imported result =
        ChartFile::importFile(QSqlDatabase::database(AppContext::userConnectionName), file.readAll());
    if (!result.ok)
        return fail(QStringLiteral("%1: %2; nothing imported").arg(path, result.reason));
    cliWrite(QStringLiteral("added record %1 from %2\n").arg(result.userid, path));
    return 0;
}

QCoreApplication *cliApplication(int &argc, char **argv)
{
    bool draws = false;
    for (int i = 2; i < argc && std::strcmp(argv[1], "chart") == 0; ++i)
        draws = draws || std::strcmp(argv[i], "--png") == 0 || std::strcmp(argv[i], "--pdf") == 0;
    if (!draws)
        return new QCoreApplication(argc, argv);
    // Drawing needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}
