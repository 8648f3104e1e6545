// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DrawingJson.h"

#include "draw/DrawPreview.h"
#include "draw/DrawSheet.h"
#include "draw/HexColour.h"

namespace {

using Json = nlohmann::ordered_json;

Json linesJson(const std::vector<RecordedLine>& lines) {
    Json json = Json::array();
    for (const RecordedLine& line : lines)
        json.push_back({{"from", {line.from.x, line.from.y}},
                        {"to", {line.to.x, line.to.y}},
                        {"colour", hexColour(line.colour)},
                        {"style", line.style == LineStyle::Solid ? "solid" : "dashdotdot"}});
    return json;
}

Json textsJson(const std::vector<RecordedText>& texts) {
    Json json = Json::array();
    for (const RecordedText& text : texts)
        json.push_back({{"x", text.x},
                        {"y", text.y},
                        {"text", text.text},
                        {"size", text.size},
                        {"bold", text.bold},
                        {"underline", text.underline},
                        {"colour", hexColour(text.colour)}});
    return json;
}

} // namespace

Json previewJson(const WingPlanform& planform, const WingResults& results) {
    RecordingCanvas canvas;
    const PreviewOutcome outcome = drawPreview(planform, results, canvas);
    if (!outcome.drawn)
        return {{"skipped", outcome.skippedReason}};
    // A whole scale stays an integer member, as it always was.
    const Json scale = outcome.drawScale != 0 ? Json(outcome.drawScale) : Json(outcome.scale);
    return {{"scale", scale}, {"lines", linesJson(canvas.lines())}};
}

Json sheetJson(const WingSession& session, const std::string& title, const SheetContext& context) {
    RecordingCanvas canvas(context.metrics);
    // The drawing members stay what they always were; the numbers are in "stability".
    SheetInputs inputs = session.sheetInputs(title, context.date);
    inputs.stability.reset();
    const SheetOutcome outcome = drawSheet(session.planform(), session.results(), inputs, canvas);
    if (!outcome.printed)
        return {{"failed", outcome.failure}};
    return {{"denominator", outcome.denominator},
            {"sheetScale", outcome.sheetScale},
            {"lines", linesJson(canvas.lines())},
            {"texts", textsJson(canvas.texts())}};
}
