// Time-zone and region tests of the device's system zone.
#include "EasyFunction.h"

// TODO(issue 6): keyword tests and standard offsets.
QVariant EasyFunction::isInDaZhongHuaArea() { return false; }
QVariant EasyFunction::isNotInZhongHuaMainLandArea() { return true; }
QVariant EasyFunction::isInTaiwanTimeZone() { return false; }
QVariant EasyFunction::isInSingaporeTimeZone() { return false; }
QVariant EasyFunction::isInHongKongTimeZone() { return false; }
QVariant EasyFunction::getSystemTimeZoneId() { return QByteArray(); }
QVariant EasyFunction::getStandardTimeOffset() { return 0; }
QVariant EasyFunction::getStandardTimeOffsetHours() { return 0.0; }
QVariant EasyFunction::getStandardTimezoneLng() { return 0.0; }
