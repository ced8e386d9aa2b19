// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseConnections.h"

#include "AppContext.h"
#include "SqloneCustomerModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace DatabaseConnections {
namespace {

// Finds the named connection or adds it; an invalid result means the SQLite
// driver is missing.
QSqlDatabase connection(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::database(name);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // How long a statement waits out another program's lock on the file
        // before it fails with "database is locked": Qt's 5 s unless
        // QINGYAO_DB_BUSY_MS gives the milliseconds (tests shorten it).
        bool ok = false;
        const int busyMs = qEnvironmentVariableIntValue("QINGYAO_DB_BUSY_MS", &ok);
        if (ok && busyMs >= 0)
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs));
    }
    if (!db.isValid())
        qDebug("Cannot add database: %s", qPrintable(db.lastError().text()));
    return db;
}

QString backslashed(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// Opening as a file for reading and writing creates the file when missing, so
// a folder counts only when we may really write there.
bool usableFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    file.close();
    return true;
}

// One step per version: steps[v] lifts a file from version v to v + 1.
// Version 0 files of this program already hold the 26 columns and only gain
// the stamp; a table of another shape is no file of ours and stays as it is.
using MigrationStep = bool (*)(QSqlQuery &query);
const MigrationStep migrationSteps[] = {
    [](QSqlQuery &query) {
        return query.exec(QStringLiteral("SELECT %1 FROM oneCustomer LIMIT 0")
                                  .arg(SqloneCustomerModel::columnNames().join(QLatin1Char(','))));
    },
    // Layout 2: the index that keeps "newest first" from sorting the table.
    [](QSqlQuery &query) { return SqloneCustomerModel::createIndexes(query); },
};
static_assert(sizeof(migrationSteps) / sizeof(migrationSteps[0]) == userSchemaVersion);

int openUserConnectionOn(QSqlDatabase db, const QString &path, QString *problem = nullptr)
{
    AppContext::userDatabasePath = path;
    // Reopening would close the queries of every model already bound to the
    // connection; a second opening on the same file keeps it as it is.
    if (!(db.isOpen() && db.databaseName() == path)) {
        db.setDatabaseName(path);
        if (!db.open()) {
            qDebug("Cannot open database: %s", qPrintable(db.lastError().text()));
            if (problem)
                *problem = db.lastError().text();
            return -3;
        }
    }
    const QString reason = migrateUserDatabase(db);
    if (!reason.isEmpty()) {
        qWarning("Cannot use database %s: %s", qPrintable(path), qPrintable(reason));
        if (problem)
            *problem = reason;
        return reason.startsWith(QLatin1String("made by a newer")) ? -5 : -4;
    }
    qDebug("open database at: %s", qPrintable(backslashed(path)));
    return 0;
}

} // namespace

int openUserDatabase()
{
    QSqlDatabase db = connection(AppContext::userConnectionName);
    if (!db.isValid())
        return -1;

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(documents);
    QDir().mkpath(appData);

    const QString first = QDir(documents).absolutePath() + userDatabaseFileName;
    const QString second = QDir(appData).absolutePath() + userDatabaseFileName;
    QString chosen = QStringLiteral(":memory:");
    if (usableFile(first)) {
        chosen = first;
    } else if (usableFile(second)) {
        chosen = second;
        AppContext::userDatabaseInAppDir = QStringLiteral("1");
    }
    return openUserConnectionOn(db, chosen);
}

int openUserDatabaseAt(const QString &path, QString *problem)
{
    QSqlDatabase db = connection(AppContext::userConnectionName);
    if (!db.isValid())
        return -1;
    return openUserConnectionOn(db, path, problem);
}

QString migrateUserDatabase(const QSqlDatabase &connection)
{
    QSqlDatabase db = connection;
    QSqlQuery query(db);
    // The first read of the file: a file of other bytes fails here.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return query.lastError().text();
    const int version = query.value(0).toInt();
    query.finish();
    if (version > userSchemaVersion)
        return QStringLiteral("made by a newer release (layout %1, this release knows %2)").arg(version).arg(userSchemaVersion);
    if (version == userSchemaVersion)
        return QString();
    if (!query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'oneCustomer'")))
        return query.lastError().text();
    if (!query.next())
        return QString();
    query.finish();
    for (int step = version; step < userSchemaVersion; ++step) {
        if (!db.transaction())
            return db.lastError().text();
        if (!migrationSteps[step](query)
            || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)) || !db.commit()) {
            const QString reason = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
            db.rollback();
            return QStringLiteral("migration to layout %1 failed: %2").arg(step + 1).arg(reason);
        }
    }
    return QString();
}

int buildBookDatabase()
{
    return buildBookDatabaseFrom(bookScriptResource);
}

int buildBookDatabaseFrom(const QString &scriptPath)
{
    QSqlDatabase db = connection(AppContext::bookConnectionName);
    if (!db.isValid())
        return -1;
    // A fresh in-memory database each time: a second build starts from empty.
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) {
        qDebug("Cannot open database: %s", qPrintable(db.lastError().text()));
        return -6;
    }

    QFile script(scriptPath);
    if (!script.exists())
        return -21;
    // A folder of the resource bundle "opens" with no content; it is no script.
    if (QFileInfo(scriptPath).isDir() || !script.open(QIODevice::ReadOnly | QIODevice::Text))
        return -22;
    const QStringList pieces = QString::fromUtf8(script.readAll()).split(QLatin1Char(';'), Qt::SkipEmptyParts);

    // One transaction: a single commit instead of one per row. A piece that
    // fails (white space after the last ";", say) is skipped.
    db.transaction();
    QSqlQuery query(db);
    for (const QString &piece : pieces)
        query.exec(piece);
    db.commit();
    qDebug("open database at: %s", qPrintable(backslashed(db.databaseName())));
    return 0;
}

} // namespace DatabaseConnections
