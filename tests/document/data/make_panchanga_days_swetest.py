#!/usr/bin/env python3
"""Writes panchanga_days_swetest.txt and panchanga_polar_swetest.txt: the moments of panchanga days found
with Debian's swetest alone.

Frame: sidereal Lahiri (-sid1, the program's Traditional Lahiri), true positions (-true), geocentric.
Rises and sets are those of the disc's centre without refraction (-disccenter -norefrac: the program's
SunriseDefinition 0). The ends of the limbs are found by stepping swetest's Sun and Moon through the
span in steps of 0.04 day and solving each change of unit by Newton's method on swetest's longitudes and
speeds until the instant moves less than 1e-9 day. Lines (Julian days UT):
  case N LON_EAST LAT ZONE_WEST YEAR MONTH DAY DAYS
  rise N BODY JD        body 0 the Sun, 1 the Moon; every rise swetest lists over the span
  set N BODY JD
  end N QUANTITY UNIT JD  QUANTITY tithi (12 degrees of Moon - Sun), karana (6 degrees of it, UNIT the
                          half-tithi 0-59), nakshatra (13 deg 20' of the Moon), yoga (13 deg 20' of Moon +
                          Sun), sign (30 degrees of the Moon); UNIT is the unit that starts at JD
Cases: Chennai, a day at 60 deg N in June, and two days at 60 deg N near the equinoxes at the longitude
that puts a karana end 2 minutes after the second day's sunrise (spring, sunrises 3 minutes earlier each
day: the end falls between the next sunrise and sunrise + 24 h) or 2 minutes before it (autumn, sunrises
later each day: the end falls between sunrise + 24 h and the next sunrise).
Polar cases (the second table, the Sun's rises and sets only, listed day by day since swetest stops a
list at the first day without them): Tromso (69.65 N) around the start and the end of the polar night
and of the midnight sun and on a day inside each, and 70.77 S around the start of its midnight sun.
"""
import math
import os
import subprocess

SWETEST = "swetest"
RISE_FLAGS = ["-disccenter", "-norefrac"]
SPANS = {"tithi": 12.0, "karana": 6.0, "nakshatra": 40.0 / 3.0, "yoga": 40.0 / 3.0, "sign": 30.0}
commands = []


def swetest(args):
    commands.append(" ".join([SWETEST] + args))
    return subprocess.run([SWETEST] + args, capture_output=True, text=True, check=True).stdout


def julian_day(day, month, year, hours):
    """Gregorian calendar date to Julian day (Meeus, Astronomical Algorithms, chapter 7)."""
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5 + hours / 24.0


def civil_date(jd):
    """Julian day to Gregorian (year, month, day) (Meeus, chapter 7)."""
    z = math.floor(jd + 0.5)
    alpha = math.floor((z - 1867216.25) / 36524.25)
    a = z + 1 + alpha - alpha // 4
    b = a + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    day = b - d - math.floor(30.6001 * e)
    month = e - 1 if e < 14 else e - 13
    year = c - 4716 if month > 2 else c - 4715
    return year, month, day


def sun_moon(jd):
    lines = swetest([f"-bj{jd:.9f}", "-ut", "-p01", "-sid1", "-true", "-fls", "-head"]).split("\n")
    (sun, sun_speed), (moon, moon_speed) = [tuple(map(float, line.split())) for line in lines[:2]]
    return sun, sun_speed, moon, moon_speed


def quantity(name, jd):
    sun, ss, moon, ms = sun_moon(jd)
    if name in ("tithi", "karana"):
        return (moon - sun) % 360.0, ms - ss
    if name == "yoga":
        return (moon + sun) % 360.0, ms + ss
    return moon % 360.0, ms


def solve(name, target, jd):
    for _ in range(30):
        value, speed = quantity(name, jd)
        offset = (value - target + 180.0) % 360.0 - 180.0
        step = offset / speed
        jd -= step
        if abs(step) < 1e-9:
            break
    return jd


def ends(name, start, stop):
    span = SPANS[name]
    found = []
    t = start
    unit = math.floor(quantity(name, t)[0] / span)
    while t < stop:
        t2 = t + 0.04
        unit2 = math.floor(quantity(name, t2)[0] / span)
        if unit2 != unit:
            found.append((unit2, solve(name, unit2 * span, (t + t2) / 2.0)))
        t, unit = t2, unit2
    return found


