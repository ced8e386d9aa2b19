// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Filters of QSqlTableModel are SQL text, not statements with bound values, so
// caller text enters them only through these helpers: as a quoted literal that
// can never end early, and as a LIKE pattern in which % and _ match themselves.
namespace SqlLiteral {

// 'text' with every ' doubled. NUL would end SQLite's reading of the statement
// inside the literal, so it is dropped.
inline QString quoted(QString text)
{
    text.remove(QChar(u'\0'));
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// "column LIKE '%text%' ESCAPE '\'" matching text anywhere, literally.
inline QString likeContains(const QString &column, QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return column + QLatin1String(" LIKE ")
           + quoted(QLatin1Char('%') + text + QLatin1Char('%'))
           + QLatin1String(" ESCAPE '\\'");
}

} // namespace SqlLiteral
