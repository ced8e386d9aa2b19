// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqlBookDataModel.h"

#include "AppContext.h"
#include "DatabaseConnections.h"
#include "SqlLiteral.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

const QString kTable = QStringLiteral("bookData");

// Without the script the database stays empty; an empty table lets every
// look-up answer "不适用" instead of failing on a missing table.
void ensureTable(const QSqlDatabase &db)
{
    if (!db.isValid() || db.tables().contains(kTable))
        return;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
                "CREATE TABLE IF NOT EXISTS 'bookData' ('seqid' INTEGER PRIMARY KEY,'bookname' TEXT NOT NULL,"
                "'idx01' TEXT NOT NULL,'idx02' TEXT,'idx03' TEXT,'idx04' TEXT,'idx05' TEXT,'content01' TEXT,"
                "'content02' TEXT,'content03' TEXT,'content04' TEXT,'content05' TEXT)")))
        qWarning("Failed to create database: %s", qPrintable(db.driver()->lastError().text()));
}

} // namespace

namespace {

// Built from its script when the first book model needs it, not at start.
QSqlDatabase bookDatabase()
{
    if (!QSqlDatabase::contains(AppContext::bookConnectionName))
        DatabaseConnections::buildBookDatabase();
    return QSqlDatabase::database(AppContext::bookConnectionName);
}

} // namespace

SqlBookDataModel::SqlBookDataModel(QObject *parent)
    : QSqlTableModel(parent, bookDatabase())
{
    ensureTable(database());
    setTable(kTable);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    select();
}

SqlBookDataModel::~SqlBookDataModel() = default;

QVariant SqlBookDataModel::getContentByFieldFilter(const QString &bookname, const QString &indx01,
                                                   const QString &indx02, const QString &indx03)
{
    QStringList conditions = {QLatin1String("bookname = ") + SqlLiteral::quoted(bookname),
                              QLatin1String("idx01 = ") + SqlLiteral::quoted(indx01)};
    if (!indx03.isEmpty()) {
        conditions << QLatin1String("idx02 = ") + SqlLiteral::quoted(indx02)
                   << QLatin1String("idx03 = ") + SqlLiteral::quoted(indx03);
    } else if (!indx02.isEmpty()) {
        conditions << QLatin1String("idx02 = ") + SqlLiteral::quoted(indx02);
    }
    setFilter(QLatin1Char('(') + conditions.join(QLatin1String(" AND ")) + QLatin1Char(')'));
    select();

    if (rowCount() == 1)
        return data(index(0, record().indexOf(QStringLiteral("content01"))));
    qWarning("%s", qPrintable(QStringLiteral("rowCount() != 1 (%1), need to re-select by filter.").arg(rowCount())));
    return tr("不适用");
}
