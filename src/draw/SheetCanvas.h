// SPDX-License-Identifier: GPL-3.0-or-later
// The printer page: a planform canvas that also prints text at a current point, as the sheet's
// header and table need. The text model lives here once; a page only measures and draws glyphs.
#pragma once

#include "draw/PlanformCanvas.h"

#include <string>

enum class TextEnd { KeepLine, EndLine };

struct SheetFont {
    std::string name = "Arial";
    float points = 10;
    bool bold = false;
    bool underline = false;
    bool operator==(const SheetFont&) const = default;
};

class SheetCanvas : public PlanformCanvas {
public:
    // The page is A4 landscape; units are always twips on these canvases.
    void setLandscape() { orientLandscape(); }
    void setTwipUnits() {}

    void setFont(std::string name, float points);
    void setFontSize(float points) { font_.points = points; }
    void setBold(bool on) { font_.bold = on; }
    void setUnderline(bool on) { font_.underline = on; }
    const SheetFont& font() const { return font_; }

    // uiText and the lines drawn without a colour of their own share this colour.
    void setTextColour(Rgb colour) { setForeground(colour); }
    Rgb textColour() const { return foreground(); }

    void setCurrentX(float x) { movePen({x, pen().y}); }
    void setCurrentY(float y) { movePen({pen().x, y}); }

    // The top-left of the text's cell goes at the current point. KeepLine moves x to the text's
    // end; EndLine puts x back to 0 and moves y down by one line of the current font.
    void printText(const std::string& utf8, TextEnd end);

    // Sends the page; a sheet that failed half-way never gets here.
    void endDocument() { finishDocument(); }

    // Metrics of the current font, in twips.
    virtual double textWidth(const std::string& utf8) const = 0;
    virtual double lineHeight() const = 0;

protected:
    virtual void drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                          Rgb colour) = 0;
    virtual void orientLandscape() {}
    virtual void finishDocument() {}

private:
    SheetFont font_;
};