def horizon(body, jd, lon, lat, count):
    y, m, d = civil_date(jd)
    out = swetest([f"-b{d}.{m}.{y}", "-ut0", f"-p{body}", "-rise", f"-geopos{lon},{lat},0", f"-n{count}", "-head"]
                  + RISE_FLAGS)
    events = []
    for line in out.split("\n"):
        fields = line.replace("\t", " ").split()
        for i in range(0, min(len(fields), 6), 3):
            if i + 2 < len(fields) and fields[i] in ("rise", "set") and fields[i + 1] != "-":
                dd, mm, yy = map(int, fields[i + 1].split("."))
                h, mi, s = fields[i + 2].split(":")
                hours = int(h) + int(mi) / 60.0 + float(s) / 3600.0
                events.append((fields[i], julian_day(dd, mm, yy, hours)))
    return events


def horizon_daily(jd_from, jd_to, lon, lat):
    """The Sun's rises and sets from swetest asked for two of each from every UT date of the span (a day
    whose Sun is up at 0:00 lists no rise first)."""
    events = []
    for day in range(math.floor(jd_from - 0.5), math.floor(jd_to - 0.5) + 1):
        for kind, jd in horizon(0, day + 0.5, lon, lat, 2):
            # The same event from two dates can differ in its last tenth of a second.
            if not any(k == kind and abs(j - jd) < 1e-4 for k, j in events):
                events.append((kind, jd))
    return sorted(events, key=lambda e: e[1])


def gap_case(n, lat, day, month, year, minutes_after):
    """A place at `lat` whose second sunrise after the date falls `minutes_after` minutes before a karana
    end (negative: after it)."""
    first_rise = julian_day(day, month, year, 0.0)
    rises0 = [jd for kind, jd in horizon(0, first_rise, 0, lat, 3) if kind == "rise"]
    second = rises0[1]
    end = ends("karana", second - 0.45, second + 0.45)[0][1]
    lon = round((second - (end - minutes_after / 1440.0)) * 360.0, 4)
    zone = -round(lon / 15.0)
    y, m, d = civil_date(rises0[0] - lon / 360.0 - zone / 24.0)
    return (n, lon, lat, zone, y, m, d, 3)


def write_table(name, cases, polar):
    lines = []
    version = swetest(["-bj2451545", "-ut", "-p0"])
    version = next((w for w in version.split() if w[:1].isdigit() and "deb" in w), "")
    for n, lon, lat, zone, y, m, d, days in cases:
        lines.append(f"case {n} {lon} {lat} {zone} {y} {m} {d} {days}")
        noon = julian_day(d, m, y, 12.0 + zone)
        start, stop = noon - 1.5, noon + days + 1.5
        commands.clear()
        events = []
        if polar:
            for kind, jd in horizon_daily(start, stop, lon, lat):
                events.append(f"{kind} {n} 0 {jd:.9f}")
            rise_commands = [commands[0].replace(commands[0].split()[1], "-bDATE"), "(for each UT DATE of the span)"]
        else:
            for body in (0, 1):
                for kind, jd in horizon(body, start, lon, lat, days + 4):
                    events.append(f"{kind} {n} {body} {jd:.9f}")
            rise_commands = list(commands)
        limb_lines = []
        for quantity_name in SPANS:
            for unit, jd in ends(quantity_name, start, stop):
                limb_lines.append(f"end {n} {quantity_name} {unit} {jd:.9f}")
        lines += [f"# {c}" for c in rise_commands]
        lines.append(f"# {SWETEST} -bjJD -ut -p01 -sid1 -true -fls -head, stepped from {start:.4f} to {stop:.4f}")
        lines += events + limb_lines
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with open(out, "w") as f:
        f.write(f"# Generated by make_panchanga_days_swetest.py with swetest {version}\n")
        f.write("\n".join(lines) + "\n")


def main():
    write_table("panchanga_days_swetest.txt", [
        (0, 80.27, 13.08, -5.5, 1990, 5, 15, 2),
        (1, 24.94, 60.17, -3, 2024, 6, 20, 2),
        gap_case(2, 60.0, 19, 3, 2024, 2.0),
        gap_case(3, 60.0, 19, 9, 2024, -2.0),
    ], False)
    tromso = (18.96, 69.65, -1)
    write_table("panchanga_polar_swetest.txt", [
        (0, *tromso, 2024, 11, 20, 5),
        (1, *tromso, 2024, 12, 20, 2),
        (2, *tromso, 2025, 1, 17, 5),
        (3, *tromso, 2025, 5, 18, 5),
        (4, *tromso, 2025, 6, 20, 2),
        (5, *tromso, 2025, 7, 21, 6),
        (6, 11.83, -70.77, -3, 2024, 11, 13, 5),
    ], True)


main()
