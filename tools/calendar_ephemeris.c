// SPDX-License-Identifier: GPL-3.0-or-later
/*
 * Ephemeris core of gen_calendar_tables.mjs: solar-term and new-moon moments.
 *
 * Build: cc -O2 -o calendar_ephemeris calendar_ephemeris.c -lnova -lm
 * Usage: calendar_ephemeris DELTAT_FILE FIRST_YEAR LAST_YEAR
 *   DELTAT_FILE: lines "decimal_year delta_t_seconds", ascending; interpolated linearly.
 * Output (stdout), all moments as JD in Beijing standard time (UT + 8 h), nine decimals:
 *   T <longitude degrees> <jd> <jd TT> <delta_t s>    the Sun's apparent longitude reaches the value
 *   N <jd> <jd TT> <delta_t s>                          apparent longitudes of Moon and Sun are equal
 *
 * Theories, all from libnova (Debian libnova-dev 0.16):
 * - Earth: VSOP87 (Bretagnon & Francou 1988), all terms. libnova's series are referred to the mean
 *   ecliptic and equinox of J2000 (version B: the leading L1 term is 6283.0758, no precession), so the
 *   geocentric Sun is precessed here to the ecliptic of date (IAU 2006 precession in the form of
 *   Meeus, Astronomical Algorithms 2nd ed., eq. 21.5) before the FK5 correction (Meeus eq. 32.3), the nutation in
 *   longitude (IAU 1980, libnova) and the annual aberration -20.4898"/R (Meeus eq. 25.10).
 *   libnova's own ln_get_solar_ecl_coords skips the precession, which is why it is not used.
 * - Moon: ELP2000-82B (Chapront-Touze & Chapront), all terms (precision 0). libnova rotates the
 *   result to the J2000 ecliptic with Laskar's P/Q series; it is precessed back to the ecliptic of
 *   date the same way as the Sun, with light time (distance / c) and the same nutation.
 * Each moment is refined by Newton steps until the step is below 1e-8 day (under a millisecond).
 */
#include <libnova/libnova.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static const double kJ2000 = 2451545.0;
static const double kDaysPerCentury = 36525.0;
static const double kSecondsPerDay = 86400.0;
static const double kBeijingOffsetDays = 8.0 / 24.0;            /* UTC+8 */
static const double kLightTimeDaysPerKm = 1.0 / 299792.458 / 86400.0;
static const double kAberrationArcsec = 20.4898;                 /* Meeus eq. 25.10, at R = 1 AU */
static const double kTropicalYearDays = 365.242189;
static const double kSynodicMonthDays = 29.530588853;
static const double kConvergedDays = 1e-8;

static double deg2rad(double d) { return d * M_PI / 180.0; }
static double rad2deg(double r) { return r * 180.0 / M_PI; }
static double arcsec2deg(double s) { return s / 3600.0; }

/* Difference a - b folded into (-180, 180]. */
static double angleDiff(double a, double b)
{
    double d = fmod(a - b, 360.0);
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

/* ---- Delta T ---------------------------------------------------------------------------------- */

static double *dtYear = NULL, *dtSeconds = NULL;
static int dtCount = 0;

static void loadDeltaT(const char *path)
{
    FILE *f = fopen(path, "r");
    if (!f) { perror(path); exit(2); }
    int cap = 0;
    double y, s;
    while (fscanf(f, "%lf %lf", &y, &s) == 2) {
        if (dtCount == cap) {
            cap = cap ? cap * 2 : 1024;
            dtYear = realloc(dtYear, cap * sizeof(double));
            dtSeconds = realloc(dtSeconds, cap * sizeof(double));
        }
        if (dtCount > 0 && y <= dtYear[dtCount - 1]) {
            fprintf(stderr, "delta T knots not ascending at %f\n", y);
            exit(2);
        }
        dtYear[dtCount] = y;
        dtSeconds[dtCount] = s;
        ++dtCount;
    }
    fclose(f);
    if (dtCount < 2) { fprintf(stderr, "delta T file has fewer than two knots\n"); exit(2); }
}

static double decimalYear(double jd) { return 2000.0 + (jd - kJ2000) / 365.2425; }

/* Delta T in seconds at a moment of universal time; linear between knots, never extrapolated. */
static double deltaTSeconds(double jdUT)
{
    const double y = decimalYear(jdUT);
    if (y < dtYear[0] || y > dtYear[dtCount - 1]) {
        fprintf(stderr, "year %.3f outside the delta T knots\n", y);
        exit(2);
    }
    int lo = 0, hi = dtCount - 1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (dtYear[mid] <= y) lo = mid; else hi = mid;
    }
    const double f = (y - dtYear[lo]) / (dtYear[hi] - dtYear[lo]);
    return dtSeconds[lo] + f * (dtSeconds[hi] - dtSeconds[lo]);
}

