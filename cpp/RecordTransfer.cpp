// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordTransfer.h"

#include "AppContext.h"
#include "SqloneCustomerModel.h"

#include <QBuffer>

#include <QJsonArray>
#include <QJsonDocument>
#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <vector>

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

// One element of the array as a record of the table, or why it is none.
QString checkRecord(const QJsonValue &value, int index, Record *record)
{
    const QStringList &columns = SqloneCustomerModel::columnNames();
    // Looked up once: a file holds a hundred thousand records.
    static const QHash<QString, int> columnIndex = [&columns] {
        QHash<QString, int> index;
        for (int c = 0; c < columns.size(); ++c)
            index.insert(columns[c], c);
        return index;
    }();
    const auto where = [index] { return QStringLiteral("record %1: ").arg(index + 1); };
    if (!value.isObject())
        return where() + QStringLiteral("not a JSON object");
    const QJsonObject object = value.toObject();
    // One walk over the object's keys finds each value; a column the object
    // leaves out stays Undefined.
    QVector<QJsonValue> values(columns.size(), QJsonValue(QJsonValue::Undefined));
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        const int c = columnIndex.value(key, -1);
        if (c < 0)
            return where() + QStringLiteral("unknown column \"%1\"").arg(key);
        values[c] = it.value();
    }
    *record = Record(columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        if (!storedText(values.at(c), &(*record)[c]))
            return where() + QStringLiteral("column \"%1\" must be a text or null").arg(columns[c]);
        if ((*record)[c].type() == QVariant::Invalid)
            return where() + QStringLiteral("column \"%1\" holds a number outside the 64-bit range").arg(columns[c]);
    }
    for (const QString &required : kRequired) {
        if ((*record)[columnIndex.value(required)].isNull())
            return where() + QStringLiteral("column \"%1\" is missing or null").arg(required);
    }
    const QVariant seqno = (*record)[columnIndex.value(QStringLiteral("seqno"))];
    bool whole = true;
    if (!seqno.isNull())
        seqno.toString().toLongLong(&whole);
    if (!whole)
        return where() + QStringLiteral("column \"seqno\" must be a whole number or null");
    return QString();
}

QString checkRecords(const QByteArray &json, QVector<Record> *records)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("not valid JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
    if (!doc.isArray())
        return QStringLiteral("not a JSON array of records");
    const QJsonArray array = doc.array();
    for (int i = 0; i < array.size(); ++i) {
        Record record;
        const QString problem = checkRecord(array.at(i), i, &record);
        if (!problem.isEmpty())
            return problem;
        records->append(record);
    }
    return QString();
}

// Cuts a JSON array into the texts of its elements without parsing them, so
// that each record is parsed alone and memory does not grow with the file.
// Anything not shaped "[ element, ... ]" is Bad; the whole-document parse
// then says why.
class ArrayElements
{
public:
    enum Result { Element, End, Bad };
    explicit ArrayElements(QIODevice *in) : m_in(in) {}

    Result next(QByteArray *element)
    {
        int c = skipSpace();
        if (!m_started) {
            if (c != '[')
                return Bad;
            m_started = true;
            ++m_pos;
            c = skipSpace();
            if (c == ']')
                return finish();
        } else {
            if (c == ']')
                return finish();
            if (c != ',')
                return Bad;
            ++m_pos;
            skipSpace();
        }
        int depth = 0;
        bool inString = false;
        bool escaped = false;
        int i = m_pos;
        for (;; ++i) {
            if (i >= m_buffer.size()) {
                i -= m_pos;
                if (!fill())
                    return Bad;
                i += m_pos;
            }
            const char ch = m_buffer.at(i);
            if (inString) {
                if (escaped)
                    escaped = false;
                else if (ch == '\\')
                    escaped = true;
                else if (ch == '"')
                    inString = false;
            } else if (ch == '"') {
                inString = true;
            } else if (ch == '{' || ch == '[') {
                ++depth;
            } else if (ch == '}' || ch == ']') {
                if (depth == 0)
                    break;
                --depth;
            } else if (ch == ',' && depth == 0) {
                break;
            }
        }
        *element = m_buffer.mid(m_pos, i - m_pos);
        m_pos = i;
        return element->trimmed().isEmpty() ? Bad : Element;
    }

private:
    // More input behind what is still unread; false at the end.
    bool fill()
    {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        const QByteArray more = m_in->read(1 << 16);
        m_buffer += more;
        return !more.isEmpty();
    }
    // The next byte that is not JSON white space, not consumed; -1 at the end.
    int skipSpace()
    {
        for (;;) {
            if (m_pos >= m_buffer.size() && !fill())
                return -1;
            const char ch = m_buffer.at(m_pos);
            if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r')
                return uchar(ch);
            ++m_pos;
        }
    }
    Result finish()
    {
        ++m_pos;
        return skipSpace() == -1 ? End : Bad;
    }

    QIODevice *m_in;
    QByteArray m_buffer;
    int m_pos = 0;
    bool m_started = false;
};

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

} // namespace

