// SPDX-License-Identifier: GPL-3.0-or-later
// An airfoil as a smooth curve, sampled at chordwise stations: the upper and lower surface's
// height at each station, so two sections can be blended station by station.
#pragma once

#include "geometry/SmoothCurve.h"
#include "ribs/Airfoil.h"

#include <vector>

// The stations of each surface, in chords from 0 at the leading edge to 1.
struct ChordStations {
    std::vector<double> upper;
    std::vector<double> lower;
};

// The surfaces' heights at the stations, in chords.
struct SectionOrdinates {
    std::vector<double> upper;
    std::vector<double> lower;
};

class SmoothAirfoil {
public:
    explicit SmoothAirfoil(const Airfoil& airfoil);

    const Airfoil& airfoil() const { return airfoil_; }
    const SmoothCurve& curve() const { return curve_; }

    // Heights on the smooth curve; a station beyond a surface's end takes that end's height.
    SectionOrdinates ordinatesAt(const ChordStations& stations) const;

private:
    std::vector<double> heightsAt(const std::vector<double>& stations, bool upper) const;

    Airfoil airfoil_;
    SmoothCurve curve_;
    std::size_t leadingEdge_;
};

// Cosine spacing (dense at both edges) joined with the x of the points of the sections given on
// each surface, so a section blended wholly to one of them passes through its file's points.
// A generated section needs none: cosine spacing follows its formula closely enough.
ChordStations chordStations(const std::vector<const Airfoil*>& keepPointsOf);

// Heights blended linearly: 0 gives a, 1 gives b.
SectionOrdinates blendOrdinates(const SectionOrdinates& a, const SectionOrdinates& b, double blend);

// The part of a section between two stations, in chords.
struct ChordRange {
    double from = 0;
    double to = 1;
};

// The closed outline, Selig order without repeating a closed trailing edge, scaled to the chord;
// only its part within the range, closed there by a straight cut, as a polygon cut by a box is.
Polygon sectionOutline(const ChordStations& stations, const SectionOrdinates& ordinates,
                       double chord, ChordRange range = {});
