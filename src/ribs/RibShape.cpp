// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/RibShape.h"

#include "geometry/Offset.h"
#include "ribs/CutLayout.h"

#include <algorithm>

namespace {

// A rib that stops short of a cut line by more than this does not reach it.
constexpr double kReachTolerance = 0.01;
// Cut boxes reach this far past the rib, so their own edges never touch it.
constexpr double kClearance = 1;
// The label's capital height: a third of the rib's depth where it goes, within these bounds.
constexpr double kLargestLabel = 3;
constexpr double kSmallestLabel = 1;
constexpr int kLabelCandidates = 12;

// The stock at both edges: everything ahead of the leading-edge cut and behind the trailing-edge
// cut, as boxes reaching past the rib.
Polygons edgeStock(const Box2D& around, double chord, const RibSettings& s) {
    Polygons stock;
    if (s.leadingEdgeCut > 0)
        stock.push_back(rectangle({around.minX - kClearance, around.minY - kClearance,
                                   s.leadingEdgeCut, around.maxY + kClearance}));
    if (s.trailingEdgeCut > 0)
        stock.push_back(rectangle({chord - s.trailingEdgeCut, around.minY - kClearance,
                                   around.maxX + kClearance, around.maxY + kClearance}));
    return stock;
}

bool cutsFromTop(NotchSide side) {
    return side != NotchSide::Bottom;
}

bool cutsFromBottom(NotchSide side) {
    return side != NotchSide::Top;
}

bool inStock(double x, double chord, const RibSettings& s) {
    return x <= s.leadingEdgeCut || x >= chord - s.trailingEdgeCut;
}

// The notches, each measured on the rib before any notch or cut, so that the spars do not depend
// on their order: boxes from the floor out past the rib.
Polygons sparNotches(const Polygons& rib, const Box2D& around, const RibSettings& s, Rib& out) {
    Polygons cuts;
    for (int spar = 0; spar < kSparCount; ++spar) {
        if (!s.spars[spar])
            continue;
        const SparNotch& notch = *s.spars[spar];
        const double x = out.chord * notch.positionPercent / 100;
        const std::optional<VerticalSpan> span = verticalSpanAt(rib, x);
        if (!span || inStock(x, out.chord, s)) {
            out.problems.push_back({RibProblemKind::NotchOutsideRib, spar});
            continue;
        }
        const RibNotch cut{spar,
                           notch.side,
                           x,
                           notch.width,
                           notch.depth,
                           span->top - notch.depth,
                           span->bottom + notch.depth};
        const int sides = notch.side == NotchSide::Both ? 2 : 1;
        if (sides * notch.depth >= span->top - span->bottom)
            out.problems.push_back({RibProblemKind::NotchTooDeep, spar});
        const double left = x - notch.width / 2;
        const double right = x + notch.width / 2;
        if (cutsFromTop(notch.side))
            cuts.push_back(rectangle({left, cut.floorTop, right, around.maxY + kClearance}));
        if (cutsFromBottom(notch.side))
            cuts.push_back(rectangle({left, around.minY - kClearance, right, cut.floorBottom}));
        out.notches.push_back(cut);
    }
    return cuts;
}

// Nothing, pieces, or short of the trailing-edge cut line: the sheeting left too little between.
bool sheetingTooThick(const Polygons& inset, double chord, const RibSettings& s) {
    if (s.sheeting == 0)
        return false;
    if (inset.size() != 1)
        return true;
    return s.trailingEdgeCut > 0 &&
           boundsOf(inset).maxX < chord - s.trailingEdgeCut - kReachTolerance;
}

// Centred where the rib is deepest, clear of its ends when it is long enough.
void placeLabel(Rib& rib) {
    if (rib.outlines.empty()) {
        rib.labelHeight = kLargestLabel;
        rib.labelAt = {0, -kLargestLabel / 2};
        return;
    }
    const Box2D box = boundsOf(rib.outlines);
    VerticalSpan deepest{};
    double deepestX = (box.minX + box.maxX) / 2;
    for (int i = 1; i < kLabelCandidates; ++i) {
        const double x = box.minX + (box.maxX - box.minX) * i / kLabelCandidates;
        const auto span = verticalSpanAt(rib.outlines, x);
        if (span && span->top - span->bottom > deepest.top - deepest.bottom) {
            deepest = *span;
            deepestX = x;
        }
    }
    const double height =
        std::clamp((deepest.top - deepest.bottom) / 3, kSmallestLabel, kLargestLabel);
    const double width = estimatedTextWidth(rib.label, height);
    const double centre = box.maxX - box.minX > width
                              ? std::clamp(deepestX, box.minX + width / 2, box.maxX - width / 2)
                              : (box.minX + box.maxX) / 2;
    rib.labelHeight = height;
    rib.labelAt = {centre - width / 2, (deepest.top + deepest.bottom) / 2 - height / 2};
}

} // namespace

void shapeRib(const Polygon& section, const RibSettings& settings, Rib& rib) {
    rib.outlines.clear();
    rib.notches.clear();
    rib.problems.clear();
    if (settings.leadingEdgeCut + settings.trailingEdgeCut >= rib.chord) {
        rib.problems.push_back({RibProblemKind::NothingLeft});
    } else {
        const Polygons inset =
            settings.sheeting > 0 ? insetPolygon(section, settings.sheeting) : Polygons{section};
        if (sheetingTooThick(inset, rib.chord, settings))
            rib.problems.push_back({RibProblemKind::SheetingTooThick});
        const Box2D around = boundsOf(inset);
        Polygons cuts = sparNotches(inset, around, settings, rib);
        const Polygons stock = edgeStock(around, rib.chord, settings);
        cuts.insert(cuts.end(), stock.begin(), stock.end());
        rib.outlines = cuts.empty() ? inset : difference(inset, cuts);
    }
    rib.area = areaOf(rib.outlines);
    placeLabel(rib);
}
