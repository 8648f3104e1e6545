// SPDX-License-Identifier: GPL-3.0-or-later
// The neutral point of a wing with or without a tail, and the balance point for a chosen static
// margin. Lengths are mm from the wing's root leading edge, positive aft; areas as named.
#pragma once

#include "calc/StabilityFields.h"
#include "calc/WingResults.h"

#include <string_view>

enum class StabilityOutcome {
    Ok,
    WingNotCalculated, // the wing has no valid results to start from
    LayoutNotChosen,   // neither a tail nor a flying wing has been chosen yet
    TailPanelError,    // the tail's panels fail the wing's own panel checks
    TailGapInChain,    // an empty tail panel lies between used ones
    TailNegativeValue, // a chord or length of a used tail panel is below zero
    TailValueTooLarge, // a value of the tail too large to calculate with
    DistanceError,     // the tail is not behind the wing's root leading edge
    DistanceTooLarge,  // beyond the size the wing's own values may have
    TailArmError,      // the tail's quarter-chord point is not behind the wing's
    EfficiencyError,   // outside 0.3 to 1.0
    MarginError,       // empty, or outside 0 to 100 %
    ArithmeticFailure, // a value overflowed or turned invalid
};

// The tail as the calculation core sees it: area of both halves in dm², the rest in mm from the
// tail's own root leading edge.
struct TailResults {
    double area = 0;
    double meanChord = 0;
    double meanChordX = 0;
    double aspectRatio = 0;
};

// Without a tail the tail members, the tail arm, the tail volume, the tail's lift slope and the
// efficiency stay 0 and are not used.
struct StabilityResults {
    bool hasTail = false;
    TailResults tail;
    double tailArm = 0;               // wing to tail aerodynamic centre, mm
    bool tailInsideWingChord = false; // the tail's root leading edge lies ahead of the wing's
                                      // root trailing edge, where the method does not hold
    double tailVolume = 0;            // St·l / (Sw·cw)
    double liftSlopeWing = 0;         // per radian
    double liftSlopeTail = 0;         // per radian
    double downwashGradient = 0;      // dε/dα at the tail
    double efficiency = 0;
    double neutralPoint = 0;        // mm behind the wing's root leading edge
    double neutralPointPercent = 0; // % of the mean chord, from its leading edge
    double margin = 0;              // the chosen static margin, %
    double balanceForMargin = 0;    // mm behind the wing's root leading edge
    double balanceForMarginPercent = 0;
    double marginAtBalance = 0; // the margin the wing's own balance percentage gives, %
};

struct StabilityReport {
    StabilityOutcome outcome = StabilityOutcome::Ok;
    StabilityResults results; // valid only after Ok
    // The tail's field to blame: its empty panel for a gap, the negative or too-large value.
    InputField tailField{};
};

// Lift slope per radian of a wing of aspect ratio A whose half-chord line has the slope tanSweep
// (the low-speed DATCOM form with a section slope of 2π·0.95).
double liftSlope(double aspectRatio, double tanSweep);

// The slope of the line joining the half-chord points of the root and of the last tip.
double halfChordSweepTangent(const WingPlanform& planform, const WingResults& results);

// wing and wingResults come from a successful calculateWing; the tail goes through the same
// calculation and its checks. Checks run in the window's order: tail panels, distance,
// efficiency, margin.
StabilityReport calculateStability(const StabilityFields& fields, const WingPlanform& wing,
                                   const WingResults& wingResults,
                                   std::string_view decimalSeparator);
