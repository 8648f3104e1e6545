// SPDX-License-Identifier: GPL-3.0-or-later
// Wings as a modeller types them, shared by the calculation, window, command-line and printing
// tests; the result texts of the worked wings were worked out by hand.
#pragma once

#include "calc/WingFields.h"

#include <array>
#include <vector>

// Root chord, tip chord, panel length and sweep offset, as typed.
using TypedPanel = std::array<const char*, 4>;

// Every root chord as given: the window chains them, a hand-edited file need not.
inline WingFields typedWing(const std::vector<TypedPanel>& panels, const char* balance,
                            const char* mass) {
    WingFields fields;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        fields.rootChord[i] = panels[i][0];
        fields.tipChord[i] = panels[i][1];
        fields.panelLength[i] = panels[i][2];
        fields.sweepOffset[i] = panels[i][3];
    }
    fields.balancePercent = balance;
    fields.mass = mass;
    return fields;
}

struct WorkedWingCase {
    const char* name;
    std::vector<TypedPanel> panels;
    const char* balance;
    const char* mass;
    std::array<const char*, 7>
        texts; // span area aspectRatio meanChordStation balanceDistance meanChord wingLoading
};

inline const WorkedWingCase kWorkedWings[] = {
    {"rectangle",
     {{"200", "200", "500", "0"}},
     "30",
     "1000",
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 50.00 g/dm\u00b2"}},
    {"two panels",
     {{"300", "200", "400", "50"}, {"200", "100", "300", "150"}},
     "25",
     "1500",
     {"1 400.00 mm  ", " 29.00 dm\u00b2  ", " 6.76", " 294.25 mm  ", " 101.15 mm  ", " 222.99 mm  ",
      " 51.72 g/dm\u00b2"}},
    {"three panels",
     {{"250", "250", "200", "0"}, {"250", "180", "300", "20"}, {"180", "80", "150", "90"}},
     "33",
     "2200",
     {"1 300.00 mm  ", " 26.80 dm\u00b2  ", " 6.31", " 284.14 mm  ", " 83.69 mm  ", " 217.54 mm  ",
      " 82.09 g/dm\u00b2"}},
    {"decimal commas",
     {{"200,0", "200", "500", "0"}},
     "30,0",
     "1000",
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 50.00 g/dm\u00b2"}},
    {"empty mass",
     {{"200", "200", "500", "0"}},
     "30",
     "",
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 0.00 g/dm\u00b2"}},
    // One panel never divides by the balance, so 0.0 puts the balance on the leading edge.
    {"one panel at 0.0 %",
     {{"250", "150", "1000", "50"}},
     "0.0",
     "",
     {"2 000.00 mm  ", " 40.00 dm\u00b2  ", " 10.00", " 458.33 mm  ", " 22.92 mm  ", " 204.17 mm  ",
      " 0.00 g/dm\u00b2"}},
};
