// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordTransfer.h"

#include "SqloneCustomerModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace RecordTransfer {
namespace {

// The columns the table declares NOT NULL.
const QStringList kRequired = {QStringLiteral("userid"), QStringLiteral("timestamp"), QStringLiteral("gender"),
                               QStringLiteral("caltype"), QStringLiteral("maintime"), QStringLiteral("inputtime"),
                               QStringLiteral("mainJvalue")};

QString oneLine(QString text)
{
    for (const QChar c : {u'\t', u'\n', u'\r'})
        text.replace(c, QLatin1Char(' '));
    return text;
}

// A JSON value as the text to store; false when it is not a text, number or
// null, an invalid variant for a number no column can hold. A column the
// object leaves out counts as null.
bool storedText(const QJsonValue &value, QVariant *text)
{
    switch (value.type()) {
    case QJsonValue::Undefined:
    case QJsonValue::Null:
        *text = QVariant(QVariant::String);
        return true;
    case QJsonValue::String:
        *text = value.toString();
        return true;
    case QJsonValue::Double: {
        // Beyond the 64-bit range of an SQLite integer the cast below is
        // undefined; such a number is no value of any column.
        const double number = value.toDouble();
        constexpr double limit = 9223372036854775808.0; // 2^63
        if (!(number >= -limit && number < limit)) {
            *text = QVariant(); // no value: refused by the caller
            return true;
        }
        const qint64 whole = qint64(number);
        *text = double(whole) == number ? QString::number(whole) : QString::number(number, 'g', 17);
        return true;
    }
    default:
        return false;
    }
}

using Record = QVector<QVariant>; // one value per column, in table order

QString checkRecords(const QByteArray &json, QVector<Record> *records)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("not valid JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
    if (!doc.isArray())
        return QStringLiteral("not a JSON array of records");

    const QStringList &columns = SqloneCustomerModel::columnNames();
    const QJsonArray array = doc.array();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("record %1: ").arg(i + 1);
        if (!array.at(i).isObject())
            return where + QStringLiteral("not a JSON object");
        const QJsonObject object = array.at(i).toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!columns.contains(it.key()))
                return where + QStringLiteral("unknown column \"%1\"").arg(it.key());
        }
        Record record(columns.size());
        for (int c = 0; c < columns.size(); ++c) {
            if (!storedText(object.value(columns[c]), &record[c]))
                return where + QStringLiteral("column \"%1\" must be a text or null").arg(columns[c]);
            if (record[c].type() == QVariant::Invalid)
                return where + QStringLiteral("column \"%1\" holds a number outside the 64-bit range").arg(columns[c]);
        }
        for (const QString &required : kRequired) {
            if (record[columns.indexOf(required)].isNull())
                return where + QStringLiteral("column \"%1\" is missing or null").arg(required);
        }
        const QVariant seqno = record[columns.indexOf(QStringLiteral("seqno"))];
        bool whole = true;
        if (!seqno.isNull())
            seqno.toString().toLongLong(&whole);
        if (!whole)
            return where + QStringLiteral("column \"seqno\" must be a whole number or null");
        records->append(record);
    }
    return QString();
}

// The records table with all its columns, read once; empty when it is usable.
QString readableTable(const QSqlDatabase &db, bool create)
{
    QString error;
    if (create && !SqloneCustomerModel::ensureTable(db, &error))
        return QStringLiteral("cannot create the records table: %1").arg(error);
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT %1 FROM oneCustomer LIMIT 0")
                            .arg(SqloneCustomerModel::columnNames().join(QLatin1Char(',')))))
        return QStringLiteral("no records table of this program: %1").arg(probe.lastError().text());
    return QString();
}

bool exists(QSqlQuery &query, const QVariant &value)
{
    query.bindValue(0, value);
    return query.exec() && query.next();
}

} // namespace

