// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlDatabase;

// The two SQLite connections that stay open for the whole run: the user
// database with the person records, in a file, and the book database, built in
// memory from the script in the resource bundle.
namespace DatabaseConnections {

inline const QString userDatabaseFileName = QStringLiteral("/Solquist.db");
inline const QString bookScriptResource = QStringLiteral(":/datafiles/bookData.sql");

// Version of the user database layout, kept in PRAGMA user_version. Files of
// releases before the stamp read 0; each migration step lifts a file by one.
inline constexpr int userSchemaVersion = 2;

// 0 open, -1 connection not added, -3 not opened, -4 not a database or its
// migration failed, -5 made by a newer release. Chooses the documents folder,
// then the application data folder, then ":memory:", and records the choice in
// AppContext::userDatabasePath / userDatabaseInAppDir.
int openUserDatabase();

// The same connection on a file the caller names (the command line's --db);
// problem receives the reason of a failure.
int openUserDatabaseAt(const QString &path, QString *problem = nullptr);

// Brings an open user database up to userSchemaVersion, one transaction per
// step. A file without the records table is left alone (the table and its
// stamp come together when the records model creates it). Empty on success,
// else the reason.
QString migrateUserDatabase(const QSqlDatabase &db);

// 0 built, -1 connection not added, -6 not opened, -21 no script, -22 script
// unreadable.
int buildBookDatabase();
int buildBookDatabaseFrom(const QString &scriptPath);

} // namespace DatabaseConnections
