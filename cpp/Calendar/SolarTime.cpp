// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolarTime.h"

#include "EarthLongitudeSeries.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2 * pi;
constexpr double arcsecondsPerRadian = 180 * 3600 / pi;
// Terms kept of the series, scaled from a budget of 5 terms of L0.
constexpr int termBudget = 5;

// Heliocentric ecliptic longitude of the Earth, radians; t in Julian
// centuries from J2000.
double earthLongitude(double t)
{
    using namespace EarthLongitudeSeries;
    const double tau = t / 10; // Julian millennia
    const int rows0 = seriesStart[1] - seriesStart[0];
    double v = 0;
    double tn = 1;
    for (int i = 0; i < 6; ++i, tn *= tau) {
        const int first = seriesStart[i];
        const int rows = seriesStart[i + 1] - first;
        if (rows == 0)
            continue;
        // Budgets count slots of three numbers per term.
        int slots = static_cast<int>(std::floor(3.0 * termBudget * rows / rows0 + 0.5));
        if (i > 0)
            slots += 3;
        const int kept = std::min(rows, (slots + 2) / 3);
        double c = 0;
        for (int k = first; k < first + kept; ++k)
            c += terms[k][0] * std::cos(terms[k][1] + tau * terms[k][2]);
        v += c * tn;
    }
    v /= divisor;
    const double tau2 = tau * tau;
    v += (-0.0728 - 2.7702 * tau - 1.1019 * tau2 - 0.0996 * tau2 * tau) / arcsecondsPerRadian;
    return v;
}

double reduced(double v) // to (-pi, pi]
{
    v = std::fmod(v, twoPi);
    if (v <= -pi)
        return v + twoPi;
    if (v > pi)
        return v - twoPi;
    return v;
}

} // namespace

double SolarTime::equationOfTimeDays(double jdUt)
{
    const double t = (jdUt - j2000) / 36525;
    // Mean longitude of the Sun, radians.
    const double meanLongitude = (1753470142 + 628331965331.8 * t + 5296.74 * t * t) / 1000000000 + pi;
    const double obliquity = (84381.4088 - 46.836051 * t) / arcsecondsPerRadian;
    const double sunLongitude = earthLongitude(t) + pi;
    double rightAscension = std::atan2(std::sin(sunLongitude) * std::cos(obliquity), std::cos(sunLongitude));
    if (rightAscension < 0)
        rightAscension += twoPi;
    return reduced(meanLongitude - rightAscension) / twoPi;
}
