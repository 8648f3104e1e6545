// SPDX-License-Identifier: GPL-3.0-or-later
// The screen preview: the half-wing drawn to one integer scale of twips per millimetre, centred
// in the preview area, with the mean-chord station, the balance point and the root reference.
#pragma once

#include "calc/WingResults.h"
#include "draw/PlanformCanvas.h"
#include "ribs/CalculateRibs.h"

#include <cstdint>
#include <optional>
#include <string>

// The preview area in twips: 537 by 153 pixels at 15 twips per pixel.
inline constexpr float kPreviewWidthTwips = 8055;
inline constexpr float kPreviewHeightTwips = 2295;

struct PreviewOutcome {
    bool drawn = false;
    std::int16_t drawScale = 0; // whole twips per millimetre; 0 when the scale is not whole
    std::string skippedReason;  // why nothing was drawn, empty when drawn
    double scale = 0;           // the twips per millimetre drawn at, whole or not
};

// Clears the canvas, then draws a grey line across the chord at each rib station, panels
// 0..lastPanel over them and the five marks, and last the neutral point (mm behind the root
// leading edge) when there is one. A wing that gives no whole scale from 1 to 32767 is drawn at
// the exact one. When no scale or a coordinate can be formed the canvas is left blank and the
// outcome says why.
PreviewOutcome drawPreview(const WingPlanform& planform, const WingResults& results,
                           PlanformCanvas& canvas,
                           std::optional<double> neutralPointX = std::nullopt,
                           const std::vector<RibStation>& ribs = {});