QList<QStringList> listRows(const QString &classNote, const QString &search, QString *error)
{
    QList<QStringList> rows;
    if (!listRowsTo(classNote, search, [&rows](const QStringList &row) { rows << row; }, error))
        rows.clear();
    return rows;
}

bool listRowsTo(const QString &classNote, const QString &search, const std::function<void(const QStringList &)> &row,
                QString *error)
{
    const QSqlDatabase db = QSqlDatabase::database(AppContext::userConnectionName);
    // As the records model does, a database without the table gets it.
    QString problem = readableTable(db, true);
    if (problem.isEmpty()) {
        // The model's own filter and order, run as one forward query: the
        // database hands over only the rows that pass, already in order.
        const QString filter = SqloneCustomerModel::filterText(classNote, search);
        // Every row of a filtered listing is read anyway: one pass over the
        // table and a sort of the hits beats a walk of the index that looks
        // each row up (a unary + keeps the index out of the order, not the order).
        const QString order = filter.isEmpty() ? SqloneCustomerModel::orderText()
                                               : QLatin1Char('+') + SqloneCustomerModel::orderText();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT seqno, name, inputtime, inputPlaceName, userid FROM oneCustomer%1 ORDER BY %2")
                               .arg(filter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter, order))) {
            QStringList fields;
            while (query.next()) {
                fields.clear();
                for (int c = 0; c < 5; ++c)
                    fields << oneLine(query.value(c).toString());
                row(fields);
            }
        }
        if (query.lastError().isValid())
            problem = query.lastError().text();
    }
    if (!problem.isEmpty() && error)
        *error = problem;
    return problem.isEmpty();
}

QByteArray exportJson(const QSqlDatabase &db, int *count, QString *error)
{
    QByteArray json;
    QBuffer buffer(&json);
    buffer.open(QIODevice::WriteOnly);
    if (!exportJsonTo(db, &buffer, count, error))
        return QByteArray();
    return json;
}

bool exportJsonTo(const QSqlDatabase &db, QIODevice *out, int *count, QString *error)
{
    const auto failed = [&](const QString &reason) {
        if (error)
            *error = reason;
        if (count)
            *count = 0;
        return false;
    };
    const QString problem = readableTable(db, true);
    if (!problem.isEmpty())
        return failed(problem);
    const QStringList &columns = SqloneCustomerModel::columnNames();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM oneCustomer ORDER BY seqno").arg(columns.join(QLatin1Char(',')))))
        return failed(query.lastError().text());
    // An indented QJsonDocument array written a batch of elements at a time:
    // each batch's own array text without its brackets, batches joined by
    // ",\n" as elements are.
    QByteArray piece("[\n");
    QJsonArray batch;
    int records = 0;
    const auto flush = [&]() {
        if (batch.isEmpty())
            return true;
        const QByteArray text = QJsonDocument(batch).toJson(QJsonDocument::Indented);
        if (records > batch.size())
            piece += ",\n";
        // "[\n" elements "\n]\n"
        piece.append(text.constData() + 2, text.size() - 5);
        batch = QJsonArray();
        const bool written = out->write(piece) == piece.size();
        piece.clear();
        return written;
    };
    // Every record has the same keys: copy an object that holds them and set
    // its values in the object's own key order, without a search per key.
    QJsonObject shape;
    for (const QString &column : columns)
        shape.insert(column, QJsonValue());
    std::vector<int> columnAt;
    for (auto it = shape.constBegin(); it != shape.constEnd(); ++it)
        columnAt.push_back(columns.indexOf(it.key()));
    while (query.next()) {
        QJsonObject object = shape;
        auto it = object.begin();
        for (const int c : columnAt) {
            const QVariant value = query.value(c);
            if (!value.isNull())
                it.value() = value.toString();
            ++it;
        }
        batch.append(object);
        ++records;
        if (batch.size() == 256 && !flush())
            return failed(out->errorString());
    }
    // A read that stops part way (a damaged page) is no complete back-up.
    if (query.lastError().isValid())
        return failed(query.lastError().text());
    if (!flush())
        return failed(out->errorString());
    piece += records > 0 ? "\n]\n" : "]\n";
    if (out->write(piece) != piece.size())
        return failed(out->errorString());
    if (count)
        *count = records;
    return true;
}

namespace {

// Writes checked records into one transaction, skipping identifiers already
// present; a record keeps its seqno when that number is free.
class Writer
{
public:
    explicit Writer(const QSqlDatabase &db) : m_db(db), m_taken(m_db), m_insert(m_db) {}

