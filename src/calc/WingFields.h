// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the 22 input fields, exactly as typed: parsing happens only in the calculation.
// The tip-chord chaining lives here once, for the window, the command line and the wing files.
#pragma once

#include "calc/WingPlanform.h"

#include <array>
#include <string>

using PanelTexts = std::array<std::string, kPanelCount>;

struct WingFields {
    PanelTexts rootChord;       // root chords; 1 to 4 mirror the previous tip chord
    PanelTexts tipChord;        // tip chords
    PanelTexts panelLength;     // panel lengths
    PanelTexts sweepOffset;     // tip leading edge, measured from the root leading edge
    std::string balancePercent; // balance point, % of the mean chord
    std::string mass;           // mass, g

    bool operator==(const WingFields&) const = default;
};

// The fields as Clear leaves them: everything empty but the balance, which starts at 30 %.
WingFields clearedFields();

// One field of the form: a row of the panel grid with its panel (0 to 4), the balance or the mass.
enum class WingInput { RootChord, TipChord, PanelLength, SweepOffset, Balance, Mass };
struct InputField {
    WingInput input = WingInput::RootChord;
    int panel = 0; // 0 for the balance and the mass
    bool operator==(const InputField&) const = default;
};

// Tip chord i is mirrored into root chord i + 1 whenever any tip chord changes, as the window does.
void chainRootChords(WingFields& fields);

// Assigns a tip-chord text the way the window's field does: only a real change runs the chaining.
void setTipChord(WingFields& fields, int panel, const std::string& text);

enum class PanelField { RootChord, TipChord, PanelLength, SweepOffset };

// Assigns one panel text as typed; a changed tip chord is chained into the next root chord.
void setPanelText(WingFields& fields, PanelField field, int panel, const std::string& text);
