// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/FullSizeFigure.h"

#include "base/TextEncoding.h"
#include "draw/PlanformFigure.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

// The sheet's marks keep their shapes; their fixed lengths, page units there, are millimetres
// here, long enough to find on a building board.
constexpr double kBalanceTickHalfMm = 10;
constexpr double kAxisGapMm = 2;
constexpr double kAxisAheadMm = 30;
constexpr double kAxisBehindMm = 40;
constexpr double kReferenceGapMm = 2;
constexpr double kReferenceOvershootMm = 5;
// Solid ticks across the mean chord's station: its true leading and trailing edges, and the
// stability points, each a different length so none hides another where they meet.
constexpr double kChordEndTickHalfMm = 6;
constexpr double kNeutralPointTickHalfMm = 15;
constexpr double kMarginBalanceTickHalfMm = 12;
// The text block starts this far behind the rest of the figure.
constexpr double kTextGapMm = 15;
constexpr double kTextLinePitchMm = 2 * kFigureTextHeightMm;

// One panel, clockwise on paper: root leading edge, tip leading edge, tip trailing edge, root
// trailing edge. rootTrailingY is where the previous panel's tip trailing edge ended.
std::vector<MmPoint> panelCorners(const WingPlanform& planform, int panel, double rootX,
                                  double rootTrailingY) {
    const double tipX = rootX + planform.panelLength[panel];
    const double tipLeadingY = planform.sweepOffset[panel];
    return {{rootX, rootTrailingY - planform.rootChord[panel]},
            {tipX, tipLeadingY},
            {tipX, tipLeadingY + planform.tipChord[panel]},
            {rootX, rootTrailingY}};
}

std::vector<std::vector<MmPoint>> halfWingOutlines(const WingPlanform& planform) {
    std::vector<std::vector<MmPoint>> outlines;
    double rootX = 0;
    double rootTrailingY = planform.rootChord[0];
    for (int panel = 0; panel <= planform.lastPanel; ++panel) {
        outlines.push_back(panelCorners(planform, panel, rootX, rootTrailingY));
        rootX += planform.panelLength[panel];
        rootTrailingY = planform.sweepOffset[panel] + planform.tipChord[panel];
    }
    return outlines;
}

FigureLine tickAcross(double station, double y, double halfLength, FigureLayer layer) {
    return {{{station - halfLength, y}, {station + halfLength, y}}, layer, LineStyle::Solid};
}

// The sheet's five marks: balance tick, mean chord through the balance point (half a chord
// ahead, a whole chord behind), the root axis ahead of and behind the wing, and the reference
// line at the root leading edge out to the mean chord's station. Then the mean chord's own ends,
// which the sheet's line runs past, and the stability ticks when there are any.
std::vector<FigureLine> halfWingMarks(const WingPlanform& planform, const WingResults& results,
                                      const FullSizeOptions& options) {
    const std::optional<FigureStability>& stability = options.stability;
    const int n = planform.lastPanel;
    const double station = results.meanChordY[n];
    const double balance = results.balanceX[n];
    const double chord = results.meanChord[n];
    const double chordLeading = results.meanChordX[n];
    const double rootChord = planform.rootChord[0];
    std::vector<FigureLine> marks{
        {{{station - kBalanceTickHalfMm, balance}, {station + kBalanceTickHalfMm, balance}},
         FigureLayer::Balance},
        {{{station, balance - chord / 2}, {station, balance + chord}}, FigureLayer::MeanChord},
        {{{0, -kAxisAheadMm}, {0, -kAxisGapMm}}, FigureLayer::Axis},
        {{{0, rootChord + kAxisGapMm}, {0, rootChord + kAxisBehindMm}}, FigureLayer::Axis},
        {{{kReferenceGapMm, 0}, {station + kReferenceOvershootMm, 0}}, FigureLayer::Balance},
        tickAcross(station, chordLeading, kChordEndTickHalfMm, FigureLayer::MeanChord),
        tickAcross(station, chordLeading + chord, kChordEndTickHalfMm, FigureLayer::MeanChord),
    };
    if (stability) {
        marks.push_back(tickAcross(station, stability->neutralPoint, kNeutralPointTickHalfMm,
                                   FigureLayer::NeutralPoint));
        marks.push_back(tickAcross(station, stability->balanceForMargin, kMarginBalanceTickHalfMm,
                                   FigureLayer::MarginBalance));
    }
    for (const RibStation& rib : options.ribs)
        marks.push_back(
            {{{rib.station, rib.leadingEdgeX}, {rib.station, rib.leadingEdgeX + rib.chord}},
             FigureLayer::Ribs,
             LineStyle::Solid});
    return marks;
}