QList<QStringList> listRows(const QString &classNote, const QString &search, QString *error)
{
    QList<QStringList> rows;
    SqloneCustomerModel model;
    QString problem = readableTable(model.database(), false);
    if (problem.isEmpty()) {
        model.setFilterMore2(classNote, search);
        while (model.canFetchMore())
            model.fetchMore();
        if (model.lastError().isValid())
            problem = model.lastError().text();
    }
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return rows;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QSqlRecord rec = model.record(row);
        QStringList fields;
        for (const char *column : {"seqno", "name", "inputtime", "inputPlaceName", "userid"})
            fields << oneLine(rec.value(QLatin1String(column)).toString());
        rows << fields;
    }
    return rows;
}

QByteArray exportJson(const QSqlDatabase &db, int *count, QString *error)
{
    const auto failed = [&](const QString &reason) {
        if (error)
            *error = reason;
        if (count)
            *count = 0;
        return QByteArray();
    };
    const QString problem = readableTable(db, true);
    if (!problem.isEmpty())
        return failed(problem);
    const QStringList &columns = SqloneCustomerModel::columnNames();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QJsonArray array;
    if (!query.exec(QStringLiteral("SELECT %1 FROM oneCustomer ORDER BY seqno").arg(columns.join(QLatin1Char(',')))))
        return failed(query.lastError().text());
    while (query.next()) {
        QJsonObject object;
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant value = query.value(c);
            object.insert(columns[c], value.isNull() ? QJsonValue() : QJsonValue(value.toString()));
        }
        array.append(object);
    }
    // A read that stops part way (a damaged page) is no complete back-up.
    if (query.lastError().isValid())
        return failed(query.lastError().text());
    if (count)
        *count = array.size();
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

ImportResult importJson(const QSqlDatabase &db, const QByteArray &json)
{
    ImportResult result;
    QVector<Record> records;
    result.error = checkRecords(json, &records);
    if (!result.error.isEmpty())
        return result;
    result.error = readableTable(db, true);
    if (!result.error.isEmpty())
        return result;

    const QStringList &columns = SqloneCustomerModel::columnNames();
    const int useridColumn = columns.indexOf(QStringLiteral("userid"));
    const int seqnoColumn = columns.indexOf(QStringLiteral("seqno"));
    QSqlDatabase database = db;
    if (!database.transaction()) {
        result.error = QStringLiteral("cannot start a transaction: %1").arg(database.lastError().text());
        return result;
    }
    QSqlQuery byUserid(database);
    byUserid.prepare(QStringLiteral("SELECT 1 FROM oneCustomer WHERE userid = ?"));
    QSqlQuery bySeqno(database);
    bySeqno.prepare(QStringLiteral("SELECT 1 FROM oneCustomer WHERE seqno = ?"));
    QSqlQuery insert(database);
    const QString placeholders = QStringLiteral("?,").repeated(columns.size()).chopped(1);
    insert.prepare(QStringLiteral("INSERT INTO oneCustomer (%1) VALUES (%2)")
                           .arg(columns.join(QLatin1Char(',')), placeholders));

    for (int i = 0; i < records.size(); ++i) {
        Record record = records[i];
        if (exists(byUserid, record[useridColumn])) {
            ++result.skipped;
            continue;
        }
        if (!record[seqnoColumn].isNull()) {
            record[seqnoColumn] = record[seqnoColumn].toString().toLongLong();
            if (exists(bySeqno, record[seqnoColumn]))
                record[seqnoColumn] = QVariant(QVariant::LongLong); // let the database number it
        }
        for (int c = 0; c < record.size(); ++c)
            insert.bindValue(c, record[c]);
        if (!insert.exec()) {
            result.error = QStringLiteral("record %1: %2").arg(i + 1).arg(insert.lastError().text());
            database.rollback();
            result.added = 0;
            result.skipped = 0;
            return result;
        }
        ++result.added;
    }
    if (!database.commit()) {
        result.error = QStringLiteral("cannot write the records: %1").arg(database.lastError().text());
        database.rollback();
        result.added = 0;
        result.skipped = 0;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace RecordTransfer
