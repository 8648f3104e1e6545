// SPDX-License-Identifier: GPL-3.0-or-later
// The neutral point on the preview: a short solid green tick across the mean-chord line, so the
// modeller sees how far the blue balance mark lies ahead of it.
#pragma once

#include "draw/PlanformFigure.h"

#include <optional>

inline constexpr Rgb kGreen{0, 160, 0}; // darker than pure green, which fades on white

// Half the tick's length in twips: shorter than the balance mark, so neither hides the other.
inline constexpr double kNeutralPointTickHalfLength = 120;

// The tick at neutralPointX mm behind the root leading edge, on the mean-chord station of the
// figure drawn from wingRoot at scale; nothing when a coordinate does not fit the canvas.
std::optional<MarkStroke> neutralPointTick(const WingPlanform& planform, const WingResults& results,
                                           RootTrailingPoint wingRoot, double scale,
                                           double neutralPointX);
