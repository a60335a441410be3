#!/usr/bin/python3
"""Makes the reference tables that Check figures compares the grid and Sun pages with.

    /usr/bin/python3 tools/references.py

Run by hand, never at build time. Installs Debian's proj-bin (cs2cs) and python3-ephem when
they are missing, draws seeded random cases and writes resources/references/*.csv, each
headed by the tool and its version, the command, the seed and the date the tables were made.
With the same seed and tool versions it writes the same bytes again.
"""
import calendar
import math
import pathlib
import random
import subprocess
import sys
from decimal import Decimal, ROUND_HALF_EVEN

SEED = 20261210
MADE = "2026-12-10"  # when the committed tables were made; a rerun reproduces them
CASES = 250
HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent / "resources" / "references"

# Great Britain, as the page's grid squares cover it.
LATITUDES = (49.9, 60.9)
LONGITUDES = (-8.2, 1.8)
# The 100 km squares the pages know (the land of Great Britain), by their letters.
SQUARES = {
    "SW", "SX", "SY", "SZ", "TV", "TW", "SR", "SS", "ST", "SU", "TQ", "TR", "SM", "SN", "SO",
    "SP", "TL", "TM", "SG", "SH", "SJ", "SK", "TF", "TG", "SB", "SC", "SD", "SE", "TA", "NW",
    "NX", "NY", "NZ", "NR", "NS", "NT", "NU", "NM", "NN", "NO", "NP", "NG", "NH", "NJ", "NK",
    "NB", "NC", "ND",
}
FORWARD = ["cs2cs", "-f", "%.4f", "EPSG:4277", "EPSG:27700"]
INVERSE = ["cs2cs", "-f", "%.10f", "EPSG:27700", "EPSG:4277"]


def install_missing():
    missing = [p for p in ("proj-bin", "python3-ephem")
               if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True,
                                 text=True).stdout != "install ok installed"]
    if missing:
        sudo = [] if subprocess.run(["id", "-u"], capture_output=True, text=True).stdout.strip() == "0" else ["sudo"]
        subprocess.run(sudo + ["apt-get", "install", "-y", "-qq"] + missing, check=True)


def letters(easting, northing):
    """The two letters of the 100 km square holding a point (the grid's own lettering)."""
    e, n = easting // 100000, northing // 100000
    first = 19 - n - (19 - n) % 5 + (e + 10) // 5
    second = (19 - n) * 5 % 25 + e % 5
    alphabet = "ABCDEFGHJKLMNOPQRSTUVWXYZ"  # no I
    return alphabet[first] + alphabet[second]


def cs2cs(command, rows):
    text = "".join(f"{a} {b}\n" for a, b in rows)
    out = subprocess.run(command, input=text, capture_output=True, text=True, check=True).stdout
    return [line.split()[:2] for line in out.splitlines()]


def sexagesimal(rng, low, high):
    """A random angle from low to high degrees, as whole degrees, whole minutes and seconds
    to four decimals, and the same angle in decimal degrees to twelve decimals."""
    ten_thousandths = rng.randrange(int(low * 36000000), int(high * 36000000))
    size = abs(ten_thousandths)
    degrees, rest = divmod(size, 36000000)
    minutes, seconds = divmod(rest, 600000)
    decimal = (Decimal(ten_thousandths) / Decimal(36000000)).quantize(
        Decimal("1e-12"), rounding=ROUND_HALF_EVEN)
    return (str(degrees), str(minutes), f"{seconds // 10000}.{seconds % 10000:04d}"), str(decimal)


def header(title, tool, command, columns):
    return "".join(f"# {line}\n" for line in (
        title, f"tool: {tool}", f"command: {command}", f"seed: {SEED}", f"made: {MADE}")) + columns + "\n"


def proj_version():
    return subprocess.run(["cs2cs"], capture_output=True, text=True).stderr.split(",")[0].split()[-1]


