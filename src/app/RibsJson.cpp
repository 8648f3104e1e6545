// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RibsJson.h"

#include "i18n/TextKeys.h"
#include "ribs/RibSheet.h"
#include "session/RibsMessages.h"

namespace {

using Json = nlohmann::ordered_json;

std::string_view problemName(RibProblemKind kind) {
    switch (kind) {
    case RibProblemKind::SheetingTooThick:
        return "SheetingTooThick";
    case RibProblemKind::NotchTooDeep:
        return "NotchTooDeep";
    case RibProblemKind::NotchOutsideRib:
        return "NotchOutsideRib";
    case RibProblemKind::JigTabOutsideRib:
        return "JigTabOutsideRib";
    case RibProblemKind::NothingLeft:
        break;
    }
    return "NothingLeft";
}

// Each problem by its stable name, the spar of a notch (the tab of a jig tab's) from 1, and the
// window's words for it.
Json problemsJson(const Rib& rib, const TextLookup& text) {
    Json problems = Json::array();
    for (const RibProblem& problem : rib.problems) {
        Json entry = {{"kind", problemName(problem.kind)}};
        if (problem.spar >= 0)
            entry[problem.kind == RibProblemKind::JigTabOutsideRib ? "tab" : "spar"] =
                problem.spar + 1;
        entry["message"] = ribProblemsText({problem}, text);
        problems.push_back(std::move(entry));
    }
    return problems;
}

Json ribJson(const Rib& rib, Point2D placement, const TextLookup& text) {
    return {{"panel", rib.panel + 1},
            {"index", rib.number},
            {"label", rib.label},
            {"station", rib.station},
            {"chord", rib.chord},
            {"leadingEdgeX", rib.leadingEdgeX},
            {"twist", rib.twist},
            {"inner", rib.innerAirfoil},
            {"outer", rib.outerAirfoil},
            {"blend", rib.blend},
            {"placement", {placement.x, placement.y}},
            {"area", rib.area},
            {"maxThickness", rib.maxThickness},
            {"problems", problemsJson(rib, text)}};
}

} // namespace

std::optional<Json> ribsJson(const OpenedWing& wing) {
    const TextLookup& text = wing.session.text();
    if (wing.outcome.ribsProblem)
        return Json{{"error", ribsFileMessage(*wing.outcome.ribsProblem, kRibsReadMessage, text)}};
    if (wing.outcome.fileError || !wing.session.ribs().exists())
        return std::nullopt;
    const RibsReport report = wing.session.calculateRibs();
    if (report.outcome != RibsOutcome::Ok)
        return Json{{"error", ribsMessage(report, text)}};
    const std::vector<Point2D> placements = ribSheetPlacements(report.ribs);
    Json ribs = Json::array();
    for (std::size_t i = 0; i < report.ribs.size(); ++i)
        ribs.push_back(ribJson(report.ribs[i], placements[i], text));
    return ribs;
}
