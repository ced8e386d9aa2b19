// SPDX-License-Identifier: GPL-3.0-or-later
// Solar ephemeris of the script side: Julian days, Delta T, the Sun's apparent
// longitude (truncated VSOP87D with short nutation and aberration) and the
// equation of time. Angles are radians, times are counted from J2000.
.pragma library
.import "xl0Earth.js" as Xl0Earth

var rad = 180 * 3600 / Math.PI; // arcseconds per radian
var pi2 = Math.PI * 2;
var J2000 = 2451545; // 2000-01-01 12:00

// Delta T in seconds: rows of (start year, a, b, c, d), cubic in
// x = 10 (y - start) / (next start - start); the end pair closes the table.
var dt_at = [
    -4000, 108371.7, -13036.8, 392, 0,
    -500, 17201, -627.82, 16.17, -0.3413,
    -150, 12200.6, -346.41, 5.403, -0.1593,
    150, 9113.8, -328.13, -1.647, 0.0377,
    500, 5707.5, -391.41, 0.915, 0.3145,
    900, 2203.4, -283.45, 13.034, -0.1778,
    1300, 490.1, -57.35, 2.085, -0.0072,
    1600, 120, -9.81, -1.532, 0.1403,
    1700, 10.2, -0.91, 0.51, -0.037,
    1800, 13.4, -0.72, 0.202, -0.0193,
    1830, 7.8, -1.81, 0.416, -0.0247,
    1860, 8.3, -0.13, -0.406, 0.0292,
    1880, -5.4, 0.32, -0.183, 0.0173,
    1900, -2.3, 2.06, 0.169, -0.0135,
    1920, 21.2, 1.69, -0.304, 0.0167,
    1940, 24.2, 1.22, -0.064, 0.0031,
    1960, 33.2, 0.51, 0.231, -0.0109,
    1980, 51, 1.29, -0.026, 0.0032,
    2000, 63.87, 0.1, 0, 0,
    2005, 64.7, 0.4, 0, 0,
    2015, 69
];

// Short nutation series: B0, B1, B2, longitude and obliquity amplitudes (0.01").
var nutB = [
    2.1824, -33.75705, 3.6e-05, -1720, 920,
    3.5069, 1256.66393, 1.1e-05, -132, 57,
    1.3375, 16799.4182, -5.1e-05, -23, 10,
    4.3649, -67.5141, 7.2e-05, 21, -9,
    0.04, -628.302, 0, -14, 0,
    2.36, 8328.691, 0, 7, 0,
    3.46, 1884.966, 0, -5, 2,
    5.44, 16833.175, 0, -4, 2,
    3.69, 25128.11, 0, -3, 0,
    3.55, 628.362, 0, 2, 0
];

// Planetary series, one flat array per body; only the Earth is shipped, the
// solar-time correction needs nothing else.
var XL0 = [Xl0Earth.earth];
var XL0_xzb = [];

function int2(v) {
    return Math.floor(v);
}

function JD(y, m, d) {
    var gregorian = y * 372 + m * 31 + int2(d) >= 588829; // from 1582-10-15
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    var n = 0;
    if (gregorian) {
        var a = int2(y / 100);
        n = 2 - a + int2(a / 4);
    }
    return int2(365.25 * (y + 4716)) + int2(30.6001 * (m + 1)) + d + n - 1524.5;
}

function DD(jd) {
    var r = {};
    var D = int2(jd + 0.5);
    var F = jd + 0.5 - D;
    if (D >= 2299161) {
        var c = int2((D - 1867216.25) / 36524.25);
        D += 1 + c - int2(c / 4);
    }
    D += 1524;
    r.Y = int2((D - 122.1) / 365.25);
    D -= int2(365.25 * r.Y);
    r.M = int2(D / 30.601);
    D -= int2(30.601 * r.M);
    r.D = D;
    if (r.M > 13) {
        r.M -= 13;
        r.Y -= 4715;
    } else {
        r.M -= 1;
        r.Y -= 4716;
    }
    F *= 24;
    r.h = int2(F);
    F -= r.h;
    F *= 60;
    r.m = int2(F);
    F -= r.m;
    r.s = F * 60;
    return r;
}

function dt_ext(y, jsd) {
    var dy = (y - 1820) / 100;
    return -20 + jsd * dy * dy;
}

