// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mean and true solar time of a place from a universal-time instant. The
// equation of time is the Sun's mean longitude against the right ascension of
// its truncated VSOP87D longitude, accurate to about 1.5 s.
namespace SolarTime {

// J2000.0, 2000-01-01 12:00, as a Julian day.
inline constexpr double j2000 = 2451545.0;

// True minus mean solar time, in days, at the instant jdUt (a Julian day of
// universal time). Delta T is not applied: about a minute of it moves the
// result by well under 0.1 s.
double equationOfTimeDays(double jdUt);

// Local mean solar time of longitude degrees east, as a Julian day.
constexpr double meanSolarJd(double jdUt, double longitudeEast) { return jdUt + longitudeEast / 360.0; }

} // namespace SolarTime