/* UT for a TT moment: solve jdUT + deltaT(jdUT) = jdTT (deltaT changes by far less than a second
   per day, so a few fixed-point steps are exact). */
static double utFromTT(double jdTT, double *dtOut)
{
    double ut = jdTT;
    for (int i = 0; i < 4; ++i)
        ut = jdTT - deltaTSeconds(ut) / kSecondsPerDay;
    *dtOut = deltaTSeconds(ut);
    return ut;
}

/* ---- Positions -------------------------------------------------------------------------------- */

/* Ecliptic coordinates referred to J2000 -> mean ecliptic and equinox of date: the rotation of
   Meeus eq. 21.5 with the IAU 2006 (P03) quantities pi_A, Pi_A, p_A of Capitaine et al. (2003).
   The IAU 1976 rate (5029.0966"/cy) is 0.30"/cy too fast and would shift the terms of 1800 by
   about 13 s. Degrees in and out. */
static void precessFromJ2000(double jdTT, double *lng, double *lat)
{
    const double t = (jdTT - kJ2000) / kDaysPerCentury;
    const double eta = deg2rad(arcsec2deg(((-0.00012559 * t - 0.0334926) * t + 46.998973) * t));
    const double pi = arcsec2deg(((-0.0005371 * t + 0.157992) * t - 867.95758) * t + 629546.7936);
    const double p = arcsec2deg(((0.00007964 * t + 1.1054348) * t + 5028.796195) * t);
    const double l = deg2rad(*lng), b = deg2rad(*lat);
    const double piMinusL = deg2rad(pi) - l;
    const double a = cos(eta) * cos(b) * sin(piMinusL) - sin(eta) * sin(b);
    const double bb = cos(b) * cos(piMinusL);
    const double c = cos(eta) * sin(b) + sin(eta) * cos(b) * sin(piMinusL);
    *lng = fmod(p + pi - rad2deg(atan2(a, bb)) + 720.0, 360.0);
    *lat = rad2deg(asin(c));
}

/* Nutation in longitude, degrees. libnova caches its result for 0.1 day; asking for a distant
   moment first makes every call compute afresh. */
static double nutationLongitude(double jdTT)
{
    struct ln_nutation n;
    ln_get_nutation(jdTT + 10.0, &n);
    ln_get_nutation(jdTT, &n);
    return n.longitude;
}

/* Apparent geocentric ecliptic longitude of the Sun, degrees, equinox of date. */
static double sunApparentLongitude(double jdTT)
{
    struct ln_helio_posn earth;
    ln_get_earth_helio_coords(jdTT, &earth);   /* VSOP87, J2000 frame; libnova applies FK5 here */
    /* libnova applies the FK5 correction to the J2000 longitude; undo it and redo it of date. */
    struct ln_helio_posn raw = earth;
    {
        struct ln_helio_posn probe = earth;
        ln_vsop87_to_fk5(&probe, jdTT);
        raw.L = earth.L - (probe.L - earth.L);
        raw.B = earth.B - (probe.B - earth.B);
    }
    double lng = raw.L + 180.0, lat = -raw.B;
    precessFromJ2000(jdTT, &lng, &lat);
    struct ln_helio_posn ofDate = { lng, lat, earth.R };
    ln_vsop87_to_fk5(&ofDate, jdTT);
    lng = ofDate.L + nutationLongitude(jdTT) - arcsec2deg(kAberrationArcsec) / earth.R;
    return fmod(lng + 720.0, 360.0);
}

