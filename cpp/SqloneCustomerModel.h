// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppContext.h"

#include <QDateTime>
#include <QSqlTableModel>
#include <QStringList>

class QSqlQuery;

// The person records: one row of table oneCustomer per saved chart. Pages set
// `userid` to narrow the model to one person, then read and update row 0.
class SqloneCustomerModel : public QSqlTableModel
{
    Q_OBJECT
    // Identifier ("{uuid}_timestamp") of the one person the model is narrowed to; empty (all
    // rows) until set. Blank text and "undefined" are ignored and keep the current person.
    Q_PROPERTY(QString userid READ userid WRITE setUserid NOTIFY useridChanged)
public:
    explicit SqloneCustomerModel(QObject *parent = nullptr,
                                 const QString &connectionName = AppContext::userConnectionName);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString userid() const;
    void setUserid(const QString &userid);

    // The moment stamped on the next new record; an invalid value (the
    // default) means the clock's current time. Tests set it to get distinct,
    // known timestamps without waiting.
    void setCurrentDateTime(const QDateTime &now) { m_now = now; }

    Q_INVOKABLE QVariant newCustomer(int gender, int caltype, const QString &inputtime,
                                     const QString &originInputTime, const QString &inputJvalue,
                                     const QString &originInputPlaceName, const QString &name,
                                     const QString &simpleNotes, const QString &moreNotes,
                                     const QString &usingZty, const QString &usingPty,
                                     const QString &toChangeDay23clock,
                                     const QString &usingXiaShiLingclock,
                                     const QString &placeXSLtype, const QString &timezoneJvalue);
    Q_INVOKABLE QVariant getCustInfoByStrName(const QString &userid, const QString &strname);
    Q_INVOKABLE bool updateCustInfoByStrName(const QString &userid, const QString &strname,
                                             const QString &strValue);
    Q_INVOKABLE bool updateCustInputTime(const QString &userid, const QString &inputtime);
    Q_INVOKABLE bool removeItem(int row, const QString &userid);
    Q_INVOKABLE bool updateCustomer(const QString &userid, const QString &usingZty,
                                    const QString &usingPty, const QString &toChangeDay23clock,
                                    const QString &usingXiaShiLingclock);
    Q_INVOKABLE bool updateCustomer2(const QString &userid, int yChac, int mChac, int dChac,
                                     int hChac);
    Q_INVOKABLE void setFilterMore1(const QString &personclassNote);
    Q_INVOKABLE void setFilterMore2(const QString &personclassNote, const QString &otherNotes);
    Q_INVOKABLE void refresh();

    // The 26 columns of oneCustomer in table order.
    static const QStringList &columnNames();
    // Creates oneCustomer in db when it is missing; false when that fails,
    // with the database's reason in error.
    static bool ensureTable(const QSqlDatabase &db, QString *error = nullptr);
    // Creates the indexes of the current layout where they are missing.
    static bool createIndexes(QSqlQuery &query);
    // Drops the indexes createIndexes makes (a table filled at once builds
    // them after its rows, which costs less than keeping them up to date).
    static bool dropIndexes(QSqlQuery &query);
    // The WHERE text of setFilterMore2 (empty for every record).
    static QString filterText(const QString &personclassNote, const QString &otherNotes);
    // Newest first, the order of the model and of every listing; records of
    // the same moment (imports) in the order they were stored.
    static QString orderText() { return QStringLiteral("timestamp DESC, seqno"); }
    // "2019年7月16日9时5分" or "2019/07/16 09 05" -> "2019/7/16/9/5"; empty when
    // the text does not hold four or five numbers.
    static QString mainTimeText(const QString &inputtime);

signals:
    void useridChanged();

protected:
    // The order the index keeps, so no listing sorts the table.
    QString orderByClause() const override;
    // Written with text bound as UTF-8 (SqliteStatement), so a text starting
    // with U+FEFF or U+FFFE is stored as typed.
    bool insertRowIntoTable(const QSqlRecord &values) override;
    bool updateRowInTable(int row, const QSqlRecord &values) override;

private:
    bool holdsOnlyPerson(const QString &userid);
    bool updateRow0(const QString &userid, const QVariantMap &columns);
    bool submitOrRevert(const char *failureLine);
    bool write(const QString &statement, const QSqlRecord &values, const QSqlRecord &where);

    QString m_userid;
    QDateTime m_now;
};
