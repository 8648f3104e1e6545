// What every drawing of a wing record must keep, whatever the record holds: the preview and the
// sheet either draw finite strokes or say why they did not, and a failed sheet stays open.
#pragma once

#include "draw/DrawPlanform.h"
#include "FuzzCheck.h"
#include "draw/PrintSheet.h"
#include "draw/RecordingCanvas.h"

#include <cmath>

inline bool StrokesAreFinite(const RecordingCanvas& canvas) {
    for (const RecordedLine& line : canvas.lines()) {
        if (!std::isfinite(line.from.x) || !std::isfinite(line.from.y) ||
            !std::isfinite(line.to.x) || !std::isfinite(line.to.y))
            return false;
    }
    for (const RecordedText& text : canvas.texts()) {
        if (!std::isfinite(text.x) || !std::isfinite(text.y))
            return false;
    }
    return true;
}

inline void DrawPreviewAndSheet(const WingPlanform& planform, const WingResults& results) {
    RecordingCanvas preview;
    const PreviewOutcome drawing = DrawPlanform(planform, results, preview);
    Require(drawing.drawn == drawing.skippedReason.empty(), "a blank preview says why");
    Require(drawing.drawn || preview.lines().empty(), "a skipped preview stays blank");
    // Four strokes a panel, then the five marks.
    Require(!drawing.drawn || preview.lines().size() == 4u * (planform.lastPanel + 1) + 5,
            "a drawn preview has every stroke");
    Require(StrokesAreFinite(preview), "preview strokes are finite");

    SheetInputs inputs;
    inputs.lookup = [](std::string_view section, std::string_view key) {
        return std::string(section) + "/" + std::string(key);
    };
    inputs.title = "fuzz";
    inputs.date = "01/02/2003";
    RecordingCanvas sheet;
    const SheetOutcome printed = PrintSheet(planform, results, inputs, sheet);
    Require(printed.printed == printed.failure.empty(), "a failed sheet says why");
    Require(printed.printed == sheet.documentEnded(), "only a whole sheet ends the document");
    Require(StrokesAreFinite(sheet), "sheet strokes and texts are finite");
}
