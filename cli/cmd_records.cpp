// SPDX-License-Identifier: GPL-3.0-or-later
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
        return QStringLiteral("records needs list, export or import");
    options->action = args.takeFirst();
    const bool isList = options->action == QLatin1String("list");
    if (!isList && options->action != QLatin1String("export") && options->action != QLatin1String("import"))
        return QStringLiteral("unknown records action '%1' (list, export or import)").arg(options->action);
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
        if (options.action != QLatin1String("import") && !QFileInfo(options.db).isFile())
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
    // Row by row to standard output, in pieces: memory stays flat however
    // many records the database holds.
    QByteArray out;
    const auto flush = [&out] {
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        out.clear();
    };
    QString error;
    const bool ok = RecordTransfer::listRowsTo(
            options.classNote, options.search,
            [&](const QStringList &row) {
                out += row.join(QLatin1Char('\t')).toUtf8() + '\n';
                if (out.size() >= (1 << 16))
                    flush();
            },
            &error);
    if (!ok)
        return fail(error);
    flush();
    return 0;
}

int exportTo(const Options &options)
{
    // Saving renames a new file over the target: over a device node or a
    // pipe that would put a regular file in its place.
    const QFileInfo target(options.file);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("%1 is not a regular file; nothing exported").arg(options.file));
    QSaveFile file(options.file);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(options.file, file.errorString()));
    int count = 0;
    QString error;
    // Written as read; the target is replaced only when the whole file is.
    if (!RecordTransfer::exportJsonTo(QSqlDatabase::database(AppContext::userConnectionName), &file, &count, &error)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        file.cancelWriting();
        if (!reason.isEmpty())
            return fail(QStringLiteral("cannot write %1: %2").arg(options.file, reason));
        return fail(QStringLiteral("%1; %2 left as it was").arg(error, options.file));
    }
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(options.file, file.errorString()));
    cliWrite(QStringLiteral("exported %1 records to %2\n").arg(count).arg(options.file));
    return 0;
}

int importFrom(const Options &options)
{
    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(options.file, file.errorString()));
    // A pipe or device cannot be read twice; the all-at-once reading is
    // what gives a faulty file its message.
    const RecordTransfer::ImportResult result =
            file.isSequential()
            ? RecordTransfer::importJson(QSqlDatabase::database(AppContext::userConnectionName), file.readAll())
            : RecordTransfer::importJsonFrom(QSqlDatabase::database(AppContext::userConnectionName), &file);
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
    return importFrom(options);
}

} // namespace

static const CliCommand recordsCommand{
    "records", "records list [--class TEXT] [--search TEXT] | export FILE.json | import FILE.json  [--db PATH]",
    "list, back up or restore the person records of the user database (or of the --db file)", runRecords};
