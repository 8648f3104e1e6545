// SPDX-License-Identifier: GPL-3.0-or-later
// The screen preview: the half-wing drawn to one integer scale of twips per millimetre, centred
// in the preview area, with the mean-chord station, the balance point and the root reference.
#pragma once

#include "calc/WingResults.h"
#include "draw/PlanformCanvas.h"

#include <cstdint>
#include <optional>
#include <string>

// The preview area in twips: 537 by 153 pixels at 15 twips per pixel.
inline constexpr float kPreviewWidthTwips = 8055;
inline constexpr float kPreviewHeightTwips = 2295;

struct PreviewOutcome {
    bool drawn = false;
    std::int16_t drawScale = 0; // twips per millimetre; 0 when no scale could be formed
    std::string skippedReason;  // why nothing was drawn, empty when drawn
};

// Clears the canvas, then draws panels 0..lastPanel and the five marks, and last the neutral
// point (mm behind the root leading edge) when there is one. When the scale or a coordinate
// cannot be formed the canvas is left blank and the outcome says why.
PreviewOutcome drawPreview(const WingPlanform& planform, const WingResults& results,
                           PlanformCanvas& canvas,
                           std::optional<double> neutralPointX = std::nullopt);
