#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The ribs of a 60-rib, five-panel wing nested on 600 x 300 mm sheets by the real program,
read back with ezdxf and checked with shapely:
  - the DXF passes ezdxf's audit with nothing to fix, and has a rectangle on SHEET per sheet;
  - every rib (a closed CUT polyline, jig tabs included) lies inside a sheet, 5 mm in from its
    edges, and 5 mm from every other rib: no two intersect;
  - each is the rib of the plain layout, moved or turned half round, grown by half the kerf;
  - each label lies on its rib;
  - it takes no more sheets than 110 % of what a simple shelf packer (written here) needs.
Exit 77 (skipped) without shapely or ezdxf."""
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from program_checks import check, run, verdict  # noqa: E402

try:
    import ezdxf
    from shapely.geometry import Point, Polygon, box
except ImportError:
    sys.exit(77)

SHEET_W, SHEET_H, GAP, KERF = 600.0, 300.0, 5.0, 0.3
# Five panels of 12, 12, 12, 12 and 11 gaps at 20 mm: 60 ribs with the tip's.
PANELS = [(300, 280, 240, 5), (280, 250, 240, 20), (250, 200, 240, 45), (200, 150, 240, 80),
          (150, 90, 220, 120)]  # root and tip chord, length, sweep
WING = ("V2M-Please don't Delete ....\r\n" +
        "".join("%d\r\n%d\r\n%d\r\n%d\r\n" % panel for panel in PANELS) + "30\r\n1000\r\n")
RIBS = ("[Ribs]\r\nSpacing=20\r\nSheeting=1.5\r\nLeadingEdgeCut=5\r\nTrailingEdgeCut=15\r\n"
        "Spar1=25,6,3,top\r\nSpar2=50,3,1.5,both\r\nTwist5=-3\r\nJigTabs=1\r\n"
        "[Airfoils]\r\nRoot=NACA 2412\r\nTip3=NACA 2410\r\n")


def read(path):
    document = ezdxf.readfile(path)
    audit = document.audit()
    check(not audit.has_errors and not audit.has_fixes, path + ": ezdxf's audit finds faults")
    space = document.modelspace()
    cuts = []
    for entity in space.query("LWPOLYLINE[layer=='CUT']"):
        check(entity.closed, "an outline is not closed")
        cuts.append(Polygon(entity.get_points("xy")))
    sheets = [Polygon(e.get_points("xy")) for e in space.query("LWPOLYLINE[layer=='SHEET']")]
    labels = [Point(e.dxf.insert[0], e.dxf.insert[1]) for e in space.query("TEXT[layer=='ENGRAVE']")]
    return cuts, sheets, labels


def shelf_sheets(ribs):
    """Next-fit shelves of bounding boxes, tallest first: the baseline to match."""
    sheets, x, y, shelf = 1, GAP, GAP, 0
    for w, h in sorted(((r.bounds[2] - r.bounds[0], r.bounds[3] - r.bounds[1]) for r in ribs),
                       key=lambda s: -s[1]):
        if x + w + GAP > SHEET_W:
            x, y, shelf = GAP, y + shelf + GAP, 0
        if y + h + GAP > SHEET_H:
            sheets, x, y, shelf = sheets + 1, GAP, GAP, 0
        x, shelf = x + w + GAP, max(shelf, h)
    return sheets


def congruent(a, b):
    """Equal area and extent, either way round: b is a moved or turned half round."""
    wa, ha = a.bounds[2] - a.bounds[0], a.bounds[3] - a.bounds[1]
    wb, hb = b.bounds[2] - b.bounds[0], b.bounds[3] - b.bounds[1]
    return abs(a.area - b.area) < 1e-3 and abs(wa - wb) < 1e-3 and abs(ha - hb) < 1e-3


def main(program):
    folder = tempfile.mkdtemp(prefix="wingsheet-sheets-")
    try:
        wing = os.path.join(folder, "wing.txt")
        open(wing, "w", newline="").write(WING)
        open(os.path.join(folder, "wing.ribs"), "w", newline="").write(RIBS)
        run(program, "--ribs-dxf", os.path.join(folder, "plain.dxf"), wing)
        run(program, "--ribs-dxf", os.path.join(folder, "nested.dxf"), "--nest",
            "%gx%g" % (SHEET_W, SHEET_H), "--kerf", str(KERF), wing)
        plain, _, _ = read(os.path.join(folder, "plain.dxf"))
        cuts, sheets, labels = read(os.path.join(folder, "nested.dxf"))
    finally:
        shutil.rmtree(folder)

    check(len(plain) == 60, "%d ribs, 60 expected" % len(plain))
    check(len(cuts) == len(plain), "%d outlines nested of %d" % (len(cuts), len(plain)))
    for sheet in sheets:
        x0, y0, x1, y1 = sheet.bounds
        check(abs(x1 - x0 - SHEET_W) < 1e-6 and abs(y1 - y0 - SHEET_H) < 1e-6, "a sheet's size")
    inner = [s.buffer(-GAP + 1e-6, join_style=2) for s in sheets]
    for i, cut in enumerate(cuts):
        check(any(s.contains(cut) for s in inner), "rib %d is not 5 mm inside a sheet" % i)
        for other in cuts[i + 1:]:
            check(cut.intersection(other).area == 0, "two ribs overlap")
            check(cut.distance(other) >= GAP - 1e-3, "two ribs %.3f mm apart" %
                  cut.distance(other))
    grown = [p.buffer(KERF / 2, resolution=64) for p in plain]
    unmatched = list(range(len(grown)))
    for cut in cuts:
        match = next((k for k in unmatched if congruent(cut, grown[k]) or
                      abs(cut.area - grown[k].area) < 1e-3 * grown[k].area and
                      abs(cut.length - grown[k].length) < 1e-3 * grown[k].length), None)
        check(match is not None, "a nested rib is none of the plain ribs grown by the kerf")
        if match is not None:
            unmatched.remove(match)
    check(len(labels) == len(cuts), "%d labels for %d ribs" % (len(labels), len(cuts)))
    for label in labels:
        check(any(c.contains(label) for c in cuts), "a label off its rib")
    baseline = shelf_sheets(cuts)
    print("sheets: nested %d, shelf packer %d" % (len(sheets), baseline))
    check(len(sheets) <= 1.1 * baseline, "%d sheets, the shelf packer needs %d" %
          (len(sheets), baseline))
    return verdict()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
