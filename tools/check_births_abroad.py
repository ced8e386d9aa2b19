#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks births abroad charted by `qingyao-cli charts` (tz, lng and time
# columns) against an independent computation: Python's zoneinfo (the system
# tz database) for the UTC offset, the committed term table
# (cpp/Calendar/CalendarTables.h) for year and month pillars and the luck
# start, the day count from 1971-08-07 (甲子) for the day pillar, the 五鼠遁
# rule for the hour stem, and Meeus's low-precision equation of time for true
# solar time. Not part of CI.
#
#   python3 tools/check_births_abroad.py build/qingyao-cli [COUNT]
#
# Half the births are placed within three hours of a Jie term, where a wrong
# offset or a wrong frame changes the month pillar.
import datetime as dt
import math
import random
import re
import subprocess
import sys
from pathlib import Path
from zoneinfo import ZoneInfo

ROOT = Path(__file__).resolve().parent.parent
PLACES = [  # zone, longitude of a city in it
    ("America/New_York", -74.006), ("America/Chicago", -87.63), ("America/Los_Angeles", -118.24),
    ("America/Vancouver", -123.12), ("America/Sao_Paulo", -46.63), ("Europe/London", -0.13),
    ("Europe/Paris", 2.35), ("Europe/Moscow", 37.62), ("Africa/Johannesburg", 28.05),
    ("Asia/Kolkata", 77.21), ("Asia/Tokyo", 139.69), ("Australia/Sydney", 151.21),
    ("Pacific/Auckland", 174.76), ("America/Anchorage", -149.9), ("Asia/Tehran", 51.39),
]
UTC = dt.timezone.utc
BIAS = dt.timedelta(seconds=30)  # the program's bias on entered minutes
EPOCH = dt.datetime(2000, 1, 1, 12, tzinfo=UTC)  # JD 2451545


def load_terms():
    text = (ROOT / "cpp/Calendar/CalendarTables.h").read_text()
    body = text[text.index("solarTerms[302][24]"):]
    rows = re.findall(r"\{ // (\d+)\s*([^}]*)\}", body)
    return {int(y): [float(x) for x in re.findall(r"[\d.]+", v)] for y, v in rows[:302]}


TERMS = load_terms()


def jd_of(t):  # aware datetime to JD of the UTC+8 frame
    return 2451545 + (t - EPOCH).total_seconds() / 86400 + 8 / 24


def from_jd(jd):  # JD of the UTC+8 frame to aware UTC datetime
    return EPOCH + dt.timedelta(days=jd - 2451545 - 8 / 24)


