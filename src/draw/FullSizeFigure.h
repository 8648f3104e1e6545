// SPDX-License-Identifier: GPL-3.0-or-later
// The wing at full size, in millimetres, for the DXF and SVG outlines and the tiled 1:1 print:
// each panel's outline as a closed polygon, the sheet's marks with the mean chord's true ends and
// the stability ticks, and a short text block. Origin at the root leading edge, x along the span
// towards the tip, y along the chord towards the trailing edge; each output maps these axes to
// its own.
#pragma once

#include "calc/WingResults.h"
#include "draw/MmGeometry.h"
#include "draw/NeutralPointTick.h"
#include "draw/PlanformCanvas.h"
#include "ribs/CalculateRibs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The figure's layers, in the order the outputs write them. NeutralPoint and MarginBalance carry
// the neutral point and the balance for the chosen static margin, and exist only with stability
// data; Ribs the rib stations, only with ribs.
enum class FigureLayer {
    Outline,
    MeanChord,
    Balance,
    Axis,
    Text,
    NeutralPoint,
    MarginBalance,
    Ribs
};

inline constexpr Rgb kMagenta{200, 0, 200}; // the balance for the margin, apart from blue and green
inline constexpr Rgb kRibGrey{110, 110, 110}; // the rib stations, under the outline's black

struct LayerStyle {
    FigureLayer layer;
    std::string_view name; // the layer or group name in DXF and SVG files
    int aciColour;         // the AutoCAD colour index a DXF layer carries
    Rgb colour;
};

inline constexpr std::array<LayerStyle, 8> kLayerStyles{{
    {FigureLayer::Outline, "OUTLINE", 7, kBlack},
    {FigureLayer::MeanChord, "MEAN_CHORD", 1, kRed},
    {FigureLayer::Balance, "BALANCE", 5, kBlue},
    {FigureLayer::Axis, "AXIS", 1, kRed}, // red, as the root axis on the sheet and the preview
    {FigureLayer::Text, "TEXT", 7, kBlack},
    {FigureLayer::NeutralPoint, "NEUTRAL_POINT", 3, kGreen},
    {FigureLayer::MarginBalance, "MARGIN_BALANCE", 6, kMagenta},
    {FigureLayer::Ribs, "RIBS", 8, kRibGrey},
}};

const LayerStyle& styleOf(FigureLayer layer);

struct FigureLine {
    MmSegment segment;
    FigureLayer layer = FigureLayer::Outline;
    LineStyle style = LineStyle::DashDotDot; // on paper: the sheet's marks, or a solid tick
};

// One line of the text block; its baseline starts at baselineLeft. Its width is estimated from
// its characters until a font measures it (see measureTexts).
struct FigureText {
    MmPoint baselineLeft;
    std::string utf8;
    double widthMm = 0;
};

// Height of a capital letter of the text block; the lines are twice as far apart.
inline constexpr double kFigureTextHeightMm = 3.5;
// Capital height and average character width of the sheet's font (Arial), per em.
inline constexpr double kCapHeightPerEm = 0.716;
inline constexpr double kAverageWidthPerEm = 0.6;
// A figure reaching further than a kilometre from the root is no model aircraft: refused.
inline constexpr double kLargestFigureMm = 1e6;

struct FullSizeFigure {
    std::vector<std::vector<MmPoint>> outlines; // closed: the last corner joins the first
    std::vector<FigureLine> marks; // mean chord, balance, root axis, and the stability ticks
    std::vector<FigureText> texts;
    bool bothHalves = false;
};

// Millimetres behind the root leading edge, as the stability calculation gives them.
struct FigureStability {
    double neutralPoint = 0;
    double balanceForMargin = 0;
};

struct FullSizeOptions {
    bool bothHalves = false; // the half-wing and its mirror image about the root axis
    std::vector<std::string> textLines;
    std::optional<FigureStability> stability; // ticks on the mean chord's station when given
    std::vector<RibStation> ribs;             // a line across the chord at each
};

// Panel i's root trailing edge sits on panel i - 1's tip trailing edge, as on the sheet. Nothing
// when lastPanel is out of range or a coordinate is not finite or beyond kLargestFigureMm.
std::optional<FullSizeFigure> buildFullSizeFigure(const WingPlanform& planform,
                                                  const WingResults& results,
                                                  const FullSizeOptions& options);

// Every edge of every outline, each polygon closed.
std::vector<MmSegment> outlineSegments(const FullSizeFigure& figure);

// One closed polygon around all the panels together, the half-wing or both halves, without the
// chords between panels and, for both halves, without the root chord: the path a laser cuts.
std::vector<MmPoint> outerOutline(const FullSizeFigure& figure);

// The layers the outputs write: the five of every figure, and those the stability ticks and the
// rib stations add.
std::vector<LayerStyle> layersOf(const FullSizeFigure& figure);

// The panels alone, and the whole figure with marks and the text block's estimated extent.
MmRect outlineBounds(const FullSizeFigure& figure);
MmRect figureBounds(const FullSizeFigure& figure);

// Where a text line lies: its width as estimated or measured, a capital's em above the baseline.
MmRect textBox(const FigureText& text);

// Gives each text line the width a font measures, in millimetres, for a line of the figure's
// text height.
void measureTexts(FullSizeFigure& figure,
                  const std::function<double(const std::string& utf8)>& widthMm);

// Control characters would break a DXF group or an XML document; they become spaces.
std::string printableText(std::string_view utf8);
