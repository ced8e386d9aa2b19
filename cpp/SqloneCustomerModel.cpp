// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqloneCustomerModel.h"

#include "DatabaseConnections.h"
#include "ScriptConverter.h"
#include "SqlLiteral.h"
#include "SqliteStatement.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

const QString kTable = QStringLiteral("oneCustomer");
const QString kNewestIndex = QStringLiteral("oneCustomer_newest");
const QString kAllClasses = QStringLiteral("不限");

// Kept word for word: existing databases were created by this text.
const QString kCreateTable = QStringLiteral(
        "CREATE TABLE IF NOT EXISTS 'oneCustomer' ('userid' INTEGER NOT NULL UNIQUE,'seqno' INTEGER PRIMARY KEY,"
        "'timestamp' TEXT NOT NULL,'gender' TEXT NOT NULL,'caltype' TEXT NOT NULL,'maintime' TEXT NOT NULL,"
        "'inputtime' TEXT NOT NULL,'mainJvalue' TEXT NOT NULL,'inputPlaceName' TEXT,'name' TEXT,"
        "'simpenotes' TEXT,'morenotes' TEXT,'usingZty' TEXT,'usingPty' TEXT,'toChangeDay23clock' TEXT,"
        "'usingXiaShiLingclock' TEXT,'yearChac' TEXT,'monthChac' TEXT,'dayChac' TEXT,'hourChac' TEXT,"
        "'updateTimestamp' TEXT,'extraColumn1' TEXT,'extraColumn2' TEXT,'extraColumn3' TEXT,"
        "'extraColumn4' TEXT,'extraColumn5' TEXT UNIQUE)");

void logRowCount(int rows)
{
    qWarning("%s", qPrintable(QStringLiteral("rowCount() != 1(is %1), need to re-select by filter.").arg(rows)));
}

QString classFilter(const QString &personclassNote)
{
    if (personclassNote.isEmpty() || personclassNote == kAllClasses)
        return QString();
    const QString note = personclassNote.trimmed();
    if (note.isEmpty())
        return QString();
    return QLatin1String("(simpenotes = ") + SqlLiteral::quoted(note) + QLatin1Char(')');
}

QString searchFilter(const QString &otherNotes)
{
    const QString text = otherNotes.trimmed();
    if (text.isEmpty())
        return QString();
    // Records keep the script they were typed in; a keyword typed in either
    // script finds them in both.
    QStringList variants{text, ScriptConverter::toTraditional(text), ScriptConverter::toSimplified(text)};
    variants.removeDuplicates();
    QStringList parts;
    for (const char *column : {"name", "inputtime", "inputPlaceName", "morenotes"}) {
        for (const QString &v : qAsConst(variants))
            parts << SqlLiteral::likeContains(QLatin1String(column), v);
    }
    return QLatin1Char('(') + parts.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

} // namespace

SqloneCustomerModel::SqloneCustomerModel(QObject *parent, const QString &connectionName)
    : QSqlTableModel(parent, QSqlDatabase::database(connectionName))
{
    ensureTable(database());
    setTable(kTable);
    setSort(2, Qt::DescendingOrder);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    select();
}

const QStringList &SqloneCustomerModel::columnNames()
{
    static const QStringList names = {
        QStringLiteral("userid"), QStringLiteral("seqno"), QStringLiteral("timestamp"),
        QStringLiteral("gender"), QStringLiteral("caltype"), QStringLiteral("maintime"),
        QStringLiteral("inputtime"), QStringLiteral("mainJvalue"), QStringLiteral("inputPlaceName"),
        QStringLiteral("name"), QStringLiteral("simpenotes"), QStringLiteral("morenotes"),
        QStringLiteral("usingZty"), QStringLiteral("usingPty"), QStringLiteral("toChangeDay23clock"),
        QStringLiteral("usingXiaShiLingclock"), QStringLiteral("yearChac"), QStringLiteral("monthChac"),
        QStringLiteral("dayChac"), QStringLiteral("hourChac"), QStringLiteral("updateTimestamp"),
        QStringLiteral("extraColumn1"), QStringLiteral("extraColumn2"), QStringLiteral("extraColumn3"),
        QStringLiteral("extraColumn4"), QStringLiteral("extraColumn5")};
    return names;
}

