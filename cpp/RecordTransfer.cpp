// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordTransfer.h"

#include "AppContext.h"
#include "SqliteStatement.h"
#include "SqloneCustomerModel.h"

#include <QBuffer>

#include <QCborArray>
#include <QCborMap>
#include <QJsonArray>
#include <QJsonDocument>
#include <QHash>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <cstring>
#include <vector>

namespace RecordTransfer {
namespace {

QString oneLine(QString text)
{
    for (const QChar c : {u'\t', u'\n', u'\r'})
        text.replace(c, QLatin1Char(' '));
    return text;
}

// The columns as import and export meet them, worked out once: a file holds
// a hundred thousand records.
struct Columns {
    QStringList names;             // table order
    QHash<QString, int> index;     // name -> column
    std::vector<int> required;     // the columns the table declares NOT NULL
    // A parsed JSON object keeps its keys sorted and so does Qt's writer:
    // the columns in that order.
    std::vector<int> sorted;
    std::vector<QCborValue> sortedKeys;
    int userid = 0;
    int seqno = 0;
};

const Columns &columns()
{
    static const Columns info = [] {
        Columns c;
        c.names = SqloneCustomerModel::columnNames();
        for (int i = 0; i < c.names.size(); ++i)
            c.index.insert(c.names[i], i);
        for (const char *name : {"userid", "timestamp", "gender", "caltype", "maintime", "inputtime", "mainJvalue"})
            c.required.push_back(c.index.value(QLatin1String(name)));
        QJsonObject shape;
        for (const QString &name : qAsConst(c.names))
            shape.insert(name, QJsonValue());
        for (auto it = shape.constBegin(); it != shape.constEnd(); ++it) {
            c.sorted.push_back(c.index.value(it.key()));
            c.sortedKeys.emplace_back(it.key());
        }
        c.userid = c.index.value(QStringLiteral("userid"));
        c.seqno = c.index.value(QStringLiteral("seqno"));
        return c;
    }();
    return info;
}

// One column's value as it is to be stored.
struct Field {
    QString text;
    bool null = true;
};
using Record = std::vector<Field>; // one field per column, in table order

enum class Stored { Ok, NotText, OutOfRange };

// A JSON value as the text to store: a text, a number or null. A column the
// object leaves out counts as null.
Stored storedText(const QJsonValue &value, Field *field)
{
    field->null = false;
    switch (value.type()) {
    case QJsonValue::Undefined:
    case QJsonValue::Null:
        field->text.clear();
        field->null = true;
        return Stored::Ok;
    case QJsonValue::String:
        field->text = value.toString();
        return Stored::Ok;
    case QJsonValue::Double: {
        // Beyond the 64-bit range of an SQLite integer the cast below is
        // undefined; such a number is no value of any column.
        const double number = value.toDouble();
        constexpr double limit = 9223372036854775808.0; // 2^63
        if (!(number >= -limit && number < limit))
            return Stored::OutOfRange;
        const qint64 whole = qint64(number);
        field->text = double(whole) == number ? QString::number(whole) : QString::number(number, 'g', 17);
        return Stored::Ok;
    }
    default:
        return Stored::NotText;
    }
}

// The common shape, read without a key text made or looked up: every column,
// each a text or null (what export writes). False for anything else.
bool readFullRecord(const QCborValue &item, Record *record)
{
    const Columns &info = columns();
    const QCborMap map = item.toMap();
    if (map.size() != qsizetype(info.sorted.size()))
        return false;
    size_t k = 0;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it, ++k) {
        if (it.key() != info.sortedKeys[k])
            return false;
        const QCborValue value = it.value();
        Field &field = (*record)[size_t(info.sorted[k])];
        if (value.isString()) {
            field.text = value.toString();
            field.null = false;
        } else if (value.isNull()) {
            field.text.clear();
            field.null = true;
        } else {
            return false;
        }
    }
    return true;
}

// Element i of a parsed array as a record of the table, or why it is none;
// number is the record's place in the file, for the message.
QString checkRecord(const QJsonArray &array, int i, int number, Record *record)
{
    const Columns &info = columns();
    const auto where = [number] { return QStringLiteral("record %1: ").arg(number + 1); };
    const QCborValue item = QCborArray::fromJsonArray(array).at(i);
    if (!item.isMap())
        return where() + QStringLiteral("not a JSON object");
    record->resize(size_t(info.names.size()));
    if (!readFullRecord(item, record)) {
        // One walk over the object's keys finds each value; a column the
        // object leaves out stays Undefined.
        const QJsonObject object = array.at(i).toObject();
        std::vector<QJsonValue> values(size_t(info.names.size()), QJsonValue(QJsonValue::Undefined));
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QString key = it.key();
            const int c = info.index.value(key, -1);
            if (c < 0)
                return where() + QStringLiteral("unknown column \"%1\"").arg(key);
            values[size_t(c)] = it.value();
        }
        for (int c = 0; c < info.names.size(); ++c) {
            const Stored stored = storedText(values[size_t(c)], &(*record)[size_t(c)]);
            if (stored == Stored::NotText)
                return where() + QStringLiteral("column \"%1\" must be a text or null").arg(info.names[c]);
            if (stored == Stored::OutOfRange)
                return where() + QStringLiteral("column \"%1\" holds a number outside the 64-bit range").arg(info.names[c]);
        }
    }
    for (const int c : info.required) {
        if ((*record)[size_t(c)].null)
            return where() + QStringLiteral("column \"%1\" is missing or null").arg(info.names[c]);
    }
    const Field &seqno = (*record)[size_t(info.seqno)];
    bool whole = true;
    if (!seqno.null)
        seqno.text.toLongLong(&whole);
    if (!whole)
        return where() + QStringLiteral("column \"seqno\" must be a whole number or null");
    return QString();
}

