// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlTableModel>

// Paragraphs of the classic texts in table bookData of the in-memory book
// database, looked up by book name and up to three index values.
class SqlBookDataModel : public QSqlTableModel
{
    Q_OBJECT
public:
    explicit SqlBookDataModel(QObject *parent = nullptr);
    ~SqlBookDataModel() override;

    Q_INVOKABLE QVariant getContentByFieldFilter(const QString &bookname, const QString &indx01,
                                                 const QString &indx02 = QString(),
                                                 const QString &indx03 = QString());

private:
    QString m_unused;
};
