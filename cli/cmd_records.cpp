// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"
#include "Command.h"

#include "AppContext.h"
#include "DatabaseConnections.h"
#include "RecordTransfer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>

#include <cstdio>

namespace {

// A failure that is not a usage error: one line on standard error, exit 1.
int fail(const QString &message)
{
    const QByteArray bytes = (QStringLiteral("qingyao-cli: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return 1;
}

// The opening procedures log at debug level; the command line has its own
// messages and keeps standard error for failures.
void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const QByteArray bytes = message.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

struct Options {
    QString action;
    QString file;
    QString db;
    QString classNote;
    QString search;
    bool dbGiven = false;
};

// Returns an empty text on success, else the usage problem.
QString parse(QStringList args, Options *options)
{
    if (args.isEmpty())
        return QStringLiteral("records needs list, export, import or import-chart");
    options->action = args.takeFirst();
    const bool isList = options->action == QLatin1String("list");
    if (!isList && options->action != QLatin1String("export") && options->action != QLatin1String("import")
        && options->action != QLatin1String("import-chart"))
        return QStringLiteral("unknown records action '%1' (list, export, import or import-chart)").arg(options->action);
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        QString *target = nullptr;
        if (arg == QLatin1String("--db")) {
            target = &options->db;
            options->dbGiven = true;
        } else if (isList && arg == QLatin1String("--class")) {
            target = &options->classNote;
        } else if (isList && arg == QLatin1String("--search")) {
            target = &options->search;
        } else if (arg.startsWith(QLatin1String("--")) || isList || !options->file.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            options->file = arg;
            continue;
        }
        if (args.isEmpty())
            return QStringLiteral("%1 needs a value").arg(arg);
        *target = args.takeFirst();
    }
    if (options->dbGiven && options->db.isEmpty())
        return QStringLiteral("--db needs a file path");
    if (!isList && options->file.isEmpty())
        return QStringLiteral("records %1 needs a FILE.json").arg(options->action);
    return QString();
}

// Opens the program's own user database, or the --db file. Empty on success.
QString openDatabase(const Options &options)
{
    if (options.dbGiven) {
        // Only an import may start a new database file.
        if (!options.action.startsWith(QLatin1String("import")) && !QFileInfo(options.db).isFile())
            return QStringLiteral("no database file at %1").arg(options.db);
        QString reason;
        if (DatabaseConnections::openUserDatabaseAt(options.db, &reason) != 0)
            return QStringLiteral("cannot open %1 as a database: %2").arg(options.db, reason);
        return QString();
    }
    if (DatabaseConnections::openUserDatabase() != 0)
        return QStringLiteral("cannot open the user database");
    if (AppContext::userDatabasePath == QLatin1String(":memory:"))
        return QStringLiteral("no user database file: neither the documents folder nor the application data folder is writable");
    return QString();
}

int list(const Options &options)
{
    QString out;
    QString error;
    const QList<QStringList> rows = RecordTransfer::listRows(options.classNote, options.search, &error);
    if (!error.isEmpty())
        return fail(error);
    for (const QStringList &row : rows)
        out += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    cliWrite(out);
    return 0;
}

int exportTo(const Options &options)
{
    // Saving renames a new file over the target: over a device node or a
    // pipe that would put a regular file in its place.
    const QFileInfo target(options.file);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("%1 is not a regular file; nothing exported").arg(options.file));
    int count = 0;
    QString error;
    const QByteArray json =
            RecordTransfer::exportJson(QSqlDatabase::database(AppContext::userConnectionName), &count, &error);
    if (!error.isEmpty())
        return fail(QStringLiteral("%1; %2 left as it was").arg(error, options.file));
    QSaveFile file(options.file);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(options.file, file.errorString()));
    cliWrite(QStringLiteral("exported %1 records to %2\n").arg(count).arg(options.file));
    return 0;
}

int importFrom(const Options &options)
{
    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(options.file, file.errorString()));
    const RecordTransfer::ImportResult result =
            RecordTransfer::importJson(QSqlDatabase::database(AppContext::userConnectionName), file.readAll());
    if (!result.ok)
        return fail(QStringLiteral("%1: %2; nothing imported").arg(options.file, result.error));
    cliWrite(QStringLiteral("added %1 records, skipped %2 already present\n").arg(result.added).arg(result.skipped));
    return 0;
}

int runRecords(const QStringList &args)
{
    Options options;
    const QString problem = parse(args, &options);
    if (!problem.isEmpty())
        return cliUsageError(problem);
    qInstallMessageHandler(dropDebugLines);
    const QString openProblem = openDatabase(options);
    if (!openProblem.isEmpty())
        return fail(openProblem);
    if (options.action == QLatin1String("list"))
        return list(options);
    if (options.action == QLatin1String("export"))
        return exportTo(options);
    if (options.action == QLatin1String("import-chart"))
        return importChartFile(options.file);
    return importFrom(options);
}

} // namespace

static const CliCommand recordsCommand{
    "records", "records list [--class TEXT] [--search TEXT] | export FILE.json | import FILE.json | import-chart FILE"
    "  [--db PATH]",
    "list, back up or restore the person records of the user database (or of the --db file); import-chart adds"
    " the record of a chart file after checking its pillars", runRecords};
