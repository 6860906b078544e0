#!/usr/bin/python3
"""Prints the reference places of tests/true_sky_test.cpp, from PyEphem
(Debian's python3-ephem), an ephemeris independent of ERFA: apparent
topocentric right ascension and declination of date, no refraction, the
observer at sea level. Run once; its output is pasted into the test as it is.
"""

import math

import ephem

# (moment UTC, latitude, longitude, whether the stars are checked too)
CASES = [
    ("2026/12/07 05:00:00", "40.4168", "-3.7038", True),   # Madrid, 06:00 local time
    ("2000/03/20 07:35:00", "89.9", "45", False),          # near the pole, the March equinox
    ("2099/12/31 23:59:00", "-16.5", "180", True),         # the date line, the last year of the table's range
    ("1900/01/01 00:00:00", "65", "-180", True),           # the date line from the other side, before UTC
    ("1957/06/30 21:00:00", "-33.87", "151.21", False),    # Sydney, before UTC
]

# The chart's stars by group and place: PyEphem's own catalogue where it has
# them, else the Hipparcos places and proper motions (mas/yr) of J2000.
STARS = [
    (20, 1, ("1:54:38.41", "20:48:28.9", 98.74, -110.41)), (30, 1, "Hamal"),
    (40, 1, ("2:49:58.99", "27:15:37.8", 65.70, -116.59)), (70, 1, "Rigel"), (70, 2, "Capella"),
    (70, 3, "Aldebaran"), (80, 1, "Mintaka"), (80, 2, "Alnilam"), (80, 3, "Alnitak"), (80, 4, "Betelgeuse"),
    (100, 1, "Sirius"), (110, 1, "Procyon"), (110, 2, "Castor"), (110, 3, "Pollux"), (140, 1, "Alphard"),
    (150, 1, "Regulus"), (150, 2, "Algieba"), (160, 1, ("11:14:06.50", "20:31:25.4", 143.13, -130.43)),
    (170, 1, "Denebola"), (200, 1, "Spica"), (200, 2, ("13:49:30.28", "-41:41:15.8", -25.26, -20.21)),
    (210, 1, "Arcturus"), (210, 2, "Menkent"), (240, 1, "Antares"), (280, 1, "Vega"), (290, 1, "Altair"),
    (310, 1, "Deneb"), (340, 1, "Fomalhaut"), (340, 2, ("23:17:09.94", "3:16:56.2", 760.04, 17.58)),
    (350, 1, ("23:39:57.04", "5:37:34.6", 376.34, -437.27)), (360, 2, ("23:59:18.69", "6:51:48.0", 147.96, -112.33)),
]


def star(entry):
    if isinstance(entry, str):
        return ephem.star(entry)
    body = ephem.FixedBody()
    body._ra, body._dec, body._epoch = ephem.hours(entry[0]), ephem.degrees(entry[1]), ephem.J2000
    body._pmra, body._pmdec = entry[2], entry[3]
    return body


def main():
    print(f"// PyEphem {ephem.__version__}: case, body, right ascension, declination (degrees)")
    for number, (moment, latitude, longitude, with_stars) in enumerate(CASES):
        observer = ephem.Observer()
        observer.lat, observer.lon, observer.elevation, observer.pressure = latitude, longitude, 0, 0
        observer.date = observer.epoch = ephem.Date(moment)
        print(f'{{{number}, "sidereal time", {math.degrees(observer.sidereal_time()):.6f}, 0}},')
        bodies = [("sun", ephem.Sun()), ("moon", ephem.Moon()), ("Mercury", ephem.Mercury()), ("Venus", ephem.Venus()),
                  ("Mars", ephem.Mars()), ("Jupiter", ephem.Jupiter()), ("Saturn", ephem.Saturn())]
        if with_stars:
            bodies += [(f"{label}.{place}", star(entry)) for label, place, entry in STARS]
        for name, body in bodies:
            body.compute(observer)
            print(f'{{{number}, "{name}", {math.degrees(body.ra):.6f}, {math.degrees(body.dec):.6f}}},')
        moon = ephem.Moon(observer)
        print(f'{{{number}, "moon lit", {moon.moon_phase:.6f}, 0}},')


if __name__ == "__main__":
    main()