def grid_forward(rng):
    points = []
    while len(points) < CASES:
        latitude = sexagesimal(rng, *LATITUDES)
        longitude = sexagesimal(rng, *LONGITUDES)
        (easting, northing), = cs2cs(FORWARD, [(latitude[1], longitude[1])])
        e, n = float(easting), float(northing)
        if 0 <= e < 700000 and 0 <= n < 1000000 and letters(int(e), int(n)) in SQUARES:
            points.append((latitude, longitude, easting, northing))
    rows = []
    for (lat_dms, lat), (lon_dms, lon), easting, northing in points:
        side = "W" if lon.startswith("-") else "E"
        rows.append(",".join([*lat_dms, *lon_dms, side, lat, lon,
                              easting, northing]))
    return header("Latitude and longitude (OSGB36, EPSG:4277) to National Grid (EPSG:27700)",
                  f"PROJ cs2cs {proj_version()}", " ".join(FORWARD) + "  (latitude longitude)",
                  "lat_deg,lat_min,lat_sec,lon_deg,lon_min,lon_sec,lon_side,latitude,longitude,"
                  "easting,northing") + "".join(row + "\n" for row in rows)


def grid_inverse(rng):
    points = []
    while len(points) < CASES:
        e, n = rng.randrange(0, 700000), rng.randrange(0, 1000000)
        if letters(e, n) in SQUARES:
            points.append((e, n))
    results = cs2cs(INVERSE, points)
    rows = [f"{e},{n},{letters(e, n)},{lat},{lon}" for (e, n), (lat, lon) in zip(points, results)]
    return header("National Grid (EPSG:27700) to latitude and longitude (OSGB36, EPSG:4277)",
                  f"PROJ cs2cs {proj_version()}", " ".join(INVERSE) + "  (easting northing)",
                  "easting,northing,letters,latitude,longitude") + "".join(r + "\n" for r in rows)


def sun(rng):
    import ephem
    rows = []
    for _ in range(CASES):
        year, month = rng.randrange(1950, 2051), rng.randrange(1, 13)
        day = rng.randrange(1, calendar.monthrange(year, month)[1] + 1)
        hour, minute = rng.randrange(0, 24), rng.randrange(0, 60)
        lat = rng.randrange(int(LATITUDES[0] * 60), int(LATITUDES[1] * 60))  # whole minutes
        lon = rng.randrange(int(LONGITUDES[0] * 60), int(LONGITUDES[1] * 60))
        observer = ephem.Observer()
        observer.lat, observer.lon = math.radians(lat / 60), math.radians(lon / 60)
        observer.elevation, observer.pressure = 0, 0  # no refraction
        observer.date = ephem.Date((year, month, day, hour, minute, 0))
        body = ephem.Sun(observer)
        rows.append(f"{year},{month},{day},{hour},{minute},{lat // 60},{lat % 60},N,"
                    f"{abs(lon) // 60},{abs(lon) % 60},{'W' if lon < 0 else 'E'},"
                    f"{math.degrees(body.alt):.6f},{math.degrees(body.az):.6f}")
    return header("The Sun's altitude and azimuth (apparent geometric centre, no refraction)",
                  f"PyEphem {ephem.__version__}",
                  "ephem.Sun(observer) with observer.pressure = 0, observer.elevation = 0",
                  "year,month,day,hour,minute,lat_deg,lat_min,lat_side,lon_deg,lon_min,"
                  "lon_side,altitude,azimuth") + "".join(r + "\n" for r in rows)


def main():
    install_missing()
    OUT.mkdir(parents=True, exist_ok=True)
    rng = random.Random(SEED)
    for name, make in (("grid_forward", grid_forward), ("grid_inverse", grid_inverse),
                       ("sun", sun)):
        (OUT / f"{name}.csv").write_text(make(rng))
        print(f"wrote {OUT / name}.csv")


if __name__ == "__main__":
    sys.exit(main())
