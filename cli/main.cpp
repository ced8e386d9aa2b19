// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"
#include "Command.h"

#include "AppContext.h"
#include "TimePoints.h"

#include <QCoreApplication>
#include <QMap>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Standard output carries only a command's answer; the engine's notes on
// input it refused belong with the other diagnostics.
void diagnosticToStderr(const char *text)
{
    std::fputs(text, stderr);
}

struct Entry {
    QString usage;
    QString summary;
    CliCommand::Handler run;
};

QMap<QString, Entry> &registry()
{
    static QMap<QString, Entry> commands;
    return commands;
}

int usage(FILE *stream)
{
    QString text = QStringLiteral("usage: qingyao-cli COMMAND [ARGS]\n\ncommands:\n");
    for (auto it = registry().cbegin(); it != registry().cend(); ++it)
        text += QStringLiteral("  %1\n      %2\n").arg(it->usage, it->summary);
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return stream == stdout ? 0 : 2;
}

} // namespace

CliCommand::CliCommand(const char *name, const char *usageText, const char *summary, Handler run)
{
    registry().insert(QString::fromUtf8(name), {QString::fromUtf8(usageText), QString::fromUtf8(summary), std::move(run)});
}

int cliUsageError(const QString &message)
{
    const QByteArray bytes = (QStringLiteral("qingyao-cli: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return 2;
}

void cliWrite(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int main(int argc, char *argv[])
{
    // The engines are QObjects that may reach for the translator and the
    // settings store, so give them an application with the program's names.
    const std::unique_ptr<QCoreApplication> app(cliApplication(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    // The program's own handler: log lines are kept only when log saving is on,
    // so the engines' log lines do not end up in the command's output.
    AppLog::install();
    TimePoints::setDiagnosticSink(diagnosticToStderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage(stderr);
    const QString name = args.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h"))
        return usage(stdout);
    const auto it = registry().constFind(name);
    if (it == registry().cend())
        return cliUsageError(QStringLiteral("unknown command '%1' (try qingyao-cli --help)").arg(name));
    const int code = it->run(args);
    std::fflush(stdout);
    return code;
}
