#!/usr/bin/python3
"""How close the chart is to the real sky.

Runs the program headless at random moments from 1900 to 2100 (seeded, so the
same every time) and compares what each start-up draws with an ephemeris
(PyEphem, Debian's python3-ephem; scripts/setup.sh --bench installs it):

- the moon: the "lunar" read-out against the moon's ecliptic longitude (and
  its right ascension), and its phase as the marker's height shows it;
- the sun: the "solar" read-out against its right ascension and its ecliptic
  longitude;
- the centre marker ("local") against the sidereal time;
- every star in view: its place on the scale against its right ascension, its
  height against its angle from the ecliptic along the hour circle;
- the dots of the equator curve against the real equator.

The program reads the computer's clock as local time; here it is read as
universal time (UT) at longitude 0.

With --sky true it measures the true-sky mode instead: at each moment a
random place and a random time zone of the zone tables, the program started
with TZ set to that zone, --sky true, --place and --positions, and every row
of its table compared with PyEphem's apparent topocentric place of date (no
refraction): the sidereal time, the sun, the moon, the five planets, the 31
stars, and where each figure in view stands on the picture.
"""

import argparse
import concurrent.futures
import datetime
import math
import os
import random
import subprocess
import sys
import zoneinfo

try:
    import ephem
except ImportError:
    sys.exit("real_sky: needs PyEphem: run scripts/setup.sh --bench (Debian package python3-ephem)")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LEVEL = 432  # the baseline's y
PIXELS_PER_DEGREE_UP = 4.6
PIXELS_PER_DEGREE_ALONG = 16
MOON_HEIGHT = 24.84  # pixels from the baseline at the top and bottom of the marker's swing

# Where the program prints its read-outs (pixels of the picture area).
SOLAR_AT = (992, 800)
LUNAR_AT = (112, 672)
LOCAL_AT = (992, 768)
CHART_ANGLE_AT = (64, 704)

# The catalogue's stars: (chart angle, chart height in degrees, name, the
# real star). The real star is a name in PyEphem's catalogue or, where it
# has none, right ascension and declination J2000 (hours, degrees) and the
# proper motions (milliarcseconds a year, the first on the sky) from the
# Hipparcos catalogue.
STARS = [
    (29, 9, "Sheratan (beta Ari)", ("1:54:38.41", "20:48:28.9", 98.74, -110.41)),
    (33, 11, "Hamal (alpha Ari)", "Hamal"),
    (44, 10, "41 Ari", ("2:49:58.99", "27:15:37.8", 65.70, -116.59)),
    (79, -32, "Rigel (beta Ori)", "Rigel"),
    (79, 23, "Capella (alpha Aur)", "Capella"),
    (70, -6, "Aldebaran (alpha Tau)", "Aldebaran"),
    (83, -24, "Mintaka (delta Ori)", "Mintaka"),
    (84, -25, "Alnilam (epsilon Ori)", "Alnilam"),
    (85, -26, "Alnitak (zeta Ori)", "Alnitak"),
    (89, -20, "Betelgeuse (alpha Ori)", "Betelgeuse"),
    (102, -39, "Sirius (alpha CMa)", "Sirius"),
    (116, -18, "Procyon (alpha CMi)", "Procyon"),
    (114, 8, "Castor (alpha Gem)", "Castor"),
    (117, 5, "Pollux (beta Gem)", "Pollux"),
    (143, -22, "Alphard (alpha Hya)", "Alphard"),
    (152, 1, "Regulus (alpha Leo)", "Regulus"),
    (155, 10, "Algieba (gamma Leo)", "Algieba"),
    (169, 16, "Zosma (delta Leo)", ("11:14:06.50", "20:31:25.4", 143.13, -130.43)),
    (178, 14, "Denebola (beta Leo)", "Denebola"),
    (202, -2, "Spica (alpha Vir)", "Spica"),
    (207, -28, "nu Cen", ("13:49:30.28", "-41:41:15.8", -25.26, -20.21)),
    (214, 33, "Arcturus (alpha Boo)", "Arcturus"),
    (212, -20, "Menkent (theta Cen)", "Menkent"),
    (247, -3, "Antares (alpha Sco)", "Antares"),
    (280, 61, "Vega (alpha Lyr)", "Vega"),
    (298, 29, "Altair (alpha Aql)", "Altair"),
    (311, 65, "Deneb (alpha Cyg)", "Deneb"),
    (344, -23, "Fomalhaut (alpha PsA)", "Fomalhaut"),
    (350, 7, "gamma Psc", ("23:17:09.94", "3:16:56.2", 760.04, 17.58)),
    (356, 8, "iota Psc", ("23:39:57.04", "5:37:34.6", 376.34, -437.27)),
    (0, 8, "omega Psc", ("23:59:18.69", "6:51:48.0", 147.96, -112.33)),
]