bool SqloneCustomerModel::ensureTable(const QSqlDatabase &db, QString *error)
{
    if (!db.isValid() || db.tables().contains(kTable))
        return true;
    QSqlQuery query(db);
    // A new table is of the current layout: it gets its index and the stamp with it.
    if (!query.exec(kCreateTable) || !createIndexes(query)
        || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(DatabaseConnections::userSchemaVersion))) {
        qWarning("Failed to create database: %s", qPrintable(query.lastError().text()));
        if (error)
            *error = query.lastError().text();
        return false;
    }
    return true;
}

bool SqloneCustomerModel::createIndexes(QSqlQuery &query)
{
    // The sort key: listing newest first reads the index instead of sorting
    // every row, and the model can fetch the first rows at once.
    return query.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON oneCustomer (timestamp DESC, seqno)").arg(kNewestIndex));
}

bool SqloneCustomerModel::dropIndexes(QSqlQuery &query)
{
    return query.exec(QStringLiteral("DROP INDEX IF EXISTS %1").arg(kNewestIndex));
}

QString SqloneCustomerModel::orderByClause() const
{
    return QStringLiteral("ORDER BY ") + orderText();
}

bool SqloneCustomerModel::write(const QString &statement, const QSqlRecord &values, const QSqlRecord &where)
{
    // The values QSqlTableModel binds, in its order: the generated ones, then
    // the key's.
    QVariantList bound;
    for (int i = 0; i < values.count(); ++i) {
        if (values.isGenerated(i))
            bound << values.value(i);
    }
    for (int i = 0; i < where.count(); ++i) {
        if (where.isGenerated(i) && !where.isNull(i))
            bound << where.value(i);
    }
    QString reason;
    if (SqliteStatement::run(SqliteStatement::connection(database()), statement, bound, &reason))
        return true;
    setLastError(QSqlError(QStringLiteral("Unable to fetch row"), reason, QSqlError::StatementError));
    return false;
}

bool SqloneCustomerModel::insertRowIntoTable(const QSqlRecord &values)
{
    if (!SqliteStatement::connection(database()))
        return QSqlTableModel::insertRowIntoTable(values);
    QSqlRecord rec = values;
    emit beforeInsert(rec);
    const QString statement = database().driver()->sqlStatement(QSqlDriver::InsertStatement, tableName(), rec, true);
    if (statement.isEmpty()) {
        setLastError(QSqlError(QStringLiteral("No Fields to update"), QString(), QSqlError::StatementError));
        return false;
    }
    return write(statement, rec, QSqlRecord());
}

bool SqloneCustomerModel::updateRowInTable(int row, const QSqlRecord &values)
{
    if (!SqliteStatement::connection(database()))
        return QSqlTableModel::updateRowInTable(row, values);
    QSqlRecord rec = values;
    emit beforeUpdate(row, rec);
    const QSqlRecord where = primaryValues(row);
    const QSqlDriver *driver = database().driver();
    const QString set = driver->sqlStatement(QSqlDriver::UpdateStatement, tableName(), rec, true);
    const QString condition = driver->sqlStatement(QSqlDriver::WhereStatement, tableName(), where, true);
    if (set.isEmpty() || condition.isEmpty() || row < 0 || row >= rowCount()) {
        setLastError(QSqlError(QStringLiteral("No Fields to update"), QString(), QSqlError::StatementError));
        return false;
    }
    return write(set + QLatin1Char(' ') + condition, rec, where);
}

QString SqloneCustomerModel::filterText(const QString &personclassNote, const QString &otherNotes)
{
    QStringList parts;
    for (const QString &part : {classFilter(personclassNote), searchFilter(otherNotes)}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QLatin1String(" AND "));
}

QVariant SqloneCustomerModel::data(const QModelIndex &index, int role) const
{
    if (role < Qt::UserRole)
        return QSqlTableModel::data(index, role);
    return QSqlTableModel::data(this->index(index.row(), role - Qt::UserRole), Qt::DisplayRole);
}

QHash<int, QByteArray> SqloneCustomerModel::roleNames() const
{
    QHash<int, QByteArray> roles;
    const QSqlRecord columns = record();
    for (int i = 0; i < columns.count(); ++i)
        roles.insert(Qt::UserRole + i, columns.fieldName(i).toUtf8());
    return roles;
}

QString SqloneCustomerModel::userid() const
{
    return m_userid;
}

