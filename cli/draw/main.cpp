// SPDX-License-Identifier: GPL-3.0-or-later
// qingyao-cli-draw: draws a chart file (on standard input) as PNG and PDF for
// `qingyao-cli chart --png/--pdf`. Drawing needs QtGui and fonts; kept out of
// qingyao-cli so its plain commands do not load them.
//   qingyao-cli-draw [--png FILE] [--pdf FILE] < CHART-FILE
#include "AppContext.h"
#include "ChartFile.h"
#include "ChartRenderer.h"
#include "InSight.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

int failure(const QString &message)
{
    std::fputs((QStringLiteral("qingyao-cli: ") + message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    AppLog::install(); // the engine's log lines stay in the log

    QString png, pdf;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--png"))
            png = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--pdf"))
            pdf = args.at(i + 1);
        else
            return failure(QStringLiteral("qingyao-cli-draw: unknown argument %1").arg(args.at(i)));
    }
    if (args.size() % 2 != 0 || (png.isEmpty() && pdf.isEmpty()))
        return failure(QStringLiteral("usage: qingyao-cli-draw [--png FILE] [--pdf FILE] < CHART-FILE"));

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read the chart file from standard input"));
    const QByteArray json = in.readAll();
    const ChartFile::Loaded loaded = ChartFile::read(json);
    if (!loaded.ok)
        return failure(loaded.reason);
    InSight engine;
    const ChartFile::Cast cast = ChartFile::cast(loaded.record, loaded.settings, engine);
    if (!cast.ok)
        return failure(QStringLiteral("no chart to draw: ") + cast.reason);
    const QDateTime created = QDateTime::fromString(
        QJsonDocument::fromJson(json).object().value(QStringLiteral("created")).toString(), Qt::ISODate);
    const ChartRenderer::Sheet sheet = ChartRenderer::sheet(loaded.record, loaded.settings, cast, engine,
                                                            created.isValid() ? created : QDateTime::currentDateTimeUtc());
    QString error;
    if (!png.isEmpty() && !ChartRenderer::writePng(sheet, png, &error))
        return failure(error);
    if (!pdf.isEmpty() && !ChartRenderer::writePdf(sheet, pdf, &error))
        return failure(error);
    return 0;
}
