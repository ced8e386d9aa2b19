#include "DatabaseConnections.h"

#include "AppContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace DatabaseConnections {
namespace {

// Finds the named connection or adds it; an invalid result means the SQLite
// driver is missing.
QSqlDatabase connection(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::database(name);
    if (!db.isValid())
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
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

int openUserConnectionOn(QSqlDatabase db, const QString &path)
{
    AppContext::userDatabasePath = path;
    // Reopening would close the queries of every model already bound to the
    // connection; a second opening on the same file keeps it as it is.
    if (!(db.isOpen() && db.databaseName() == path)) {
        db.setDatabaseName(path);
        if (!db.open()) {
            qDebug("Cannot open database: %s", qPrintable(db.lastError().text()));
            return -3;
        }
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

int openUserDatabaseAt(const QString &path)
{
    QSqlDatabase db = connection(AppContext::userConnectionName);
    if (!db.isValid())
        return -1;
    return openUserConnectionOn(db, path);
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