void SqloneCustomerModel::setUserid(const QString &userid)
{
    if (userid == m_userid || userid == QLatin1String("undefined") || userid.trimmed().isEmpty())
        return;
    m_userid = userid;
    setFilter(QLatin1String("(userid = ") + SqlLiteral::quoted(userid) + QLatin1Char(')'));
    select();
    emit useridChanged();
}

QString SqloneCustomerModel::mainTimeText(const QString &inputtime)
{
    QString text = inputtime;
    // "分" too: without it "9时5分" would read its minute as 0.
    for (const QChar separator : {u'年', u'月', u'日', u'时', u'分', u'/'})
        text.replace(separator, QLatin1Char(' '));
    QStringList pieces = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pieces.size() != 4 && pieces.size() != 5) {
        qWarning().noquote() << pieces.size() << ",-1" << pieces.join(QLatin1Char('/'));
        return QString();
    }
    if (pieces.size() == 4)
        pieces << QStringLiteral("0");
    QStringList numbers;
    for (const QString &piece : pieces)
        numbers << QString::number(piece.toInt());
    return numbers.join(QLatin1Char('/'));
}

bool SqloneCustomerModel::submitOrRevert(const char *failureLine)
{
    if (submitAll())
        return true;
    // The change never reached the file: drop it from the cache as well, so the
    // model shows what the database holds.
    qWarning("%s %s", failureLine, qPrintable(lastError().text()));
    revertAll();
    return false;
}

QVariant SqloneCustomerModel::newCustomer(int gender, int caltype, const QString &inputtime,
                                          const QString &originInputTime, const QString &inputJvalue,
                                          const QString &originInputPlaceName, const QString &name,
                                          const QString &simpleNotes, const QString &moreNotes,
                                          const QString &usingZty, const QString &usingPty,
                                          const QString &toChangeDay23clock,
                                          const QString &usingXiaShiLingclock,
                                          const QString &placeXSLtype, const QString &timezoneJvalue)
{
    const QString timestamp = (m_now.isValid() ? m_now : QDateTime::currentDateTime()).toString(Qt::ISODateWithMs);
    const QString mainTime = mainTimeText(inputtime);
    if (mainTime.isEmpty())
        return QStringLiteral("-1");

    QSqlRecord rec = record();
    const QString identifier = QUuid::createUuid().toString(QUuid::WithBraces) + QLatin1Char('_') + timestamp;
    rec.setValue(QStringLiteral("userid"), identifier);
    rec.setValue(QStringLiteral("timestamp"), timestamp);
    rec.setValue(QStringLiteral("gender"), gender);
    rec.setValue(QStringLiteral("caltype"), caltype);
    rec.setValue(QStringLiteral("maintime"), mainTime);
    rec.setValue(QStringLiteral("inputtime"), originInputTime);
    rec.setValue(QStringLiteral("mainJvalue"), inputJvalue);
    rec.setValue(QStringLiteral("inputPlaceName"), originInputPlaceName);
    rec.setValue(QStringLiteral("name"), name);
    rec.setValue(QStringLiteral("simpenotes"), simpleNotes);
    rec.setValue(QStringLiteral("morenotes"), moreNotes);
    rec.setValue(QStringLiteral("usingZty"), usingZty);
    rec.setValue(QStringLiteral("usingPty"), usingPty);
    rec.setValue(QStringLiteral("toChangeDay23clock"), toChangeDay23clock);
    rec.setValue(QStringLiteral("usingXiaShiLingclock"), usingXiaShiLingclock);
    rec.setValue(QStringLiteral("extraColumn1"), placeXSLtype);
    rec.setValue(QStringLiteral("extraColumn2"), timezoneJvalue);
    // The database numbers the row.
    rec.setGenerated(QStringLiteral("seqno"), false);

    if (!insertRecord(-1, rec)) {
        qWarning("Failed to insertRecord: %s", qPrintable(lastError().text()));
        revertAll();
        return QStringLiteral("-3");
    }
    // An identifier is handed out only for a record that is in the file.
    if (!submitOrRevert("Failed to submitAll:"))
        return QStringLiteral("-3");
    qDebug("ok new .");
    return identifier;
}

bool SqloneCustomerModel::holdsOnlyPerson(const QString &userid)
{
    if (rowCount() != 1) {
        logRowCount(rowCount());
        return false;
    }
    const QVariant uid = record(0).value(QStringLiteral("userid"));
    if (uid.isNull() || uid.toString() != userid) {
        qWarning("nor uid != null && uid == userid.");
        return false;
    }
    return true;
}