function dt_calc(y) {
    var y0 = dt_at[dt_at.length - 2];
    var t0 = dt_at[dt_at.length - 1];
    if (y >= y0) {
        var jsd = 31;
        if (y > y0 + 100)
            return dt_ext(y, jsd);
        // Join the table's last value to the parabola over one century.
        return dt_ext(y, jsd) - (dt_ext(y0, jsd) - t0) * (y0 + 100 - y) / 100;
    }
    var at = dt_at;
    var i;
    for (i = 0; i < at.length; i += 5) {
        if (y < at[i + 5])
            break;
    }
    var t1 = (y - at[i]) / (at[i + 5] - at[i]) * 10;
    var t2 = t1 * t1;
    var t3 = t2 * t1;
    return at[i + 1] + at[i + 2] * t1 + at[i + 3] * t2 + at[i + 4] * t3;
}

function dt_T(t) {
    return dt_calc(t / 365.2425 + 2000) / 86400.0;
}

// One coordinate of a body from its series; n is a term budget scaled from
// the power-0 series (negative: every term).
function XL0_calc(xt, zn, t, n) {
    // Locals: global names are looked up through the QML scope on every use.
    var cos = Math.cos;
    var F = XL0[xt];
    if (F === undefined)
        return NaN;
    t /= 10; // Julian millennia
    var v = 0;
    var tn = 1;
    var p = zn * 6 + 1;
    var N0 = F[p + 1] - F[p];
    for (var i = 0; i < 6; i++, tn *= t) {
        var n1 = F[p + i];
        var n2 = F[p + 1 + i];
        var N = n2 - n1;
        if (!N)
            continue;
        if (n >= 0) {
            var budget = int2(3 * n * N / N0 + 0.5) + n1;
            if (i)
                budget += 3;
            if (budget < n2)
                n2 = budget;
        }
        var c = 0;
        for (var j = n1; j < n2; j += 3)
            c += F[j] * cos(F[j + 1] + t * F[j + 2]);
        v += c * tn;
    }
    v /= F[0];
    if (xt === 0) {
        var t2 = t * t;
        var t3 = t2 * t;
        if (zn === 0)
            v += (-0.0728 - 2.7702 * t - 1.1019 * t2 - 0.0996 * t3) / rad;
        if (zn === 1)
            v += (+0.0004 * t + 0.0004 * t2 - 0.0026 * t3) / rad;
        if (zn === 2)
            v += (-0.002 + 0.0044 * t + 0.0213 * t2 - 0.025 * t3) / 1000000;
    } else {
        var dv = XL0_xzb[(xt - 1) * 3 + zn];
        if (zn === 0)
            v += -3 * t / rad;
        if (zn === 2)
            v += dv / 1000000;
        else
            v += dv / rad;
    }
    return v;
}

function E_Lon(t, n) {
    return XL0_calc(0, 0, t, n);
}

function nutationLon2(t) {
    var B = nutB;
    var sin = Math.sin;
    var t2 = t * t;
    var dL = 0;
    for (var i = 0; i < B.length; i += 5) {
        var a = i === 0 ? -1.742 * t : 0;
        dL += (B[i + 3] + a) * sin(B[i] + B[i + 1] * t + B[i + 2] * t2);
    }
    return dL / 100 / rad;
}

function gxc_sunLon(t) {
    var v = -0.043126 + 628.301955 * t - 0.000002732 * t * t;
    var e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    return (-20.49552 * (1 + e * Math.cos(v))) / rad;
}

function S_aLon(t, n) {
    return E_Lon(t, n) + nutationLon2(t) + gxc_sunLon(t) + Math.PI;
}

function rad2mrad(v) {
    v = v % pi2;
    if (v < 0)
        return v + pi2;
    return v;
}

function rad2rrad(v) {
    v = v % pi2;
    if (v <= -Math.PI)
        return v + pi2;
    if (v > Math.PI)
        return v - pi2;
    return v;
}

function llrConv(JW, E) {
    var J = JW[0];
    var W = JW[1];
    var r = [];
    r[0] = rad2mrad(Math.atan2(Math.sin(J) * Math.cos(E) - Math.tan(W) * Math.sin(E), Math.cos(J)));
    r[1] = Math.asin(Math.cos(E) * Math.sin(W) + Math.sin(E) * Math.cos(W) * Math.sin(J));
    r[2] = JW[2];
    return r;
}

// Equation of time in days (true minus mean solar time).
function pty_zty2(t) {
    var L = (1753470142 + 628331965331.8 * t + 5296.74 * t * t) / 1000000000 + Math.PI;
    var E = (84381.4088 - 46.836051 * t) / rad;
    var z = [XL0_calc(0, 0, t, 5) + Math.PI, 0];
    z = llrConv(z, E);
    L = rad2rrad(L - z[0]);
    return L / pi2;
}
