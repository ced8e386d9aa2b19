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

// The opening procedures log at debug level; the command line has its own
// messages and keeps standard error for failures.
void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const QByteArray bytes = message.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

enum Action { List, Export, Import, ImportChart };

struct Options {
    int action = List;
    QString file;
    QString db;
    QString classNote;
    QString search;
    bool dbGiven = false;
};

// Returns an empty text on success, else the usage problem.
QString read(const Cli::CommandLine &line, Options *options)
{
    QStringList words = line.positional();
    if (words.isEmpty())
        return QStringLiteral("records needs list, export, import or import-chart");
    const QString action = words.takeFirst();
    if (!Cli::readChoice(action, {QStringLiteral("list"), QStringLiteral("export"), QStringLiteral("import"),
                                  QStringLiteral("import-chart")},
                         options->action))
        return QStringLiteral("unknown records action '%1' (list, export, import or import-chart)").arg(action);
    const bool isList = options->action == List;
    for (const char *listOnly : {"class", "search"})
        if (!isList && line.isSet(listOnly))
            return QStringLiteral("--%1 goes with records list").arg(QLatin1String(listOnly));
    options->classNote = line.value("class");
    options->search = line.value("search");
    options->dbGiven = line.isSet("db");
    if (options->dbGiven && !Cli::readFilePath(line.value("db"), options->db))
        return QStringLiteral("--db needs a file path");
    if (words.size() > (isList ? 0 : 1))
        return QStringLiteral("unexpected argument '%1'").arg(words.last());
    if (!isList && (words.isEmpty() || !Cli::readFilePath(words.first(), options->file)))
        return QStringLiteral("records %1 needs a FILE.json").arg(action);
    return QString();
}

// Opens the program's own user database, or the --db file. Empty on success.
QString openDatabase(const Options &options)
{
    if (options.dbGiven) {
        // Only an import may start a new database file.
        if (options.action != Import && options.action != ImportChart && !QFileInfo(options.db).isFile())
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
        return Cli::failure(error);
    flush();
    return 0;
}

int exportTo(const Options &options)
{
    // Saving renames a new file over the target: over a device node or a
    // pipe that would put a regular file in its place.
    const QFileInfo target(options.file);
    if (target.exists() && !target.isFile())
        return Cli::failure(QStringLiteral("%1 is not a regular file; nothing exported").arg(options.file));
    QSaveFile file(options.file);
    if (!file.open(QIODevice::WriteOnly))
        return Cli::failure(QStringLiteral("cannot write %1: %2").arg(options.file, file.errorString()));
    int count = 0;
    QString error;
    // Written as read; the target is replaced only when the whole file is.
    if (!RecordTransfer::exportJsonTo(QSqlDatabase::database(AppContext::userConnectionName), &file, &count, &error)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        file.cancelWriting();
        if (!reason.isEmpty())
            return Cli::failure(QStringLiteral("cannot write %1: %2").arg(options.file, reason));
        return Cli::failure(QStringLiteral("%1; %2 left as it was").arg(error, options.file));
    }
    if (!file.commit())
        return Cli::failure(QStringLiteral("cannot write %1: %2").arg(options.file, file.errorString()));
    cliWrite(QStringLiteral("exported %1 records to %2\n").arg(count).arg(options.file));
    return 0;
}

int importFrom(const Options &options)
{
    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly))
        return Cli::failure(QStringLiteral("cannot read %1: %2").arg(options.file, file.errorString()));
    // A pipe or device cannot be read twice; the all-at-once reading is
    // what gives a faulty file its message.
    const RecordTransfer::ImportResult result =
            file.isSequential()
            ? RecordTransfer::importJson(QSqlDatabase::database(AppContext::userConnectionName), file.readAll())
            : RecordTransfer::importJsonFrom(QSqlDatabase::database(AppContext::userConnectionName), &file);
    if (!result.ok)
        return Cli::failure(QStringLiteral("%1: %2; nothing imported").arg(options.file, result.error));
    cliWrite(QStringLiteral("added %1 records, skipped %2 already present\n").arg(result.added).arg(result.skipped));
    return 0;
}

int runRecords(const QStringList &args)
{
    Cli::CommandLine line("records",
                          "records list [--class TEXT] [--search TEXT] [--db PATH]\n"
                          "records export [--db PATH] FILE.json\n"
                          "records import [--db PATH] FILE.json\n"
                          "records import-chart [--db PATH] FILE",
                          "List, back up or restore the person records of the user database, or of the --db file."
                          " list writes one record a line; export writes every record to FILE.json; import adds"
                          " the records of FILE.json that are not present yet; import-chart adds the record of a"
                          " chart file (chart --chart-file, or the chart page's export) after casting it again:"
                          " a file whose pillars differ from those its record gives is refused with the reason.");
    line.addValue("class", "TEXT", "list: only the records of this class");
    line.addValue("search", "TEXT", "list: only the records the search of the records tab finds for TEXT");
    line.addValue("db", "PATH", "the database file to use instead of the user database (import may create it)");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    Options options;
    const QString problem = read(line, &options);
    if (!problem.isEmpty())
        return Cli::usageError(problem);
    qInstallMessageHandler(dropDebugLines);
    const QString openProblem = openDatabase(options);
    if (!openProblem.isEmpty())
        return Cli::failure(openProblem);
    if (options.action == List)
        return list(options);
    if (options.action == Export)
        return exportTo(options);
    if (options.action == ImportChart)
        return importChartFile(options.file);
    return importFrom(options);
}

} // namespace

static const CliCommand recordsCommand{"records", "list, back up or restore the person records", runRecords};
