// SPDX-License-Identifier: GPL-3.0-or-later
// A planform canvas that writes the preview as an SVG document whose user units are twips, so
// the drawing can be checked or shown outside the program at the exact coordinates drawn.
#pragma once

#include "draw/PlanformCanvas.h"

#include <string>

class SvgCanvas : public PlanformCanvas {
public:
    // The surface in twips; the document's pixel size assumes 15 twips per pixel (96 DPI).
    SvgCanvas(float widthTwips, float heightTwips);

    // The complete document: a white background, then one <line> per stroke since the last clear.
    std::string document() const;

protected:
    void eraseSurface() override { lines_.clear(); }
    void strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) override;

private:
    float widthTwips_;
    float heightTwips_;
    std::string lines_;
};
