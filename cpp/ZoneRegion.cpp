// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoneRegion.h"

#include <QString>

#include <initializer_list>

namespace ZoneRegion {
namespace {

bool containsAny(const QByteArray &zoneId, std::initializer_list<const char *> keywords)
{
    const QString id = QString::fromUtf8(zoneId);
    for (const char *keyword : keywords) {
        if (id.contains(QLatin1String(keyword), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

bool isInDaZhongHuaArea(const QByteArray &zoneId)
{
    return containsAny(zoneId, {"China", "shanghai", "chongqing", "beijing", "Xinjiang", "Tibet", "Urumqi",
                                "Heilongjiang", "Jilin", "taiwan", "taipei", "taibei", "hong kong",
                                "hong_kong", "hongkong", "macau", "macao", "peking"});
}

// "China" alone is not on the list: a zone naming only the country does not
// say it is on the mainland.
bool isNotInZhongHuaMainLandArea(const QByteArray &zoneId)
{
    return !containsAny(zoneId, {"shanghai", "chongqing", "beijing", "Xinjiang", "Tibet", "Urumqi",
                                 "Heilongjiang", "Jilin", "peking"});
}

bool isInTaiwan(const QByteArray &zoneId)
{
    return containsAny(zoneId, {"taiwan", "taibei", "taipei"});
}

bool isInSingapore(const QByteArray &zoneId)
{
    return containsAny(zoneId, {"Singapore"});
}

bool isInHongKong(const QByteArray &zoneId)
{
    return containsAny(zoneId, {"HongKong", "hong kong", "hong_kong"});
}

int standardOffsetSeconds(const QTimeZone &zone, const QDateTime &at)
{
    return zone.standardTimeOffset(at);
}

int offsetMinutes(int standardSeconds)
{
    return standardSeconds / 60;
}

double offsetHours(int standardSeconds)
{
    double hours = standardSeconds / 3600.0;
    if (hours > 12)
        hours -= 24;
    else if (hours < -12)
        hours += 24;
    return hours;
}

double meridianLongitude(int standardSeconds)
{
    return standardSeconds / 3600.0 * 15;
}

} // namespace ZoneRegion
