// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartInput.h"

namespace {

bool digits(const char *p, int count, int &value)
{
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        value = value * 10 + (p[i] - '0');
    }
    return true;
}

} // namespace

bool parseDateTime(const char *p, int length, int fields[5])
{
    // "YYYY-MM-DD HH:MM", the hour may have one digit.
    if (length != 16 && length != 15)
        return false;
    const int hourDigits = length - 14;
    return digits(p, 4, fields[0]) && p[4] == '-' && digits(p + 5, 2, fields[1]) && p[7] == '-'
        && digits(p + 8, 2, fields[2]) && p[10] == ' ' && digits(p + 11, hourDigits, fields[3])
        && p[11 + hourDigits] == ':' && digits(p + 12 + hourDigits, 2, fields[4]);
}

bool parseInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}