MmPoint mirrored(MmPoint point) {
    return {-point.x, point.y};
}

// The other half, mirrored about the root axis; the axis itself is drawn once.
void addMirrorImage(FullSizeFigure& figure) {
    const std::size_t panels = figure.outlines.size();
    for (std::size_t i = 0; i < panels; ++i) {
        std::vector<MmPoint> corners = figure.outlines[i];
        std::ranges::transform(corners, corners.begin(), mirrored);
        std::ranges::reverse(corners); // keeps the same turning sense as the original
        figure.outlines.push_back(std::move(corners));
    }
    const std::size_t marks = figure.marks.size();
    for (std::size_t i = 0; i < marks; ++i) {
        FigureLine mark = figure.marks[i];
        if (mark.layer == FigureLayer::Axis)
            continue;
        mark.segment = {mirrored(mark.segment.from), mirrored(mark.segment.to)};
        figure.marks.push_back(mark);
    }
}

MmRect cornersBounds(const std::vector<MmPoint>& corners) {
    MmRect bounds{corners.front().x, corners.front().y, corners.front().x, corners.front().y};
    for (const MmPoint& corner : corners)
        bounds = unite(bounds, {corner.x, corner.y, corner.x, corner.y});
    return bounds;
}

double textEm() {
    return kFigureTextHeightMm / kCapHeightPerEm;
}

// From kAverageWidthPerEm, by characters, not bytes: exact widths need a font.
double estimatedWidth(const std::string& utf8) {
    return static_cast<double>(countCharacters(utf8)) * kAverageWidthPerEm * textEm();
}

// The half-wing's panels as one polygon: along the leading edges from the root to the tip, with
// a step wherever a root chord differs from the tip chord before it, then back along the trailing
// edges, which the panels share. Each panel's corners run root leading, tip leading, tip
// trailing, root trailing.
std::vector<MmPoint> halfWingOuter(std::span<const std::vector<MmPoint>> panels) {
    std::vector<MmPoint> outer;
    for (const std::vector<MmPoint>& corners : panels) {
        outer.push_back(corners[0]);
        outer.push_back(corners[1]);
    }
    outer.push_back(panels.back()[2]);
    for (auto panel = panels.rbegin(); panel != panels.rend(); ++panel)
        outer.push_back((*panel)[3]);
    return outer;
}

// Under the figure, where no outline reaches, starting at the root axis (the figure's left end
// should it reach further left than the root).
void addTextBlock(FullSizeFigure& figure, const std::vector<std::string>& lines) {
    const MmRect drawn = figureBounds(figure); // the outline and the marks: no text yet
    const double left = figure.bothHalves ? 0 : drawn.left;
    double baseline = drawn.bottom + kTextGapMm + kFigureTextHeightMm;
    for (const std::string& line : lines) {
        FigureText text{{left, baseline}, printableText(line)};
        text.widthMm = estimatedWidth(text.utf8);
        figure.texts.push_back(std::move(text));
        baseline += kTextLinePitchMm;
    }
}

bool isUsable(double value) {
    return std::isfinite(value) && std::abs(value) <= kLargestFigureMm;
}

bool isUsable(MmPoint point) {
    return isUsable(point.x) && isUsable(point.y);
}