QString parseArray(const QByteArray &json, QJsonArray *array)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("not valid JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
    if (!doc.isArray())
        return QStringLiteral("not a JSON array of records");
    *array = doc.array();
    return QString();
}

// Every record of the file checked; the first problem, or nothing.
QString checkRecords(const QJsonArray &array)
{
    Record record;
    for (int i = 0; i < array.size(); ++i) {
        const QString problem = checkRecord(array, i, i, &record);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

// The quote that ends the JSON text opened by the quote at open, or null
// when none comes before end: a quote ends it unless an odd number of
// backslashes comes before it.
const char *closingQuote(const char *open, const char *end)
{
    for (const char *p = open + 1;; ++p) {
        p = static_cast<const char *>(std::memchr(p, '"', size_t(end - p)));
        if (!p)
            return nullptr;
        const char *q = p;
        while (q[-1] == '\\')
            --q;
        if ((p - q) % 2 == 0)
            return p;
    }
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
        int i = m_pos;
        for (;; ++i) {
            if (i >= m_buffer.size()) {
                i -= m_pos;
                if (!fill())
                    return Bad;
                i += m_pos;
            }
            const char ch = m_buffer.at(i);
            if (ch == '"') {
                // Most of a record is text: on to the quote that ends it.
                const char *quote;
                while (!(quote = closingQuote(m_buffer.constData() + i, m_buffer.constData() + m_buffer.size()))) {
                    i -= m_pos;
                    if (!fill())
                        return Bad;
                    i += m_pos;
                }
                i = int(quote - m_buffer.constData());
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

namespace {

// True when text is UTF-8 that reads back as the same characters through
// the driver and Qt's writer: well formed (no overlong form, surrogate or
// code point past U+10FFFF) and without U+FFFE and U+FFFF, which SQLite
// reads as U+FFFD.
bool readsBackUnchanged(const char *text, int size)
{
    const auto *p = reinterpret_cast<const uchar *>(text);
    const uchar *const end = p + size;
    while (p < end) {
        const uchar lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int extra = 0;
        uint code = 0;
        uint least = 0;
        if (lead >= 0xc2 && lead <= 0xdf) {
            extra = 1, code = lead & 0x1fu, least = 0x80;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            extra = 2, code = lead & 0x0fu, least = 0x800;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            extra = 3, code = lead & 0x07u, least = 0x10000;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3fu);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff) || code == 0xfffe || code == 0xffff)
            return false;
        p += extra + 1;
    }
    return true;
}

// The keys of a record as json_object writes them ("name":) and as Qt's
// indented writer does (eight blanks, "name": and a blank), in Qt's order.
struct Keys {
    std::vector<QByteArray> compact;
    std::vector<QByteArray> indented;
};

// One record as an element of Qt's indented array ("    {" ... "    }"),
// laid out from the compact object json_object made of it; the values are
// SQLite's JSON texts as they are, whole numbers (userid) written as texts.
// False when the record needs Qt's own writing: a number that is not whole,
// or text that would not read back unchanged.
bool appendIndented(const char *json, int size, const Keys &keys, QByteArray *out)
{
    if (!readsBackUnchanged(json, size))
        return false;
    const char *p = json;
    const char *const end = json + size;
    if (p == end || *p++ != '{')
        return false;
    out->append("    {\n", 6);
    const size_t count = keys.compact.size();
    for (size_t k = 0; k < count; ++k) {
        const QByteArray &key = keys.compact[k];
        if (end - p < key.size() || std::memcmp(p, key.constData(), size_t(key.size())) != 0)
            return false;
        p += key.size();
        out->append(keys.indented[k]);
        const char *value = p;
        if (p < end && *p == '"') {
            const char *quote = closingQuote(p, end);
            if (!quote)
                return false;
            p = quote + 1;
            out->append(value, int(p - value));
        } else {
            while (p < end && *p != ',' && *p != '}')
                ++p;
            const int length = int(p - value);
            if (length == 4 && std::memcmp(value, "null", 4) == 0) {
                out->append(value, length);
            } else {
                // A whole number; anything else is a real number, which
                // Qt writes in its own shortest form.
                for (const char *c = value; c < p; ++c) {
                    if (!(*c == '-' || (*c >= '0' && *c <= '9')))
                        return false;
                }
                if (length == 0)
                    return false;
                out->append('"');
                out->append(value, length);
                out->append('"');
            }
        }
        const bool last = k + 1 == count;
        if (p == end || *p++ != (last ? '}' : ','))
            return false;
        out->append(last ? "\n" : ",\n", last ? 1 : 2);
    }
    if (p != end)
        return false;
    out->append("    }", 5);
    return true;
}

// One record as Qt's writer gives it: what export did for every record
// before the database wrote the JSON texts, kept for the records it cannot.
class QtRecordWriter
{
public:
    explicit QtRecordWriter(const QSqlDatabase &db) : m_query(db)
    {
        const Columns &info = columns();
        m_query.prepare(QStringLiteral("SELECT %1 FROM oneCustomer WHERE seqno = ?").arg(info.names.join(QLatin1Char(','))));
        for (const QString &column : info.names)
            m_shape.insert(column, QJsonValue());
    }

    bool append(qint64 seqno, QByteArray *out, QString *error)
    {
        m_query.bindValue(0, seqno);
        if (!m_query.exec() || !m_query.next()) {
            *error = m_query.lastError().isValid() ? m_query.lastError().text()
                                                   : QStringLiteral("record %1 vanished").arg(seqno);
            return false;
        }
        const Columns &info = columns();
        QJsonObject object = m_shape;
        auto it = object.begin();
        for (const int c : info.sorted) {
            const QVariant value = m_query.value(c);
            if (!value.isNull())
                it.value() = value.toString();
            ++it;
        }
        m_query.finish();
        // "[\n" element "\n]\n"
        const QByteArray text = QJsonDocument(QJsonArray{object}).toJson(QJsonDocument::Indented);
        out->append(text.constData() + 2, text.size() - 5);
        return true;
    }

private:
    QSqlQuery m_query;
    QJsonObject m_shape;
};

} // namespace

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
    sqlite3 *handle = SqliteStatement::connection(db);
    if (!handle)
        return failed(QStringLiteral("not an SQLite database"));
    const Columns &info = columns();
    // The database writes each record's JSON text (json_object escapes as
    // Qt's writer does); only the layout is Qt's indented one. A record
    // holding a blob gets no text: Qt writes it, as it does the rare record
    // appendIndented turns down.
    QStringList pairs;
    QStringList blobs;
    Keys keys;
    for (const int c : info.sorted) {
        const QString &name = info.names[c];
        pairs << QStringLiteral("'%1',%1").arg(name);
        blobs << name + QStringLiteral(" >= x''");
        keys.compact.push_back('"' + name.toLatin1() + "\":");
        keys.indented.push_back("        " + keys.compact.back() + ' ');
    }
    SqliteStatement::Statement select =
            SqliteStatement::prepare(handle, QStringLiteral("SELECT seqno, CASE WHEN %1 THEN NULL ELSE json_object(%2) END"
                                                            " FROM oneCustomer ORDER BY seqno")
                                                     .arg(blobs.join(QLatin1String(" OR ")), pairs.join(QLatin1Char(','))));
    if (!select) {
        // An SQLite without its JSON functions: Qt writes every record.
        select = SqliteStatement::prepare(handle, QStringLiteral("SELECT seqno, NULL FROM oneCustomer ORDER BY seqno"));
        if (!select)
            return failed(SqliteStatement::error(handle));
    }
    QtRecordWriter qtWriter(db);
    QByteArray piece("[\n");
    int records = 0;
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        if (records > 0)
            piece += ",\n";
        const int mark = piece.size();
        const auto *json = reinterpret_cast<const char *>(sqlite3_column_text(select.get(), 1));
        if (!json || !appendIndented(json, sqlite3_column_bytes(select.get(), 1), keys, &piece)) {
            piece.truncate(mark);
            QString reason;
            if (!qtWriter.append(sqlite3_column_int64(select.get(), 0), &piece, &reason))
                return failed(reason);
        }
        ++records;
        if (piece.size() >= (1 << 16)) {
            if (out->write(piece) != piece.size())
                return failed(out->errorString());
            piece.clear();
        }
    }
    // A read that stops part way (a damaged page) is no complete back-up.
    if (step != SQLITE_DONE)
        return failed(SqliteStatement::error(handle));
    piece += records > 0 ? "\n]\n" : "]\n";
    if (out->write(piece) != piece.size())
        return failed(out->errorString());
    if (count)
        *count = records;
    return true;
}

namespace {

// Writes checked records into one transaction, skipping identifiers already
// present; a record keeps its seqno when that number is free. The statement
// is stepped on the driver's own connection: QSqlQuery's binding of 26 values
// cost more than the insert itself.
class Writer
{
public:
    explicit Writer(const QSqlDatabase &db) : m_db(db), m_handle(SqliteStatement::connection(db))
    {
    }

    QString begin()
    {
        if (!m_handle)
            return QStringLiteral("not an SQLite database");
        if (!m_db.transaction())
            return QStringLiteral("cannot start a transaction: %1").arg(m_db.lastError().text());
        // Into an empty table the sort index is built after the rows; the
        // same transaction holds both, so a failure leaves the table as it was.
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("SELECT NOT EXISTS (SELECT 1 FROM oneCustomer)")) && query.next()
            && query.value(0).toBool()) {
            query.finish();
            m_reindex = SqloneCustomerModel::dropIndexes(query);
        }
        query.finish();
        const Columns &info = columns();
        // One statement a record: an identifier present makes it do nothing,
        // a number taken leaves the numbering to the database.
        QStringList values;
        for (int c = 1; c <= info.names.size(); ++c)
            values << (c == info.seqno + 1
                       ? QStringLiteral("CASE WHEN EXISTS (SELECT 1 FROM oneCustomer WHERE seqno = ?%1) THEN NULL ELSE ?%1 END").arg(c)
                       : QStringLiteral("?%1").arg(c));
        m_insert = SqliteStatement::prepare(
                m_handle, QStringLiteral("INSERT INTO oneCustomer (%1) VALUES (%2) ON CONFLICT (userid) DO NOTHING")
                                  .arg(info.names.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
        if (!m_insert) {
            const QString reason = QStringLiteral("cannot write the records: %1").arg(SqliteStatement::error(m_handle));
            rollback();
            return reason;
        }
        m_utf8.resize(size_t(info.names.size()));
        return QString();
    }

    QString add(const Record &record, int index, ImportResult *result)
    {
        const Columns &info = columns();
        for (int c = 0; c < info.names.size(); ++c) {
            const Field &field = record[size_t(c)];
            if (field.null) {
                sqlite3_bind_null(m_insert.get(), c + 1);
            } else if (c == info.seqno) {
                sqlite3_bind_int64(m_insert.get(), c + 1, field.text.toLongLong());
            } else {
                // Held until the next record.
                SqliteStatement::bindText(m_insert.get(), c + 1, field.text, m_utf8[size_t(c)]);
            }
        }
        const int step = sqlite3_step(m_insert.get());
        if (step != SQLITE_DONE) {
            const QString reason = QStringLiteral("record %1: %2").arg(index + 1).arg(SqliteStatement::error(m_handle));
            sqlite3_reset(m_insert.get());
            return reason;
        }
        sqlite3_reset(m_insert.get());
        if (sqlite3_changes(m_handle) > 0)
            ++result->added;
        else
            ++result->skipped;
        return QString();
    }

    QString commit()
    {
        m_insert.reset();
        QSqlQuery query(m_db);
        if (m_reindex && !SqloneCustomerModel::createIndexes(query)) {
            const QString reason = QStringLiteral("cannot write the records: %1").arg(query.lastError().text());
            query.finish();
            m_db.rollback();
            return reason;
        }
        query.finish();
        if (m_db.commit())
            return QString();
        const QString reason = QStringLiteral("cannot write the records: %1").arg(m_db.lastError().text());
        m_db.rollback();
        return reason;
    }

    void rollback()
    {
        m_insert.reset();
        m_db.rollback();
    }

private:
    QSqlDatabase m_db;
    sqlite3 *m_handle;
    SqliteStatement::Statement m_insert;
    std::vector<QByteArray> m_utf8;
    bool m_reindex = false; // the sort index was dropped for the import
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
    QJsonArray array;
    QString error = parseArray(json, &array);
    if (error.isEmpty())
        error = checkRecords(array);
    if (error.isEmpty())
        error = readableTable(db, true);
    if (!error.isEmpty())
        return failedImport(error);
    ImportResult result;
    Writer writer(db);
    error = writer.begin();
    if (!error.isEmpty())
        return failedImport(error);
    Record record;
    for (int i = 0; error.isEmpty() && i < array.size(); ++i) {
        checkRecord(array, i, i, &record);
        error = writer.add(record, i, &result);
    }
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
        QJsonArray array;
        QString fileProblem = parseArray(in->readAll(), &array);
        if (fileProblem.isEmpty())
            fileProblem = checkRecords(array);
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
    Record record;
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
        for (int i = 0; i < array.size(); ++i, ++index) {
            QString problem = checkRecord(array, i, index, &record);
            if (problem.isEmpty())
                problem = writer.add(record, index, &result);
            if (!problem.isEmpty())
                return problem;
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
