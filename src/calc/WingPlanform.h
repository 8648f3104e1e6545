// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs of one half-wing as numbers, after parsing: up to five trapezoid panels from the
// root outwards. Lengths are millimetres, mass grams.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kPanelCount = 5;

using PanelValues = std::array<double, kPanelCount>;

struct WingPlanform {
    PanelValues rootChord{};
    PanelValues tipChord{};
    PanelValues panelLength{};
    PanelValues sweepOffset{}; // absolute: from the root leading edge, positive aft
    double balancePercent = 0;
    double massGrams = 0;
    std::int16_t lastPanel = 0;
};