def real_star(name, star):
    if isinstance(star, str):
        return ephem.star(star)
    body = ephem.FixedBody()
    body._ra, body._dec, body._epoch = ephem.hours(star[0]), ephem.degrees(star[1]), ephem.J2000
    body._pmra, body._pmdec = star[2], star[3]
    body.name = name
    return body


def chart_y(height):
    """The y pixel the star field gives a height: rounded, halves to even."""
    return round(LEVEL - height * PIXELS_PER_DEGREE_UP)


def difference(a, b):
    """a - b in degrees, in -180 to 180."""
    return (a - b + 180) % 360 - 180


def obliquity(date):
    """The mean obliquity of the ecliptic at an ephem date, in degrees."""
    centuries = (date - ephem.J2000) / 36525
    return 23.439291 - 0.0130042 * centuries


def ecliptic_height(ra, epsilon):
    """How far north of the equator the ecliptic passes at a right ascension."""
    return math.degrees(math.atan(math.tan(math.radians(epsilon)) * math.sin(math.radians(ra))))


def run_program(program, moment):
    """One start-up at `moment`: the values read from its trace."""
    at = moment.strftime("%Y-%m-%d %H:%M:%S")
    trace = subprocess.run([program, "--at", at, "--trace", "-"], capture_output=True, text=True, check=True).stdout
    prints, circles = {}, []
    for line in trace.splitlines():
        word, _, rest = line.partition(" ")
        if word == "print":
            x, y, text = rest.split(" ", 2)
            prints[(int(x), int(y))] = text.strip('"').strip()
        elif word == "circle":
            x, y, radius, colour = rest.split(" ")
            if colour != "000000":  # not an erase
                circles.append((float(x), float(y), float(radius), colour))
    missing = [place for place in (SOLAR_AT, LUNAR_AT, LOCAL_AT, CHART_ANGLE_AT) if place not in prints]
    if missing:
        raise RuntimeError(f"the start-up at {at} printed nothing at {missing}")
    return {
        "solar": int(prints[SOLAR_AT]),
        "lunar": int(prints[LUNAR_AT]),
        "local": int(prints[LOCAL_AT]),
        "chart_angle": int(prints[CHART_ANGLE_AT]),
        "circles": circles,
    }


def scale_angle(chart_angle, x):
    """The angle of the scale at pixel x, right after a load (step 0)."""
    return (chart_angle - (x - 8) / PIXELS_PER_DEGREE_ALONG) % 360


def summary(errors, digits=2):
    """Mean (signed), RMS, 95th percentile and largest of the sizes."""
    sizes = sorted(abs(e) for e in errors)
    count = len(sizes)
    if count == 0:
        return "no values"
    mean = sum(errors) / count
    rms = math.sqrt(sum(e * e for e in errors) / count)
    p95 = sizes[min(count - 1, math.ceil(0.95 * count) - 1)]
    return f"{mean:7.{digits}f} {rms:7.{digits}f} {p95:7.{digits}f} {sizes[-1]:7.{digits}f}   ({count})"


def moon_phase_from_height(y, real_phase):
    """The marker's phase angle that its y shows, of the two that share a
    sine the one nearer the real phase; None where a pixel of height is more
    than about 2.3 degrees of phase (within 60 degrees of the top or the
    bottom of the swing)."""
    if abs(math.cos(math.radians(real_phase))) < 0.5:
        return None
    sine = max(-1.0, min(1.0, (LEVEL - y) / MOON_HEIGHT))
    first = math.degrees(math.asin(sine))
    return min(first, 180 - first, key=lambda phase: abs(difference(phase, real_phase))) % 360


