// SPDX-License-Identifier: GPL-3.0-or-later
// The one drawing surface of the planform: the screen preview, the printed sheet, PDF, SVG and
// the test recorder all implement it, so the wing geometry is written once.
// Coordinates are twips (1/1440 inch), origin top left, y downwards, single precision.
#pragma once

#include <cstdint>
#include <string>

inline constexpr double kTwipsPerInch = 1440;

struct CanvasPoint {
    float x = 0;
    float y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

enum class LineStyle { Solid, DashDotDot };

class PlanformCanvas {
public:
    virtual ~PlanformCanvas() = default;

    // Fills the surface with its background and puts the pen at (0, 0).
    void clear();
    void setLineStyle(LineStyle style) { lineStyle_ = style; }
    LineStyle lineStyle() const { return lineStyle_; }
    // Twips; 0, as always on the preview and the sheet, is the device's thinnest visible line.
    void setLineWidth(float twips) { lineWidth_ = twips; }
    float lineWidth() const { return lineWidth_; }

    // The four line forms; each leaves the pen at the line's end.
    void lineBy(CanvasPoint from, float dx, float dy);
    void lineByFromPen(float dx, float dy);
    void lineToFromPen(CanvasPoint to);
    void lineInColour(CanvasPoint from, CanvasPoint to, Rgb colour);

    CanvasPoint pen() const { return pen_; }

protected:
    // The foreground colour of the three lines without a colour of their own.
    void setForeground(Rgb colour) { foreground_ = colour; }
    Rgb foreground() const { return foreground_; }
    void movePen(CanvasPoint to) { pen_ = to; }

    virtual void eraseSurface() = 0;
    virtual void strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) = 0;

private:
    CanvasPoint pen_;
    Rgb foreground_ = kBlack;
    LineStyle lineStyle_ = LineStyle::Solid;
    float lineWidth_ = 0;
};
