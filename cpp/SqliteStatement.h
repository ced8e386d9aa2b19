// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantList>

#include <memory>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

// Statements stepped on the Qt driver's own SQLite connection, for the writes
// that store user and file text. Qt binds a QString as UTF-16, and SQLite
// reads a leading U+FEFF or U+FFFE of UTF-16 text as a byte-order mark: the
// first is dropped, the second turns the rest of the text byte-swapped. Text
// bound here goes in as UTF-8, as it was typed.
namespace SqliteStatement {

// The connection under a QSQLITE database; null for any other driver.
sqlite3 *connection(const QSqlDatabase &db);

struct Finalize {
    void operator()(sqlite3_stmt *statement) const;
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

// Null when SQLite refuses the statement; error() says why.
Statement prepare(sqlite3 *connection, const QString &sql);
QString error(sqlite3 *connection);

// Binds text as UTF-8 (a lone surrogate becomes '?', as QString::toUtf8 makes
// it); utf8 keeps the bytes until the statement is stepped or reset.
int bindText(sqlite3_stmt *statement, int index, const QString &text, QByteArray &utf8);

// Runs sql once with values bound to its ? in order, each as Qt's driver
// binds it but text through bindText; false with SQLite's reason in error.
bool run(sqlite3 *connection, const QString &sql, const QVariantList &values, QString *error);

} // namespace SqliteStatement