def measure(program, count, seed, workers):
    rng = random.Random(seed)
    start = datetime.datetime(1900, 1, 1)
    span = int((datetime.datetime(2101, 1, 1) - start).total_seconds())
    moments = sorted(start + datetime.timedelta(seconds=rng.randrange(span)) for _ in range(count))
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        readings = list(pool.map(lambda moment: run_program(program, moment), moments))

    stars = [(angle % 360, chart_y(height), height, name, real_star(name, star)) for angle, height, name, star in STARS]
    star_by_place = {(angle, y): i for i, (angle, y, *_) in enumerate(stars)}
    star_errors = {i: ([], []) for i in range(len(stars))}
    errors = {key: [] for key in ("moon", "moon_ra", "phase", "moon_height", "sun_ra", "sun_lon", "local", "equator")}
    moon_by_half_century, moon_by_leap_cycle = {}, {}
    unknown = set()

    observer = ephem.Observer()
    observer.lon, observer.lat, observer.elevation, observer.pressure = "0", "0", 0, 0
    for moment, seen in zip(moments, readings):
        date = ephem.Date(moment)
        epsilon = obliquity(date)
        moon, sun = ephem.Moon(date, epoch=date), ephem.Sun(date, epoch=date)
        moon_lon = math.degrees(ephem.Ecliptic(moon, epoch=date).lon)
        sun_lon = math.degrees(ephem.Ecliptic(sun, epoch=date).lon)

        # The moon: the read-out against the real longitude.
        moon_error = difference(seen["lunar"], moon_lon)
        errors["moon"].append(moon_error)
        errors["moon_ra"].append(difference(seen["lunar"], math.degrees(moon.ra)))
        moon_by_half_century.setdefault(min(2050, moment.year // 50 * 50), []).append(moon_error)
        moon_by_leap_cycle.setdefault(moment.year % 4, []).append(moon_error)

        # Its phase: 270 at new moon (the marker at its lowest), 0 at first
        # quarter, 90 at full moon (at its highest), 180 at last quarter.
        real_phase = (moon_lon - sun_lon + 270) % 360
        markers = [c for c in seen["circles"] if c[2] == 11]
        if markers:
            # Its height shows the phase: it is not the moon's real height.
            marker_height = (LEVEL - markers[-1][1]) / PIXELS_PER_DEGREE_UP
            ra, dec = math.degrees(moon.ra), math.degrees(moon.dec)
            errors["moon_height"].append(marker_height - (dec - ecliptic_height(ra, epsilon)))
            shown = moon_phase_from_height(markers[-1][1], real_phase)
            if shown is not None:
                errors["phase"].append(difference(shown, real_phase))

        # The sun. The chart's scale is one of right ascension: the stars
        # stand at theirs and the centre marker at the sidereal time, so on
        # it the sun belongs at its right ascension. The "solar" read-out,
        # though, is reckoned like the mean sun's ecliptic longitude, from
        # the day of the year alone, in whole degrees: so it is compared
        # with both.
        errors["sun_ra"].append(difference(seen["solar"], math.degrees(sun.ra)))
        errors["sun_lon"].append(difference(seen["solar"], sun_lon))

        # The centre marker: the right ascension on the meridian.
        observer.date, observer.epoch = date, date
        errors["local"].append(difference(seen["local"], math.degrees(observer.sidereal_time())))

        for x, y, radius, colour in seen["circles"]:
            if radius in (1, 11, 26) or not 0 <= x < 1241:
                continue
            angle = round(scale_angle(seen["chart_angle"], x)) % 360
            if (angle, int(y)) not in star_by_place:
                unknown.add((angle, int(y)))
                continue
            i = star_by_place[(angle, int(y))]
            if star_errors[i][0] and star_errors[i][0][-1][0] is moment:
                continue  # another ring of the same star
            body = stars[i][4]
            body.compute(date, epoch=date)
            ra, dec = math.degrees(body.ra), math.degrees(body.dec)
            real_height = dec - ecliptic_height(ra, epsilon)
            star_errors[i][0].append((moment, difference(angle, ra)))
            star_errors[i][1].append((LEVEL - y) / PIXELS_PER_DEGREE_UP - real_height)

        # The equator: its dots' heights against the real equator, which
        # stands as far from the ecliptic, along the hour circle, as the
        # ecliptic stands from it, at the angle where each dot is drawn.
        for x, y, radius, colour in seen["circles"]:
            if radius == 1 and 0 <= x < 1241:
                ra = scale_angle(seen["chart_angle"], x)
                errors["equator"].append((LEVEL - y) / PIXELS_PER_DEGREE_UP + ecliptic_height(ra, epsilon))

    return moments, errors, (moon_by_half_century, moon_by_leap_cycle), stars, star_errors, unknown


# The true-sky mode ------------------------------------------------------

CENTRE_X = 640
ZONE_TABLE = "/usr/share/zoneinfo/zone1970.tab"
TRUE_TARGETS = {"time": 0.01, "sun": 0.01, "moon": 0.05, "planet": 0.05, "star": 0.02}
PLANETS = {"Mercury": ephem.Mercury, "Venus": ephem.Venus, "Mars": ephem.Mars, "Jupiter": ephem.Jupiter,
           "Saturn": ephem.Saturn}


def zones():
    with open(ZONE_TABLE) as table:
        return [line.split("\t")[2].strip() for line in table if line.strip() and not line.startswith("#")]


def true_moment(rng, zone_names, span, start):
    """A random moment (UTC), place and zone; the local time the program is
    given and the UTC it stands for (a local time that comes twice is read
    the first time, as the program reads it)."""
    utc = start + datetime.timedelta(seconds=rng.randrange(span))
    zone = rng.choice(zone_names)
    latitude = math.degrees(math.asin(rng.uniform(-1, 1)))  # evenly over the sphere
    latitude = max(-89.9, min(89.9, latitude))
    longitude = rng.uniform(-180, 180)
    local = utc.replace(tzinfo=datetime.timezone.utc).astimezone(zoneinfo.ZoneInfo(zone)).replace(tzinfo=None)
    first = local.replace(tzinfo=zoneinfo.ZoneInfo(zone), fold=0).astimezone(datetime.timezone.utc)
    return local, first.replace(tzinfo=None), zone, latitude, longitude


def run_true(program, case):
    local, _, zone, latitude, longitude = case
    arguments = [program, "--sky", "true", "--place", f"{latitude:.6f},{longitude:.6f}",
                 "--at", local.strftime("%Y-%m-%d %H:%M:%S"), "--positions", "-"]
    done = subprocess.run(arguments, capture_output=True, text=True, check=True, env={**os.environ, "TZ": zone})
    rows = [line.split("\t") for line in done.stdout.splitlines()[1:]]
    return rows


def measure_true(program, count, seed, workers):
    rng = random.Random(seed)
    start = datetime.datetime(1900, 1, 1)
    span = int((datetime.datetime(2101, 1, 1) - start).total_seconds())
    zone_names = zones()
    cases = [true_moment(rng, zone_names, span, start) for _ in range(count)]
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        tables = list(pool.map(lambda case: run_true(program, case), cases))

    stars = [real_star(name, star) for _, _, name, star in STARS]
    errors = {kind: [] for kind in TRUE_TARGETS}
    worst = {kind: (0, None) for kind in TRUE_TARGETS}
    pixels = {"x": [], "y": []}
    worst_pixel = (0, None)
    for (local, utc, zone, latitude, longitude), rows in zip(cases, tables):
        observer = ephem.Observer()
        observer.lat, observer.lon = str(latitude), str(longitude)
        observer.elevation, observer.pressure = 0, 0
        observer.date = observer.epoch = ephem.Date(utc)
        sidereal_time = math.degrees(observer.sidereal_time())
        epsilon = obliquity(observer.date)
        star_index = 0
        for body, kind, ra, dec, height, x, y in rows:
            if kind == "marker":
                continue
            if kind == "time":
                error = abs(difference(float(ra), sidereal_time))
                errors["time"].append(error)
                if error > worst["time"][0]:
                    worst["time"] = (error, f"{utc} at {latitude:.2f}, {longitude:.2f}")
                continue
            if kind == "sun":
                real = ephem.Sun()
            elif kind == "moon":
                real = ephem.Moon()
            elif kind == "planet":
                real = PLANETS[body]()
            else:
                real = stars[star_index]
                star_index += 1
            real.compute(observer)
            real_ra, real_dec = math.degrees(real.ra), math.degrees(real.dec)
            error = max(abs(difference(float(ra), real_ra)), abs(float(dec) - real_dec))
            errors[kind].append(error)
            if error > worst[kind][0]:
                worst[kind] = (error, f"{body}, {utc} UTC at {latitude:.2f}, {longitude:.2f}")
            if x:
                want_x = CENTRE_X + PIXELS_PER_DEGREE_ALONG * difference(sidereal_time, real_ra)
                want_y = LEVEL - PIXELS_PER_DEGREE_UP * (real_dec - ecliptic_height(real_ra, epsilon))
                pixels["x"].append(int(x) - want_x)
                pixels["y"].append(int(y) - want_y)
                off = max(abs(int(x) - want_x), abs(int(y) - want_y))
                if off > worst_pixel[0]:
                    worst_pixel = (off, f"{body}, {utc} UTC at {latitude:.2f}, {longitude:.2f}")
    return cases, errors, worst, pixels, worst_pixel


def report_true(program, count, seed, workers):
    cases, errors, worst, pixels, worst_pixel = measure_true(program, count, seed, workers)
    print(f"The true sky against the ephemeris (PyEphem {ephem.__version__}): {len(cases)} random moments from 1900 "
          f"to 2100, places and time zones, seed {seed}.")
    print("Apparent topocentric places of date, no refraction. Differences in degrees (the larger of right")
    print("ascension and declination), sizes: mean, RMS, 95th percentile, largest, and (how many values).")
    print()
    print(f"{'':28}{'mean':>7} {'RMS':>7} {'p95':>7} {'max':>7}            target")
    labels = {"time": "local sidereal time", "sun": "sun", "moon": "moon", "planet": "planets", "star": "stars"}
    failed = False
    for kind, label in labels.items():
        sizes = errors[kind]
        print(f"{label:28}{summary(sizes, 4)}   {TRUE_TARGETS[kind]:6.2f}")
        failed |= bool(sizes) and max(sizes) > TRUE_TARGETS[kind]
    print()
    for kind, label in labels.items():
        print(f"largest {label}: {worst[kind][0]:.4f} ({worst[kind][1]})")
    print()
    print("Figures in view, pixels, the table's x and y against where the ephemeris's places put them")
    print("(the centre marker at its sidereal time, 16 pixels a degree along, 4.6 up):")
    print(f"{'  x':28}{summary(pixels['x'])}")
    print(f"{'  y':28}{summary(pixels['y'])}")
    print(f"largest: {worst_pixel[0]:.2f} pixels ({worst_pixel[1]})")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", help="the pelmora executable (default: build/release/pelmora, built first)")
    parser.add_argument("--moments", type=int, default=4000, help="how many random moments (default 4000)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the moments (default 1)")
    parser.add_argument("--sky", choices=("design", "true"), default="design",
                        help="the chart as designed (default) or the true sky for random places")
    arguments = parser.parse_args()
    if arguments.moments < 1:
        parser.error("--moments must be at least 1")

    program = arguments.program
    if program is None:
        build = os.path.join(ROOT, "build", "release")
        for step in (["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DPELMORA_TESTS=OFF"],
                     ["cmake", "--build", build, "-j2", "--target", "pelmora"]):
            try:
                built = subprocess.run(step, capture_output=True, text=True)
            except OSError as problem:
                sys.exit(f"real_sky: cannot build: {problem}")
            if built.returncode != 0:
                sys.exit(f"real_sky: the build failed:\n{built.stdout}{built.stderr}")
        program = os.path.join(build, "pelmora")
    if not os.access(program, os.X_OK):
        sys.exit(f"real_sky: cannot run {program}")

    if arguments.sky == "true":
        try:
            return report_true(program, arguments.moments, arguments.seed, os.cpu_count() or 2)
        except subprocess.CalledProcessError as failure:
            sys.exit(f"real_sky: the program failed: {' '.join(failure.cmd)}\n{failure.stderr}")

    try:
        moments, errors, (by_half_century, by_leap_cycle), stars, star_errors, unknown = measure(
            program, arguments.moments, arguments.seed, os.cpu_count() or 2)
    except subprocess.CalledProcessError as failure:
        sys.exit(f"real_sky: the program failed: {' '.join(failure.cmd)}\n{failure.stderr}")
    except RuntimeError as problem:
        sys.exit(f"real_sky: {problem}")

    print(f"The chart against the ephemeris (PyEphem {ephem.__version__}): {len(moments)} random moments "
          f"from 1900 to 2100, seed {arguments.seed}.")
    print("The program's clock is read as universal time (UT) at longitude 0; the real places are geocentric,")
    print("of date. Errors in degrees, chart minus sky: the signed mean, then RMS, 95th percentile and largest")
    print("of their sizes, and (how many values).")
    print()
    print(f"{'':52}{'mean':>7} {'RMS':>7} {'p95':>7} {'max':>7}")
    rows = [
        ("moon: \"lunar\" against its ecliptic longitude", "moon"),
        ("moon: \"lunar\" against its right ascension", "moon_ra"),
        ("moon: phase shown by the marker's height (1)", "phase"),
        ("moon: the marker's height against its real one (2)", "moon_height"),
        ("sun: \"solar\" against its right ascension", "sun_ra"),
        ("sun: \"solar\" against its ecliptic longitude", "sun_lon"),
        ("centre marker: \"local\" against sidereal time", "local"),
    ]
    for label, key in rows:
        print(f"{label:52}{summary(errors[key])}")
    all_angles = [e for i in star_errors for _, e in star_errors[i][0]]
    all_heights = [e for i in star_errors for e in star_errors[i][1]]
    print(f"{'stars: angle against right ascension':52}{summary(all_angles)}")
    print(f"{'stars: height against the real one (2)':52}{summary(all_heights)}")
    print(f"{'equator curve: height of its dots (3)':52}{summary(errors['equator'])}")
    print()
    print("moon: \"lunar\" against its longitude, by half century")
    for start in sorted(by_half_century):
        print(f"  {start} to {start + 49 if start < 2050 else 2100}{'':37}{summary(by_half_century[start])}")
    print("moon: \"lunar\" against its longitude, by the year's place in the cycle of leap years")
    for place in sorted(by_leap_cycle):
        print(f"  {f'years 4n+{place}':50}{summary(by_leap_cycle[place])}")
    print()
    print("(1) The marker's height is a sine of the phase, rounded to whole pixels: the phase is read back only")
    print("    where it is within 60 degrees of a quarter moon, where a pixel is at most 2.3 degrees of phase.")
    print("    The real phase is the moon's elongation from the sun plus 270 degrees: 270 at new moon, where the")
    print("    marker is lowest, 90 at full moon, where it is highest.")
    print("(2) The height of the moon or a star is its angle from the ecliptic along its hour circle, as the")
    print("    chart draws the stars. The moon's marker swings with the phase, not with the moon's latitude.")
    print("(3) At the scale angle where each dot is drawn; the real equator is as far from the ecliptic, along")
    print("    the hour circle, as the ecliptic is from the equator.")
    print()
    print(f"{'star':26}{'chart':>10}{'angle error':>22}{'height error':>22}")
    print(f"{'':26}{'angle height':>14}{'mean':>10}{'range':>14}{'mean':>8}{'range':>14}")
    for i, (angle, y, height, name, _) in enumerate(stars):
        angle_errors = [e for _, e in star_errors[i][0]]
        if not angle_errors:
            print(f"{name:26}{angle:6}{height:7}   never in view")
            continue
        heights = star_errors[i][1]
        print(f"{name:26}{angle:6}{height:7}{sum(angle_errors) / len(angle_errors):10.2f}"
              f"{min(angle_errors):7.2f}..{max(angle_errors):5.2f}{sum(heights) / len(heights):8.2f}"
              f"{min(heights):7.2f}..{max(heights):5.2f}")
    if unknown:
        print(f"\nstars drawn that the table above lacks (angle, y): {sorted(unknown)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
