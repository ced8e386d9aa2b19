#pragma once

#include <QString>

class QSqlDatabase;

// The two SQLite connections that stay open for the whole run: the user
// database with the person records, in a file, and the book database, built in
// memory from the script in the resource bundle.
namespace DatabaseConnections {

inline const QString userDatabaseFileName = QStringLiteral("/Solquist.db");
inline const QString bookScriptResource = QStringLiteral(":/datafiles/bookData.sql");

// 0 open, -1 connection not added, -3 not opened. Chooses the documents folder,
// then the application data folder, then ":memory:", and records the choice in
// AppContext::userDatabasePath / userDatabaseInAppDir.
int openUserDatabase();

// The same connection on a file the caller names (the command line's --db).
int openUserDatabaseAt(const QString &path);

// 0 built, -1 connection not added, -6 not opened, -21 no script, -22 script
// unreadable.
int buildBookDatabase();
int buildBookDatabaseFrom(const QString &scriptPath);

} // namespace DatabaseConnections
