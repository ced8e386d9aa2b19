// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteStatement.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

#include <vector>

namespace SqliteStatement {

sqlite3 *connection(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void Finalize::operator()(sqlite3_stmt *statement) const
{
    sqlite3_finalize(statement);
}

Statement prepare(sqlite3 *connection, const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    return Statement(statement);
}

QString error(sqlite3 *connection)
{
    return QString::fromUtf8(sqlite3_errmsg(connection));
}

int bindText(sqlite3_stmt *statement, int index, const QString &text, QByteArray &utf8)
{
    utf8 = text.toUtf8();
    return sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

namespace {

// The value as Qt's SQLite driver binds it, except that text goes in as UTF-8.
int bindValue(sqlite3_stmt *statement, int index, const QVariant &value, QByteArray &bytes)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.userType()) {
    case QMetaType::QByteArray:
        bytes = value.toByteArray();
        return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QDateTime:
        return bindText(statement, index, value.toDateTime().toString(Qt::ISODateWithMs), bytes);
    case QMetaType::QTime:
        return bindText(statement, index, value.toTime().toString(QStringLiteral("hh:mm:ss.zzz")), bytes);
    default:
        return bindText(statement, index, value.toString(), bytes);
    }
}

} // namespace

bool run(sqlite3 *connection, const QString &sql, const QVariantList &values, QString *error)
{
    const Statement statement = prepare(connection, sql);
    bool ok = statement != nullptr;
    std::vector<QByteArray> bytes(size_t(values.size()));
    for (int i = 0; ok && i < values.size(); ++i)
        ok = bindValue(statement.get(), i + 1, values[i], bytes[size_t(i)]) == SQLITE_OK;
    ok = ok && sqlite3_step(statement.get()) == SQLITE_DONE;
    if (!ok && error)
        *error = SqliteStatement::error(connection);
    return ok;
}

} // namespace SqliteStatement
