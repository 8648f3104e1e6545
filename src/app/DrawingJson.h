// SPDX-License-Identifier: GPL-3.0-or-later
// The preview and the printed sheet of an opened wing as JSON: every line and text exactly as
// handed to the canvas, so a script can check the drawing without looking at pixels.
#pragma once

#include "draw/RecordingCanvas.h"
#include "session/WingSession.h"

#include <nlohmann/json.hpp>

// {"scale": s, "lines": [...]} or {"skipped": "why"}.
nlohmann::ordered_json previewJson(const WingPlanform& planform, const WingResults& results);

// What the printed sheet needs from the platform: font metrics and today's date as the locale
// writes it.
struct SheetContext {
    TextMetrics metrics = fakeTextMetrics();
    std::string date;
};

// {"denominator", "sheetScale", "lines", "texts"}, or {"failed": "why"}.
nlohmann::ordered_json sheetJson(const WingSession& session, const std::string& title,
                                 const SheetContext& context);