QVariant SqloneCustomerModel::getCustInfoByStrName(const QString &userid, const QString &strname)
{
    if (!holdsOnlyPerson(userid))
        return tr("不适用");
    return record(0).value(strname);
}

bool SqloneCustomerModel::updateRow0(const QString &userid, const QVariantMap &columns)
{
    if (!holdsOnlyPerson(userid))
        return false;
    QSqlRecord rec = record(0);
    // Only the named columns go into the UPDATE.
    for (int i = 0; i < rec.count(); ++i)
        rec.setGenerated(i, false);
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (!rec.contains(it.key())) {
            qWarning("no such column: %s", qPrintable(it.key()));
            return false;
        }
        rec.setValue(it.key(), it.value());
        rec.setGenerated(it.key(), true);
    }
    if (!setRecord(0, rec)) {
        qWarning("update record failed.");
        revertAll();
        return false;
    }
    if (!submitOrRevert("update record failed."))
        return false;
    qWarning("update record successfully.");
    return true;
}

bool SqloneCustomerModel::updateCustInfoByStrName(const QString &userid, const QString &strname,
                                                  const QString &strValue)
{
    if (strname == QLatin1String("maintime") || strname == QLatin1String("inputtime")) {
        qWarning("to use other function instead.");
        return false;
    }
    return updateRow0(userid, {{strname, strValue}});
}

bool SqloneCustomerModel::updateCustInputTime(const QString &userid, const QString &inputtime)
{
    const QString mainTime = mainTimeText(inputtime);
    if (mainTime.isEmpty())
        return false;
    return updateRow0(userid, {{QStringLiteral("maintime"), mainTime},
                               {QStringLiteral("inputtime"), inputtime}});
}

bool SqloneCustomerModel::updateCustomer(const QString &userid, const QString &usingZty,
                                         const QString &usingPty, const QString &toChangeDay23clock,
                                         const QString &usingXiaShiLingclock)
{
    if (usingZty.length() != 1 || usingPty.length() != 1 || toChangeDay23clock.length() != 1) {
        qWarning("usingZty.length() != 1 || usingPty.length() != 1");
        return false;
    }
    const auto isSwitch = [](const QString &value) {
        return value == QLatin1String("0") || value == QLatin1String("1");
    };
    if (!isSwitch(usingZty) || !isSwitch(usingPty)) {
        qWarning("usingZty or usingPty not legal.");
        return false;
    }
    return updateRow0(userid, {{QStringLiteral("usingZty"), usingZty},
                               {QStringLiteral("usingPty"), usingPty},
                               {QStringLiteral("toChangeDay23clock"), toChangeDay23clock},
                               {QStringLiteral("usingXiaShiLingclock"), usingXiaShiLingclock}});
}

bool SqloneCustomerModel::updateCustomer2(const QString &userid, int yChac, int mChac, int dChac, int hChac)
{
    for (const int chac : {yChac, mChac, dChac, hChac}) {
        if (chac < 0 || chac > 59)
            return false;
    }
    return updateRow0(userid, {{QStringLiteral("yearChac"), yChac},
                               {QStringLiteral("monthChac"), mChac},
                               {QStringLiteral("dayChac"), dChac},
                               {QStringLiteral("hourChac"), hChac}});
}

bool SqloneCustomerModel::removeItem(int row, const QString &userid)
{
    const QSqlRecord rec = record(row);
    if (rec.isEmpty()) {
        qWarning("theRecord.isEmpty()");
        return false;
    }
    const QVariant uid = rec.value(QStringLiteral("userid"));
    if (uid.isNull() || uid.toString() != userid) {
        qWarning("nor uid != null && uid == userid.");
        return false;
    }
    if (!removeRow(row)) {
        qWarning("del error");
        return false;
    }
    if (!submitOrRevert("del error"))
        return false;
    qWarning("submitAll()");
    return true;
}

void SqloneCustomerModel::setFilterMore1(const QString &personclassNote)
{
    setFilter(classFilter(personclassNote));
    select();
}

void SqloneCustomerModel::setFilterMore2(const QString &personclassNote, const QString &otherNotes)
{
    setFilter(filterText(personclassNote, otherNotes));
    select();
}

void SqloneCustomerModel::refresh()
{
    select();
}