bool allUsable(const FullSizeFigure& figure) {
    const auto usableSegment = [](const FigureLine& line) {
        return isUsable(line.segment.from) && isUsable(line.segment.to);
    };
    return std::ranges::all_of(figure.outlines,
                               [](const auto& corners) {
                                   return std::ranges::all_of(
                                       corners, [](MmPoint p) { return isUsable(p); });
                               }) &&
           std::ranges::all_of(figure.marks, usableSegment);
}

} // namespace

const LayerStyle& styleOf(FigureLayer layer) {
    return kLayerStyles[static_cast<std::size_t>(layer)];
}

std::optional<FullSizeFigure> buildFullSizeFigure(const WingPlanform& planform,
                                                  const WingResults& results,
                                                  const FullSizeOptions& options) {
    if (!lastPanelInRange(planform))
        return std::nullopt;
    FullSizeFigure figure;
    figure.bothHalves = options.bothHalves;
    figure.outlines = halfWingOutlines(planform);
    figure.marks = halfWingMarks(planform, results, options);
    if (options.bothHalves)
        addMirrorImage(figure);
    if (!allUsable(figure))
        return std::nullopt;
    addTextBlock(figure, options.textLines);
    return figure;
}

std::vector<MmSegment> outlineSegments(const FullSizeFigure& figure) {
    std::vector<MmSegment> segments;
    for (const std::vector<MmPoint>& corners : figure.outlines) {
        for (std::size_t i = 0; i < corners.size(); ++i)
            segments.push_back({corners[i], corners[(i + 1) % corners.size()]});
    }
    return segments;
}

MmRect outlineBounds(const FullSizeFigure& figure) {
    MmRect bounds = cornersBounds(figure.outlines.front());
    for (const std::vector<MmPoint>& corners : figure.outlines)
        bounds = unite(bounds, cornersBounds(corners));
    return bounds;
}

MmRect figureBounds(const FullSizeFigure& figure) {
    MmRect bounds = outlineBounds(figure);
    for (const FigureLine& mark : figure.marks)
        bounds = unite(bounds, boundsOf(mark.segment));
    for (const FigureText& text : figure.texts)
        bounds = unite(bounds, textBox(text));
    return bounds;
}

MmRect textBox(const FigureText& text) {
    const double em = textEm();
    const MmPoint start = text.baselineLeft;
    return {start.x, start.y - em, start.x + text.widthMm, start.y + 0.25 * em};
}

void measureTexts(FullSizeFigure& figure,
                  const std::function<double(const std::string& utf8)>& widthMm) {
    for (FigureText& text : figure.texts)
        text.widthMm = widthMm(text.utf8);
}

std::vector<MmPoint> outerOutline(const FullSizeFigure& figure) {
    const std::size_t halfPanels = figure.outlines.size() / (figure.bothHalves ? 2 : 1);
    std::vector<MmPoint> outer = halfWingOuter(std::span(figure.outlines).first(halfPanels));
    if (figure.bothHalves) {
        // On from the root trailing edge along the other half's trailing edges, round its tip
        // and back along its leading edges to the root leading edge, where the polygon began.
        const std::vector<MmPoint> half = outer;
        for (auto corner = half.rbegin() + 1; corner + 1 != half.rend(); ++corner)
            outer.push_back(mirrored(*corner));
    }
    outer.erase(std::unique(outer.begin(), outer.end()), outer.end());
    if (outer.size() > 1 && outer.front() == outer.back())
        outer.pop_back();
    return outer;
}

std::vector<LayerStyle> layersOf(const FullSizeFigure& figure) {
    std::vector<LayerStyle> layers;
    for (const LayerStyle& style : kLayerStyles) {
        const bool optional = style.layer == FigureLayer::NeutralPoint ||
                              style.layer == FigureLayer::MarginBalance ||
                              style.layer == FigureLayer::Ribs;
        if (!optional || std::ranges::any_of(figure.marks, [&](const FigureLine& mark) {
                return mark.layer == style.layer;
            }))
            layers.push_back(style);
    }
    return layers;
}

std::string printableText(std::string_view utf8) {
    std::string text(utf8);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return text;
}
