// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "AppContext.h"
#include "TimePoints.h"

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Standard output carries only a command's answer; the engine's notes on
// input it refused belong with the other diagnostics.
void diagnosticToStderr(const char *text)
{
    std::fputs(text, stderr);
}

struct Entry {
    const char *summary;
    CliCommand::Handler run;
};

std::map<std::string, Entry> &registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

// The program's help, laid out for help2man (it makes the manual page from
// this text and --version).
QString helpText()
{
    QString text = QStringLiteral(
        "Usage: qingyao-cli COMMAND [OPTION]... [ARGUMENT]...\n"
        "Four Pillars (子平八字) charts, the calendar tables and the person records of 晴曜命盘,\n"
        "from the command line.\n\n"
        "Commands:\n");
    for (const auto &[name, entry] : registry())
        text += QStringLiteral("  %1%2\n").arg(QString::fromStdString(name), -20).arg(QString::fromUtf8(entry.summary));
    text += QStringLiteral(
        "\nOptions:\n"
        "  -h, --help          display this help and exit\n"
        "      --version       output version information and exit\n\n"
        "Run 'qingyao-cli COMMAND --help' for the options and arguments of one command.\n\n"
        "Exit status:\n"
        "  0  the command did what was asked\n"
        "  1  some of the input could not be answered, or a file or database failed\n"
        "  2  the command line was not understood (the reason goes to standard error)\n");
    return text;
}

} // namespace

CliCommand::CliCommand(const char *name, const char *summary, Handler run)
{
    registry().emplace(name, Entry{summary, run});
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
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    // The program's own handler: log lines are kept only when log saving is on,
    // so the engines' log lines do not end up in the command's output.
    AppLog::install();
    TimePoints::setDiagnosticSink(diagnosticToStderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(helpText().toUtf8().constData(), stderr);
        return 2;
    }
    QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        cliWrite(QStringLiteral("qingyao-cli ") + AppContext::applicationVersion + QLatin1Char('\n'));
        return 0;
    }
    const bool help = name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h");
    if (help && args.isEmpty()) {
        cliWrite(helpText());
        return 0;
    }
    if (help) { // "help COMMAND" is "COMMAND --help"
        name = args.takeFirst();
        args = QStringList{QStringLiteral("--help")};
    }
    const auto it = registry().find(name.toStdString());
    if (it == registry().end())
        return Cli::usageError(QStringLiteral("unknown command '%1' (try qingyao-cli --help)").arg(name));
    const int code = it->second.run(args);
    std::fflush(stdout);
    return code;
}
