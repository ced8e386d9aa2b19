// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QSqlDatabase;

// Person records as a JSON file (back-up and moving a case collection) and as
// listing rows, for the command line. A JSON file is an array with one object
// per record; its keys are the 26 column names of oneCustomer and its values
// the stored texts, null for NULL.
namespace RecordTransfer {

// seqno, name, inputtime, inputPlaceName, userid of the records the class and
// search filters of SqloneCustomerModel let through, newest first. When the
// records table cannot be read, no rows and the reason in error.
QList<QStringList> listRows(const QString &classNote, const QString &search, QString *error = nullptr);
// The same rows one at a time, as the database yields them (filter and order
// in SQL, nothing kept); false with the reason in error when the records
// table cannot be read.
bool listRowsTo(const QString &classNote, const QString &search, const std::function<void(const QStringList &)> &row,
                QString *error = nullptr);

// Every column of every record, in seqno order; count receives the number of
// records. When the records table is missing its columns or cannot be read,
// an empty array is no answer: the result is empty and error says why.
QByteArray exportJson(const QSqlDatabase &db, int *count = nullptr, QString *error = nullptr);
// The same file written to out record by record; false (out holds part of a
// file) when the table cannot be read.
bool exportJsonTo(const QSqlDatabase &db, QIODevice *out, int *count = nullptr, QString *error = nullptr);

struct ImportResult {
    bool ok = false;
    int added = 0;
    int skipped = 0;   // identifier already in the database (or earlier in the file)
    QString error;     // set when !ok; then nothing was written
};

// All or nothing: the whole file is checked first and written in one
// transaction. A record keeps its seqno when that number is free.
ImportResult importJson(const QSqlDatabase &db, const QByteArray &json);
// The same read record by record from a seekable device, in constant memory:
// one transaction that is rolled back at the first fault.
ImportResult importJsonFrom(const QSqlDatabase &db, QIODevice *in);

} // namespace RecordTransfer
