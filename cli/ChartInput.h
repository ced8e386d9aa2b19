// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InSight.h"

#include <QByteArray>
#include <QString>

// Reading a birth moment "YYYY-MM-DD HH:MM" (fields: year, month, day, hour,
// minute). Ranges are left to the engine, which rejects what it cannot place.
bool parseDateTime(const char *text, int length, int fields[5]);
inline bool parseDateTime(const QString &text, int fields[5])
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return parseDateTime(bytes.constData(), bytes.size(), fields);
}

// Whole number from a command-line value; false when it is not one.
bool parseInt(const QString &text, int &value);

