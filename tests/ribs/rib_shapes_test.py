#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The ribs of the real program worked out again outside it, with shapely and ezdxf.

A wing of two panels, sd7003.dat at the root and e374.dat from the joint out, is written twice:
once with plain ribs (no sheeting, stock or spars) and once with them. Read back from the DXF:
  - a plain rib at a station is its airfoil file at the local chord: through every point of the
    file, normalised here by the same rule, and within 0.1 % of the chord of its polyline;
  - a shaped rib at a station is the plain one inset, cut and notched by shapely within 0.01 mm;
  - a plain rib between stations is the blend of the two plain end sections within 0.05 % of
    its chord;
  - the JSON's areas and placements match the drawing, and the ribs lie 10 mm apart.
Exit 77 (skipped) without shapely or ezdxf."""
import json
import math
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from program_checks import check, run, verdict  # noqa: E402

try:
    import ezdxf
    from shapely.geometry import LineString, Point, Polygon, box
except ImportError:
    sys.exit(77)

WING = ("V2M-Please don't Delete ....\r\n250\r\n200\r\n300\r\n20\r\n"
        "200\r\n150\r\n200\r\n60\r\n" + "\r\n" * 12 + "30\r\n1000\r\n")
AIRFOILS = "[Airfoils]\r\nRoot=sd7003.dat\r\nTip1=e374.dat\r\n"
PLAIN = "[Ribs]\r\nSpacing=100\r\n" + AIRFOILS
SHEETING, LE_CUT, TE_CUT = 1.5, 4.0, 25.0
SPARS = [(30.0, 6.0, 3.0, "top"), (55.0, 4.0, 2.0, "both")]
SHAPED = ("[Ribs]\r\nSpacing=100\r\nSheeting=%g\r\nLeadingEdgeCut=%g\r\nTrailingEdgeCut=%g\r\n"
          % (SHEETING, LE_CUT, TE_CUT) +
          "".join("Spar%d=%g,%g,%g,%s\r\n" % ((i + 1,) + s) for i, s in enumerate(SPARS)) +
          AIRFOILS)


def selig_points(path):
    """The file's points: the first run of lines of two numbers after the name line."""
    points = []
    for line in open(path, encoding="latin-1").read().splitlines()[1:]:
        words = line.split()
        try:
            points.append((float(words[0]), float(words[1])))
        except (ValueError, IndexError):
            if points:
                break
    return points


def normalised(points):
    """Leading edge (farthest from the trailing edge's middle) to (0, 0), that middle to (1, 0)."""
    tx = (points[0][0] + points[-1][0]) / 2
    ty = (points[0][1] + points[-1][1]) / 2
    lx, ly = max(points, key=lambda p: math.hypot(p[0] - tx, p[1] - ty))
    chord = math.hypot(tx - lx, ty - ly)
    angle = math.atan2(ty - ly, tx - lx)
    c, s = math.cos(-angle) / chord, math.sin(-angle) / chord
    return [((x - lx) * c - (y - ly) * s, (x - lx) * s + (y - ly) * c) for x, y in points]


def ribs_of(program, folder, name):
    listed = json.loads(run(program, "--calc", "--json", os.path.join(folder, name + ".txt")))
    dxf_path = os.path.join(folder, name + ".dxf")
    run(program, "--ribs-dxf", dxf_path, os.path.join(folder, name + ".txt"))
    document = ezdxf.readfile(dxf_path)
    audit = document.audit()
    check(not audit.has_errors and not audit.has_fixes, name + ": ezdxf's audit finds faults")
    ribs = listed["ribs"]
    for rib in ribs:
        rib["outlines"] = []
    for entity in document.modelspace().query("LWPOLYLINE[layer=='CUT']"):
        check(entity.closed, name + ": an outline is not closed")
        corners = [tuple(p) for p in entity.get_points("xy")]
        centre = sum(p[1] for p in corners) / len(corners)
        rib = min(ribs, key=lambda r: abs(r["placement"][1] - centre))
        dx, dy = rib["placement"]
        rib["outlines"].append(Polygon([(x - dx, y - dy) for x, y in corners]))
    return {(r["panel"], r["index"]): r for r in ribs}


def outline(rib):
    check(len(rib["outlines"]) == 1, "rib %s is in %d pieces" % (rib["label"],
                                                               len(rib["outlines"])))
    return rib["outlines"][0]


def boundary(polygon):
    """The outline as a line: this shapely's Hausdorff distance misreads rings."""
    return LineString(polygon.exterior.coords)


