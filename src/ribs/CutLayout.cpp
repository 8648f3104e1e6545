// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/CutLayout.h"

#include "base/TextEncoding.h"
#include "geometry/Offset.h"

#include <algorithm>

namespace {

// Gap between the sheets laid one after another along x.
constexpr double kSheetSpacing = 5;

// An engraving font's average character width per capital height.
constexpr double kCharacterWidthPerCapital = 0.84;
// A mark is kept clear of other parts as a box this thick at least.
constexpr double kMarkThickness = 0.2;

Box2D united(const Box2D& a, const Box2D& b) {
    return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
            std::max(a.maxY, b.maxY)};
}

Box2D markBox(const PartMark& mark) {
    const double half = kMarkThickness / 2;
    return {std::min(mark.from.x, mark.to.x) - half, std::min(mark.from.y, mark.to.y) - half,
            std::max(mark.from.x, mark.to.x) + half, std::max(mark.from.y, mark.to.y) + half};
}

Box2D placedBox(const Box2D& box, const PartPlacement& at) {
    const Point2D a = placedPoint({box.minX, box.minY}, at);
    const Point2D b = placedPoint({box.maxX, box.maxY}, at);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

double estimatedTextWidth(std::string_view utf8, double height) {
    return static_cast<double>(countCharacters(utf8)) * height * kCharacterWidthPerCapital;
}

Box2D textBoxOf(const PartText& text) {
    const double descent = text.height / 3;
    return {text.baselineLeft.x, text.baselineLeft.y - descent,
            text.baselineLeft.x + estimatedTextWidth(text.utf8, text.height),
            text.baselineLeft.y + text.height};
}

Box2D partExtent(const CutPart& part) {
    std::optional<Box2D> extent;
    const auto add = [&extent](const Box2D& box) {
        extent = extent ? united(*extent, box) : box;
    };
    if (!part.outlines.empty())
        add(boundsOf(part.outlines));
    for (const PartText& text : part.texts)
        add(textBoxOf(text));
    for (const PartMark& mark : part.marks)
        add(markBox(mark));
    return extent.value_or(Box2D{});
}

Point2D placedBaseline(const PartText& text, const PartPlacement& at) {
    if (!at.turned)
        return placedPoint(text.baselineLeft, at);
    const Box2D box = textBoxOf(text);
    const Point2D anchor =
        text.anchor.value_or(Point2D{(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2});
    const Point2D turned = placedPoint(anchor, at);
    return {turned.x + text.baselineLeft.x - anchor.x, turned.y + text.baselineLeft.y - anchor.y};
}

Box2D layoutBounds(const CutLayout& layout) {
    std::optional<Box2D> bounds;
    const auto add = [&bounds](const Box2D& box) {
        bounds = bounds ? united(*bounds, box) : box;
    };
    for (std::size_t i = 0; i < layout.parts.size(); ++i)
        add(placedBox(partExtent(layout.parts[i]), layout.placements[i]));
    for (const Box2D& sheet : layout.sheets)
        add(sheet);
    return bounds.value_or(Box2D{});
}

CutLayout layoutOneUnderAnother(std::vector<CutPart> parts, double gap) {
    CutLayout layout;
    double bottom = gap; // of the part above, the first one's top at 0
    for (const CutPart& part : parts) {
        const Box2D extent = partExtent(part);
        const double y = onClipperGrid(bottom - gap - extent.maxY);
        layout.placements.push_back({false, {0, y}});
        bottom = y + extent.minY;
    }
    layout.parts = std::move(parts);
    return layout;
}

Polygons footprintOf(const CutPart& part) {
    Polygons footprint = part.outlines;
    for (const PartText& text : part.texts)
        footprint.push_back(rectangle(textBoxOf(text)));
    for (const PartMark& mark : part.marks)
        footprint.push_back(rectangle(markBox(mark)));
    return footprint;
}

std::vector<Polygons> footprintsOf(const std::vector<CutPart>& parts) {
    std::vector<Polygons> footprints;
    footprints.reserve(parts.size());
    for (const CutPart& part : parts)
        footprints.push_back(footprintOf(part));
    return footprints;
}

NestedLayout layoutOnSheets(const std::vector<CutPart>& parts, const NestingSheet& sheet) {
    const Nesting nesting = nestParts(footprintsOf(parts), sheet);
    NestedLayout nested;
    for (int s = 0; s < nesting.sheets; ++s) {
        const double left = s * (sheet.width + kSheetSpacing);
        nested.layout.sheets.push_back({left, 0, left + sheet.width, sheet.height});
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const NestedPart& placed = nesting.parts[i];
        if (placed.sheet < 0) {
            nested.tooLarge.push_back(i);
            continue;
        }
        const double left = placed.sheet * (sheet.width + kSheetSpacing);
        nested.layout.parts.push_back(parts[i]);
        const Point2D offset = placed.placement.offset;
        nested.layout.placements.push_back(
            {placed.placement.turned, {onClipperGrid(offset.x + left), onClipperGrid(offset.y)}});
    }
    return nested;
}
