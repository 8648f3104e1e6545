// The texts of the 22 input fields, exactly as typed: parsing happens only in the calculation.
// The tip-chord chaining lives here once, for the window, the command line and the wing files.
#pragma once

#include "calc/WingPlanform.h"

#include <array>
#include <string>

using PanelTexts = std::array<std::string, kPanelCount>;

struct WingFields {
    PanelTexts C_max;  // root chords; 1 to 4 mirror the previous tip chord
    PanelTexts C_min;  // tip chords
    PanelTexts L_trap; // panel lengths
    PanelTexts deport; // tip leading edge, measured from the root leading edge
    std::string Cg;    // balance point, % of the mean chord
    std::string masse; // mass, g

    bool operator==(const WingFields&) const = default;
};

// The fields as Clear leaves them: everything empty but the balance, which starts at 30 %.
WingFields ClearedFields();

// Tip chord i is mirrored into root chord i + 1 whenever any tip chord changes, as the window does.
void ChainRootChords(WingFields& fields);

// Assigns a tip-chord text the way the window's field does: only a real change runs the chaining.
void SetTipChord(WingFields& fields, int panel, const std::string& text);
