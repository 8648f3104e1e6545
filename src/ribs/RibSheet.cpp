// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/RibSheet.h"

#include "geometry/Offset.h"

namespace {

// A spar's centre across the rib, where the notch lies: from one surface to the other.
std::optional<PartMark> sparCentre(const Rib& rib, const RibNotch& notch) {
    const std::optional<VerticalSpan> span = verticalSpanAt(rib.outlines, notch.x);
    if (!span)
        return std::nullopt;
    return PartMark{{notch.x, span->bottom}, {notch.x, span->top}};
}

// Keeps the label's middle where it was.
Rib labelledAs(Rib rib, const std::string& side) {
    const double before = estimatedTextWidth(rib.label, rib.labelHeight);
    const std::size_t gap = rib.label.find("  ");
    rib.label.insert(gap == std::string::npos ? rib.label.size() : gap, " " + side);
    rib.labelAt.x -= (estimatedTextWidth(rib.label, rib.labelHeight) - before) / 2;
    return rib;
}

CutPart ribPart(const Rib& rib, RibPartUse use, double kerf) {
    CutPart part;
    part.name = rib.label;
    part.outlines = grownBy(rib.outlines, kerf / 2);
    for (const JigTab& tab : rib.jigTabs)
        part.marks.push_back({tab.cutLine[0], tab.cutLine[1]});
    if (use == RibPartUse::Paper) {
        for (const RibNotch& notch : rib.notches) {
            if (const std::optional<PartMark> centre = sparCentre(rib, notch))
                part.marks.push_back(*centre);
        }
    }
    part.texts.push_back({rib.labelAt, rib.labelHeight, rib.label});
    return part;
}

} // namespace

std::vector<CutPart> ribParts(const std::vector<Rib>& ribs, RibPartUse use, double kerf) {
    std::vector<CutPart> parts;
    parts.reserve(ribs.size());
    for (const Rib& rib : ribs)
        parts.push_back(ribPart(rib, use, kerf));
    return parts;
}

std::vector<Point2D> ribSheetPlacements(const std::vector<Rib>& ribs) {
    std::vector<Point2D> placements;
    for (const PartPlacement& placement :
         layoutOneUnderAnother(ribParts(ribs, RibPartUse::Cutter), kRibSheetGap).placements)
        placements.push_back(placement.offset);
    return placements;
}

std::vector<Rib> ribsOfBothHalves(const std::vector<Rib>& ribs) {
    std::vector<Rib> both;
    both.reserve(2 * ribs.size());
    for (const Rib& rib : ribs) {
        both.push_back(labelledAs(rib, "L"));
        both.push_back(labelledAs(rib, "R"));
    }
    return both;
}
