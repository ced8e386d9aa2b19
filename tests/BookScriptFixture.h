// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loads the book script the way the start-up does: split at ";" and run in one
// transaction on an in-memory SQLite database of the given connection name.

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace BookScriptFixture {

inline QString readScript()
{
    QFile file(QStringLiteral(":/datafiles/bookData.sql"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

inline QStringList statements(const QString &script)
{
    QStringList out;
    for (const QString &part : script.split(QLatin1Char(';'))) {
        if (!part.trimmed().isEmpty())
            out << part;
    }
    return out;
}

// Empty on success, else what went wrong.
inline QString load(const QString &connection)
{
    const QStringList all = statements(readScript());
    if (all.isEmpty())
        return QStringLiteral("script missing or empty");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open() || !db.transaction())
        return db.lastError().text();
    QSqlQuery q(db);
    for (const QString &statement : all) {
        if (!q.exec(statement))
            return q.lastError().text() + QLatin1Char(' ') + statement.left(80);
    }
    return db.commit() ? QString() : db.lastError().text();
}

inline void unload(const QString &connection)
{
    QSqlDatabase::database(connection).close();
    QSqlDatabase::removeDatabase(connection);
}

} // namespace BookScriptFixture
