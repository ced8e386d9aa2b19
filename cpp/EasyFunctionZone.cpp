// SPDX-License-Identifier: GPL-3.0-or-later
// Time-zone and region tests of the device's system zone. Nothing is cached:
// the user may change the zone while the program runs.
#include "EasyFunction.h"

#include "ZoneRegion.h"

#include <QDebug>
#include <QTimeZone>

namespace {

int systemStandardSeconds()
{
    return ZoneRegion::standardOffsetSeconds(QTimeZone::systemTimeZone(), QDateTime::currentDateTime());
}

} // namespace

QVariant EasyFunction::isInDaZhongHuaArea()
{
    return ZoneRegion::isInDaZhongHuaArea(QTimeZone::systemTimeZoneId());
}

QVariant EasyFunction::isNotInZhongHuaMainLandArea()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    qWarning().noquote() << "the local timeZone is:" << QString::fromUtf8(id);
    return ZoneRegion::isNotInZhongHuaMainLandArea(id);
}

QVariant EasyFunction::isInTaiwanTimeZone()
{
    return ZoneRegion::isInTaiwan(QTimeZone::systemTimeZoneId());
}

QVariant EasyFunction::isInSingaporeTimeZone()
{
    return ZoneRegion::isInSingapore(QTimeZone::systemTimeZoneId());
}

QVariant EasyFunction::isInHongKongTimeZone()
{
    return ZoneRegion::isInHongKong(QTimeZone::systemTimeZoneId());
}

QVariant EasyFunction::getSystemTimeZoneId()
{
    return QTimeZone::systemTimeZoneId();
}

QVariant EasyFunction::getStandardTimeOffset()
{
    return ZoneRegion::offsetMinutes(systemStandardSeconds());
}

QVariant EasyFunction::getStandardTimeOffsetHours()
{
    return ZoneRegion::offsetHours(systemStandardSeconds());
}

QVariant EasyFunction::getStandardTimezoneLng()
{
    return ZoneRegion::meridianLongitude(systemStandardSeconds());
}
