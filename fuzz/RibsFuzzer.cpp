// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the .ribs reader and the rib geometry on any bytes: a definition that loads writes and
// loads again unchanged, every rib of a test wing lies within its chord and its section's depth
// (its jig tabs' height added), finite, with problems that match what is left of it, and nested
// on a sheet every rib lies within the sheet's margins.
#include "FuzzCheck.h"
#include "base/TextEncoding.h"
#include "calc/CalculateWing.h"
#include "files/RibsFile.h"
#include "ribs/CalculateRibs.h"
#include "ribs/RibSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

// Two panels, swept and tapered, so ribs meet a joint, a blend and a sweep.
const WingPlanform& testPlanform() {
    static const WingPlanform planform = [] {
        WingFields fields = clearedFields();
        fields.rootChord[0] = "250";
        setTipChord(fields, 0, "200");
        fields.panelLength[0] = "300";
        fields.sweepOffset[0] = "30";
        setTipChord(fields, 1, "120");
        fields.panelLength[1] = "200";
        fields.sweepOffset[1] = "110";
        WingPlanform calculated;
        WingResults results;
        require(calculateWing(fields, ".", calculated, results).outcome == CalcOutcome::Ok,
                "the test wing calculates");
        return calculated;
    }();
    return planform;
}

bool finite(const Polygons& outlines) {
    return std::ranges::all_of(outlines, [](const Polygon& outline) {
        return std::ranges::all_of(
            outline, [](Point2D p) { return std::isfinite(p.x) && std::isfinite(p.y); });
    });
}

// jigHeight: the shortest tab's, when the ribs stand on tabs.
void checkRib(const Rib& rib, double jigHeight) {
    require(finite(rib.outlines), "a rib's corners are finite");
    require(rib.area >= -1e-6 && std::isfinite(rib.maxThickness),
            "a rib's area and thickness are numbers, the area not negative");
    const bool nothingLeft =
        std::ranges::count(rib.problems, RibProblem{RibProblemKind::NothingLeft});
    require(!nothingLeft || rib.outlines.empty(), "a rib the cuts leave nothing of has no outline");
    if (rib.outlines.empty())
        return;
    const Box2D box = boundsOf(rib.outlines);
    // The section reaches no further than its chord, and an airfoil of chord 1 is far less deep.
    require(box.minX >= -1e-3 && box.maxX <= rib.chord + 1e-3, "a rib lies within its chord");
    // Tabs reach past the deepest rib by their height, and by as much as a twist of 45° lifts a
    // chord of the test wing.
    const double tabs = rib.jigTabs.empty() ? 0 : jigHeight + 250;
    require(box.maxY - box.minY <= 2 * rib.chord + tabs,
            "a rib is no deeper than its chord allows");
}

// Nested on a sheet, every part lies on it, 5 mm in from its edges.
void checkNesting(const std::vector<Rib>& ribs) {
    const std::vector<Polygons> footprints = footprintsOf(ribParts(ribs, RibPartUse::Cutter));
    const NestingSheet sheet{600, 300, 5};
    const Nesting nesting = nestParts(footprints, sheet);
    for (std::size_t i = 0; i < ribs.size(); ++i) {
        const NestedPart& part = nesting.parts[i];
        if (part.sheet < 0)
            continue;
        require(part.sheet < nesting.sheets, "a part's sheet is one of the sheets");
        for (const Polygon& outline : footprints[i]) {
            for (const Point2D p : outline) {
                const auto [x, y] = placedPoint(p, part.placement);
                require(x >= sheet.gap - 1e-3 && x <= sheet.width - sheet.gap + 1e-3 &&
                            y >= sheet.gap - 1e-3 && y <= sheet.height - sheet.gap + 1e-3,
                        "a nested part lies within its sheet's margins");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RibsFileRead read = readRibsFileText(decodeText(bytes));
    if (read.state != RibsFileState::Loaded)
        return 0;
    const RibsFileRead again = readRibsFileText(ribsFileText(read.definition));
    require(again.state == RibsFileState::Loaded, "written rib data read back");
    require(again.definition == read.definition, "rib data write and read back unchanged");

    // A spacing below 20 mm only makes more of the same ribs, slowly.
    RibsDefinition definition = read.definition;
    definition.settings.spacing = std::max(definition.settings.spacing, 20.0);
    const RibsReport report = calculateRibs(testPlanform(), definition);
    for (const Rib& rib : report.ribs)
        checkRib(rib, definition.settings.jig.height);
    checkNesting(report.ribs);
    return 0;
}