/* Apparent geocentric ecliptic longitude of the Moon, degrees, equinox of date. */
static double moonApparentLongitude(double jdTT)
{
    const double lightTime = ln_get_lunar_earth_dist(jdTT) * kLightTimeDaysPerKm;
    struct ln_lnlat_posn moon;
    ln_get_lunar_ecl_coords(jdTT - lightTime, &moon, 0.0);
    double lng = moon.lng, lat = moon.lat;
    precessFromJ2000(jdTT - lightTime, &lng, &lat);
    return fmod(lng + nutationLongitude(jdTT) + 720.0, 360.0);
}

/* ---- Moments ---------------------------------------------------------------------------------- */

/* TT moment near the guess at which the Sun's apparent longitude is target (degrees). */
static double solveSunLongitude(double target, double guessTT)
{
    const double rate = 360.0 / kTropicalYearDays;
    double t = guessTT;
    for (int i = 0; i < 50; ++i) {
        const double step = angleDiff(target, sunApparentLongitude(t)) / rate;
        t += step;
        if (fabs(step) < kConvergedDays) return t;
    }
    fprintf(stderr, "solar longitude %f did not converge near %f\n", target, guessTT);
    exit(3);
}

/* TT moment of the new moon nearest the guess. */
static double solveNewMoon(double guessTT)
{
    const double rate = 360.0 / kSynodicMonthDays;
    double t = guessTT;
    for (int i = 0; i < 50; ++i) {
        const double d = angleDiff(moonApparentLongitude(t), sunApparentLongitude(t));
        /* the relative motion varies by about 20 %, so take the local rate near the end */
        double r = rate;
        if (fabs(d) < 1.0) {
            const double h = 0.01;
            r = angleDiff(moonApparentLongitude(t + h), sunApparentLongitude(t + h)) - d;
            r /= h;
        }
        const double step = -d / r;
        t += step;
        if (fabs(step) < kConvergedDays) return t;
    }
    fprintf(stderr, "new moon did not converge near %f\n", guessTT);
    exit(3);
}

static double jdOfJan1(int year)
{
    struct ln_date d = { year, 1, 1, 0, 0, 0.0 };
    return ln_get_julian_day(&d);
}

static void printMoment(const char *kind, const char *extra, double jdTT)
{
    double dt;
    const double ut = utFromTT(jdTT, &dt);
    printf("%s%s %.9f %.9f %.3f\n", kind, extra, ut + kBeijingOffsetDays, jdTT, dt);
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s DELTAT_FILE FIRST_YEAR LAST_YEAR\n", argv[0]);
        return 2;
    }
    loadDeltaT(argv[1]);
    const int firstYear = atoi(argv[2]), lastYear = atoi(argv[3]);
    const double start = jdOfJan1(firstYear), end = jdOfJan1(lastYear + 1);

    /* Solar terms: every 15 degrees. The Sun is at about 280 degrees on 1 January. */
    for (int year = firstYear; year <= lastYear; ++year) {
        const double jan1 = jdOfJan1(year);
        for (int k = 0; k < 24; ++k) {
            const double target = fmod(285.0 + 15.0 * k, 360.0);
            const double guess = jan1 + (angleDiff(target, 280.0) + (target < 280.0 ? 360.0 : 0.0))
                                 / 360.0 * kTropicalYearDays;
            const double t = solveSunLongitude(target, guess);
            char extra[32];
            snprintf(extra, sizeof extra, " %.0f", target);
            printMoment("T", extra, t);
        }
    }

    /* New moons: step by the mean synodic month from a known new moon (2000-01-06 18:14 UT). */
    const double epoch = 2451550.26;
    double k = floor((start - epoch) / kSynodicMonthDays);
    for (;; k += 1.0) {
        const double guess = epoch + k * kSynodicMonthDays;
        if (guess > end + 15.0) break;
        const double t = solveNewMoon(guess);
        if (t < start || t >= end) continue;
        printMoment("N", "", t);
    }
    return 0;
}