    QString begin()
    {
        if (!m_db.transaction())
            return QStringLiteral("cannot start a transaction: %1").arg(m_db.lastError().text());
        const QStringList &columns = SqloneCustomerModel::columnNames();
        m_useridColumn = columns.indexOf(QStringLiteral("userid"));
        m_seqnoColumn = columns.indexOf(QStringLiteral("seqno"));
        // Both identifiers in one statement: each statement run costs more in
        // the driver than its lookup does in the database.
        m_taken.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM oneCustomer WHERE userid = ?),"
                                       " EXISTS (SELECT 1 FROM oneCustomer WHERE seqno = ?)"));
        const QString placeholders = QStringLiteral("?,").repeated(columns.size()).chopped(1);
        m_insert.prepare(QStringLiteral("INSERT INTO oneCustomer (%1) VALUES (%2)")
                                 .arg(columns.join(QLatin1Char(',')), placeholders));
        return QString();
    }

    QString add(Record record, int index, ImportResult *result)
    {
        if (!record[m_seqnoColumn].isNull())
            record[m_seqnoColumn] = record[m_seqnoColumn].toString().toLongLong();
        m_taken.bindValue(0, record[m_useridColumn]);
        m_taken.bindValue(1, record[m_seqnoColumn]);
        if (!m_taken.exec() || !m_taken.next())
            return QStringLiteral("record %1: %2").arg(index + 1).arg(m_taken.lastError().text());
        if (m_taken.value(0).toBool()) {
            ++result->skipped;
            return QString();
        }
        if (m_taken.value(1).toBool())
            record[m_seqnoColumn] = QVariant(QVariant::LongLong); // let the database number it
        for (int c = 0; c < record.size(); ++c)
            m_insert.bindValue(c, record[c]);
        if (!m_insert.exec())
            return QStringLiteral("record %1: %2").arg(index + 1).arg(m_insert.lastError().text());
        ++result->added;
        return QString();
    }

    QString commit()
    {
        finishQueries();
        if (m_db.commit())
            return QString();
        const QString reason = QStringLiteral("cannot write the records: %1").arg(m_db.lastError().text());
        m_db.rollback();
        return reason;
    }

    void rollback()
    {
        finishQueries();
        m_db.rollback();
    }

private:
    void finishQueries()
    {
        m_taken.finish();
        m_insert.finish();
    }

    QSqlDatabase m_db;
    QSqlQuery m_taken;
    QSqlQuery m_insert;
    int m_useridColumn = 0;
    int m_seqnoColumn = 0;
};

ImportResult failedImport(const QString &error)
{
    ImportResult result;
    result.error = error;
    return result;
}

} // namespace

ImportResult importJson(const QSqlDatabase &db, const QByteArray &json)
{
    QVector<Record> records;
    QString error = checkRecords(json, &records);
    if (error.isEmpty())
        error = readableTable(db, true);
    if (!error.isEmpty())
        return failedImport(error);
    ImportResult result;
    Writer writer(db);
    error = writer.begin();
    for (int i = 0; error.isEmpty() && i < records.size(); ++i)
        error = writer.add(records[i], i, &result);
    if (!error.isEmpty()) {
        writer.rollback();
        return failedImport(error);
    }
    error = writer.commit();
    if (!error.isEmpty())
        return failedImport(error);
    result.ok = true;
    return result;
}

ImportResult importJsonFrom(const QSqlDatabase &db, QIODevice *in)
{
    const QString tableProblem = readableTable(db, true);
    if (!tableProblem.isEmpty()) {
        // A file that is no array of records says so first, as before.
        const QByteArray json = in->readAll();
        QVector<Record> records;
        const QString fileProblem = checkRecords(json, &records);
        return failedImport(fileProblem.isEmpty() ? tableProblem : fileProblem);
    }
    const qint64 start = in->pos();
    ImportResult result;
    Writer writer(db);
    QString error = writer.begin();
    if (!error.isEmpty())
        return failedImport(error);
    ArrayElements elements(in);
    QByteArray text;
    // Elements are parsed 256 at a time, as one array of their texts joined
    // by commas: the same bytes as that stretch of the file.
    QByteArray batch;
    int batched = 0;
    int index = 0;
    const auto writeBatch = [&]() {
        if (batched == 0)
            return QString();
        batch += ']';
        const QJsonDocument doc = QJsonDocument::fromJson(batch);
        batch.clear();
        if (!doc.isArray() || doc.array().size() != batched)
            return QStringLiteral("bad");
        batched = 0;
        const QJsonArray array = doc.array();
        for (const QJsonValue &value : array) {
            Record record;
            QString problem = checkRecord(value, index, &record);
            if (problem.isEmpty())
                problem = writer.add(record, index, &result);
            if (!problem.isEmpty())
                return problem;
            ++index;
        }
        return QString();
    };
    for (;;) {
        const ArrayElements::Result next = elements.next(&text);
        if (next == ArrayElements::End) {
            error = writeBatch();
            break;
        }
        if (next == ArrayElements::Bad) {
            error = QStringLiteral("bad");
            break;
        }
        batch += batched == 0 ? '[' : ',';
        batch += text;
        if (++batched == 256 && !(error = writeBatch()).isEmpty())
            break;
    }
    if (error.isEmpty())
        error = writer.commit();
    else
        writer.rollback();
    if (error.isEmpty()) {
        result.ok = true;
        return result;
    }
    // Anything amiss: the whole file read at once gives the answer (and the
    // message) of the all-at-once import; only a faulty file costs the memory.
    if (!in->seek(start))
        return failedImport(error);
    return importJson(db, in->readAll());
}

} // namespace RecordTransfer
