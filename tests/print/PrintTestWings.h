// Wings as a user types them, for the printing tests: the worked wing, a square 100 mm panel whose
// outline measures 20 mm at 1/5, and a five-panel forward-swept wing.
#pragma once

#include "CalculateWing.h"
#include "WingModel.h"

#include <string>
#include <vector>

struct TypedPanel {
    std::string rootChord; // only panel 0's is typed; the others copy the previous tip chord
    std::string tipChord;
    std::string panelLength;
    std::string sweepOffset;
};

inline WingFields TypedWing(const std::vector<TypedPanel>& panels, std::string balance,
                            std::string mass) {
    WingFields fields;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        fields.C_max[i] = i == 0 ? panels[0].rootChord : panels[i - 1].tipChord;
        fields.C_min[i] = panels[i].tipChord;
        fields.L_trap[i] = panels[i].panelLength;
        fields.deport[i] = panels[i].sweepOffset;
    }
    fields.Cg = std::move(balance);
    fields.masse = std::move(mass);
    return fields;
}

inline WingFields WorkedWing() {
    return TypedWing({{"250", "150", "1000", "50"}}, "30", "1500");
}

inline WingFields SquareWing() {
    return TypedWing({{"100", "100", "100", "0"}}, "30", "500");
}

// Half-span 1500 mm, so 1/10; the tip leading edge 200 mm ahead of the root's.
inline WingFields ForwardSweptWing() {
    return TypedWing({{"300", "280", "400", "-20"},
                      {"", "250", "400", "-60"},
                      {"", "210", "300", "-110"},
                      {"", "160", "250", "-160"},
                      {"", "100", "150", "-200"}},
                     "30", "2500");
}

// A root chord of 1e39 mm calculates, but its outline leaves single precision on the sheet.
inline WingFields OverflowingWing() {
    return TypedWing({{"1" + std::string(39, '0'), "150", "1000", "50"}}, "30", "1500");
}

struct CalculatedWing {
    WingPlanform planform;
    WingResults results;
    CalcReport report;
};

inline CalculatedWing Calculate(const WingFields& fields) {
    CalculatedWing wing;
    wing.report = CalculateWing(fields, ".", wing.planform, wing.results);
    return wing;
}