def vertical_span(polygon, x):
    bounds = polygon.bounds
    cut = polygon.intersection(LineString([(x, bounds[1] - 1), (x, bounds[3] + 1)]))
    return cut.bounds[1], cut.bounds[3]


def shaped_by_hand(plain, chord):
    """The plain section inset, cut back at both edges and notched, by shapely alone."""
    inset = plain.buffer(-SHEETING, resolution=256)
    low, high = inset.bounds[1] - 5, inset.bounds[3] + 5
    cuts = [box(-5, low, LE_CUT, high), box(chord - TE_CUT, low, chord + 5, high)]
    for position, width, depth, side in SPARS:
        x = chord * position / 100
        bottom, top = vertical_span(inset, x)
        if side in ("top", "both"):
            cuts.append(box(x - width / 2, top - depth, x + width / 2, high))
        if side in ("bottom", "both"):
            cuts.append(box(x - width / 2, low, x + width / 2, bottom + depth))
    for cut in cuts:
        inset = inset.difference(cut)
    return inset


def main(program, airfoils):
    folder = tempfile.mkdtemp(prefix="wingsheet-ribs-")
    try:
        for name in ("sd7003.dat", "e374.dat"):
            shutil.copy(os.path.join(airfoils, name), folder)
        for name, ribs in (("plain", PLAIN), ("shaped", SHAPED)):
            open(os.path.join(folder, name + ".txt"), "w", newline="").write(WING)
            open(os.path.join(folder, name + ".ribs"), "w", newline="").write(ribs)
        plain = ribs_of(program, folder, "plain")
        shaped = ribs_of(program, folder, "shaped")
    finally:
        shutil.rmtree(folder)
    check(len(plain) == 3 + 2 + 1, "ribs: %d" % len(plain))

    # At a station, the section is the file's: through its points, close to its polyline.
    stations = {(1, 1): "sd7003.dat", (2, 1): "e374.dat", (2, 3): "e374.dat"}
    for key, name in stations.items():
        rib = plain[key]
        chord = rib["chord"]
        points = [(x * chord, y * chord) for x, y in normalised(
            selig_points(os.path.join(airfoils, name)))]
        section = outline(rib)
        farthest = max(boundary(section).distance(Point(p)) for p in points if p[0] <= chord)
        check(farthest < 0.001, "%s: a point of %s lies %.4f mm off it" % (rib["label"], name,
                                                                            farthest))
        deviation = boundary(section).hausdorff_distance(LineString(points))
        check(deviation < 0.001 * chord, "%s: %.3f mm from the polyline of %s" % (
            rib["label"], deviation, name))

    # At a station, the shaped rib is the plain one inset, cut and notched.
    for key in stations:
        expected = shaped_by_hand(outline(plain[key]), plain[key]["chord"])
        got = outline(shaped[key])
        difference = boundary(got).hausdorff_distance(boundary(expected))
        check(difference < 0.01, "%s: %.4f mm from the shape worked out by hand" % (
            shaped[key]["label"], difference))
        check(abs(got.area - shaped[key]["area"]) < 1e-6 * got.area, "%s: area %.3f, JSON %.3f"
              % (shaped[key]["label"], got.area, shaped[key]["area"]))

    # Between stations, the section is the blend of the two ends.
    def span(key, u):
        return vertical_span(outline(plain[key]), u * plain[key]["chord"])

    ends = {(1, 2): ((1, 1), (2, 1)), (1, 3): ((1, 1), (2, 1)), (2, 2): ((2, 1), (2, 3))}
    for key, (inner, outer) in ends.items():
        rib, worst = plain[key], 0
        for u in (i / 50 for i in range(1, 50)):
            a = [v / plain[inner]["chord"] for v in span(inner, u)]
            b = [v / plain[outer]["chord"] for v in span(outer, u)]
            for k, got in enumerate(span(key, u)):
                blended = ((1 - rib["blend"]) * a[k] + rib["blend"] * b[k]) * rib["chord"]
                worst = max(worst, abs(got - blended))
        check(worst < 0.0005 * rib["chord"], "%s: %.4f mm off the blend" % (rib["label"], worst))

    # One under the other, 10 mm apart.
    ordered = sorted(shaped.values(), key=lambda r: -r["placement"][1])
    for upper, lower in zip(ordered, ordered[1:]):
        gap = (min(p.bounds[1] for p in upper["outlines"]) + upper["placement"][1]) - (
            max(p.bounds[3] for p in lower["outlines"]) + lower["placement"][1])
        check(gap >= 10 - 1e-6, "%s and %s only %.3f mm apart" % (upper["label"],
                                                                 lower["label"], gap))
    return verdict()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
