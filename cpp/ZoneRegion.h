// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

// Region tests on a time-zone identifier and the standard offset of a zone at
// a moment. EasyFunction applies them to the system zone and the current time
// on every call; tests apply them to any zone and moment.
namespace ZoneRegion {

bool isInDaZhongHuaArea(const QByteArray &zoneId);
bool isNotInZhongHuaMainLandArea(const QByteArray &zoneId);
bool isInTaiwan(const QByteArray &zoneId);
bool isInSingapore(const QByteArray &zoneId);
bool isInHongKong(const QByteArray &zoneId);

// Seconds east of UTC without daylight saving.
int standardOffsetSeconds(const QTimeZone &zone, const QDateTime &at);
int offsetMinutes(int standardSeconds);      // truncated toward zero
double offsetHours(int standardSeconds);     // folded into -12..12
double meridianLongitude(int standardSeconds); // degrees east, not folded

} // namespace ZoneRegion
