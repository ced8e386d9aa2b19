// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <charconv>

// Numbers of the batch commands appended in place (std::to_chars: no locale,
// no format parsing, no temporary strings).

inline void appendInt(QByteArray &out, int value)
{
    char text[16];
    out.append(text, int(std::to_chars(text, text + sizeof text, value).ptr - text));
}

// A Julian day with six decimals.
inline void appendJd(QByteArray &out, double jd)
{
    char text[48];
    out.append(text, int(std::to_chars(text, text + sizeof text, jd, std::chars_format::fixed, 6).ptr - text));
}

// An age in the shortest form of up to 15 significant digits.
inline void appendAge(QByteArray &out, double age)
{
    char text[48];
    out.append(text, int(std::to_chars(text, text + sizeof text, age, std::chars_format::general, 15).ptr - text));
}

// A date as YYYY-MM-DD (years 1000..9999).
inline void appendIsoDate(QByteArray &out, int y, int m, int d)
{
    const char text[10] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10), char('0' + y % 10),
                           '-', char('0' + m / 10), char('0' + m % 10), '-', char('0' + d / 10), char('0' + d % 10)};
    out.append(text, 10);
}