def sino_place(jd):
    """Sino year, month 1..12, and the Jie before and after."""
    jies = sorted((TERMS[y][p], y, p // 2 + 1) for y in TERMS for p in range(0, 24, 2)
                  if abs(TERMS[y][p] - jd) < 40)
    before = max(j for j in jies if j[0] <= jd)
    after = min(j for j in jies if j[0] > jd)
    return before[1], before[2], before[0], after[0]


def sexagenary(stem, branch):
    return (6 * stem - 5 * branch) % 60


def equation_of_time_minutes(t):  # Meeus, Astronomical Algorithms, ch. 28 (low precision)
    T = ((t - EPOCH).total_seconds() / 86400) / 36525
    L0 = math.radians((280.46646 + 36000.76983 * T) % 360)
    M = math.radians(357.52911 + 35999.05029 * T)
    e = 0.016708634 - 0.000042037 * T
    eps = math.radians(23.439291 - 0.0130042 * T)
    y = math.tan(eps / 2) ** 2
    E = (y * math.sin(2 * L0) - 2 * e * math.sin(M) + 4 * e * y * math.sin(M) * math.cos(2 * L0)
         - 0.5 * y * y * math.sin(4 * L0) - 1.25 * e * e * math.sin(2 * M))
    return math.degrees(E) * 4


def resolve(local, zone):
    """UTC instant and summer-time offset; a gap or doubled time read as standard time."""
    z = ZoneInfo(zone)
    a, b = local.replace(tzinfo=z, fold=0), local.replace(tzinfo=z, fold=1)
    choices = [a, b] if a.utcoffset() != b.utcoffset() else [a]
    pick = next((c for c in choices if not c.dst()), choices[0])
    if len(choices) == 2 and all(c.dst() for c in choices):
        pick = min(choices, key=lambda c: c.utcoffset())
    offset = pick.utcoffset()
    utc = local.replace(tzinfo=UTC) - offset
    std = offset - (pick.dst() or dt.timedelta(0))
    return utc, std, len(choices) == 2


def expected(local, zone, lng, kind, gender):
    utc, std, doubtful = resolve(local, zone)
    utc_b = utc + BIAS
    jd = jd_of(utc_b)
    year, month, jie_before, jie_after = sino_place(jd)
    year_chac = (year - 4) % 60
    month_branch = (month + 1) % 12
    month_chac = sexagenary(((year_chac % 10) % 5 * 2 + 2 + month - 1) % 10, month_branch)
    if kind == "clock":
        pillar_time = (utc_b + std).replace(tzinfo=None)
    else:
        mean = utc_b + dt.timedelta(hours=lng / 15)
        pillar_time = mean if kind == "mean" else mean + dt.timedelta(minutes=equation_of_time_minutes(utc_b))
        pillar_time = pillar_time.replace(tzinfo=None)
    day = pillar_time.date() + dt.timedelta(days=1 if pillar_time.hour == 23 else 0)
    day_chac = (day - dt.date(1971, 8, 7)).days % 60
    branch = (pillar_time.hour + 1) // 2 % 12
    hour_chac = sexagenary(((day_chac % 10) % 5 * 2 + branch) % 10, branch)
    forward = year_chac % 2 == gender
    age = ((jie_after - jd) if forward else (jd - jie_before)) / 3 * 30 / (jie_after - jie_before)
    # Within a minute of a double-hour or day boundary the low-precision
    # equation of time cannot decide the hour.
    edge = kind == "true" and (pillar_time.minute == 59 or pillar_time.minute == 0) and pillar_time.hour % 2 in (0, 1)
    return [year_chac, month_chac, day_chac, hour_chac], math.floor(age * 100 + 0.5) / 100, edge, doubtful


def transition_hour(z, year, rng):
    """A local time in the skipped or repeated hour of a change in that year."""
    t = dt.datetime(year, 1, 1, tzinfo=UTC)
    changes = []
    while t.year == year:
        if t.astimezone(z).utcoffset() != (t + dt.timedelta(hours=1)).astimezone(z).utcoffset():
            changes.append(t + dt.timedelta(hours=1))
            t += dt.timedelta(days=20)
        t += dt.timedelta(hours=1)
    if not changes:
        return dt.datetime(year, 7, 1, 12, 0)
    c = rng.choice(changes)  # first instant after the change
    before = (c - dt.timedelta(seconds=1)).astimezone(z).replace(tzinfo=None)
    return (before - dt.timedelta(minutes=rng.randint(1, 50))).replace(second=0, microsecond=0) \
        if c.astimezone(z).utcoffset() < (c - dt.timedelta(seconds=1)).astimezone(z).utcoffset() \
        else (before + dt.timedelta(minutes=rng.randint(2, 55))).replace(second=0, microsecond=0)


def births(count):
    rng = random.Random(16)
    out = []
    for i in range(count):
        zone, lng = PLACES[i % len(PLACES)]
        if i % 10 == 5:  # inside the hour a summer-time change skips or repeats
            zone, lng = PLACES[rng.choice([0, 1, 2, 5, 6, 11])]
            local = transition_hour(ZoneInfo(zone), rng.randint(1970, 2030), rng)
        elif i % 2 == 0:  # near a Jie term
            y, p = rng.randint(1901, 2098), rng.randrange(0, 24, 2)
            t = from_jd(TERMS[y][p]) + dt.timedelta(minutes=rng.randint(-180, 180))
            local = t.astimezone(ZoneInfo(zone)).replace(tzinfo=None, second=0, microsecond=0)
        else:
            local = dt.datetime(rng.randint(1901, 2098), rng.randint(1, 12), rng.randint(1, 28),
                                rng.randint(0, 23), rng.randint(0, 59))
        out.append((local, zone, lng, rng.choice(["clock", "mean", "true"]), rng.randint(0, 1)))
    return out


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build/qingyao-cli")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 240
    cases = births(count)
    lines = "".join(f"{b[0]:%Y-%m-%d %H:%M}\t{b[4]}\t1\t\t{b[1]}\t{b[2]}\t{b[3]}\n" for b in cases)
    rows = subprocess.run([cli, "charts"], input=lines.encode(), capture_output=True, check=True).stdout
    rows = rows.decode().strip().split("\n")[1:]
    assert len(rows) == len(cases), (len(rows), len(cases))
    wrong = {"year": 0, "month": 0, "day": 0, "hour": 0, "start age": 0}
    skipped_hours = doubtful_count = errors = 0
    for case, row in zip(cases, rows):
        f = row.split("\t")
        if f[1] == "error":
            errors += 1
            print("error:", case)
            continue
        got = [int(x) for x in f[2:6]]
        want, age, edge, doubtful = expected(*case)
        doubtful_count += doubtful
        for k, name in enumerate(["year", "month", "day", "hour"]):
            if name == "hour" and edge:
                skipped_hours += got[3] != want[3]
                continue
            if got[k] != want[k]:
                wrong[name] += 1
                print(f"{name} differs: {case} app {got} independent {want}")
        if abs(float(f[7]) - age) > 0.011:
            wrong["start age"] += 1
            print(f"start age differs: {case} app {f[7]} independent {age}")
    near = sum(1 for i in range(len(cases)) if i % 2 == 0)
    print(f"{len(cases)} births in {len(PLACES)} zones ({near} within 3 h of a Jie term, "
          f"{doubtful_count} in a gap or doubled hour), kinds clock/mean/true")
    print("mismatches:", ", ".join(f"{k} {v}" for k, v in wrong.items()), f"; errors {errors}; "
          f"hour pillars at a boundary minute not compared: {skipped_hours} differing")


if __name__ == "__main__":
    main()
