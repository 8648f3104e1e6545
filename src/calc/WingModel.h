// The in-memory description of one half-wing and everything the calculation derives from it.
// Lengths are millimetres, per-panel areas dm², halfArea mm², mass grams, loading g/dm².
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kPanelCount = 5;

using PanelValues = std::array<double, kPanelCount>;
using PanelTexts = std::array<std::string, kPanelCount>;

// The texts of the 22 input fields, exactly as typed: parsing happens only in the calculation.
struct WingFields {
    PanelTexts C_max;  // root chords; 1 to 4 mirror the previous tip chord
    PanelTexts C_min;  // tip chords
    PanelTexts L_trap; // panel lengths
    PanelTexts deport; // tip leading edge, measured from the root leading edge
    std::string Cg;    // balance point, % of the mean chord
    std::string masse; // mass, g

    bool operator==(const WingFields&) const = default;
};

struct WingPlanform {
    PanelValues rootChord{};
    PanelValues tipChord{};
    PanelValues panelLength{};
    PanelValues sweepOffset{}; // absolute: from the root leading edge, positive aft
    double balancePercent = 0;
    double massGrams = 0;
    std::int16_t lastPanel = 0;
};

// Entries above lastPanel keep whatever an earlier calculation left there.
// Entry i of the four mean-chord arrays describes panels 0..i together after the combination pass.
struct WingResults {
    PanelValues tipStation{};
    PanelValues panelArea{};
    PanelValues cumulativeArea{};
    PanelValues taperRatio{};
    PanelValues meanChord{};
    PanelValues meanChordY{};
    PanelValues meanChordX{};
    PanelValues balanceX{};
    double halfSpan = 0;
    double halfArea = 0;
    double aspectRatio = 0;
    double wingLoading = 0;
};

enum class CalcOutcome { Ok, PanelError, BalanceError, ArithmeticFailure };

// The fields as Clear leaves them: everything empty but the balance, which starts at 30 %.
WingFields ClearedFields();

// Tip chord i is mirrored into root chord i + 1 whenever any tip chord changes, as the window does.
void ChainRootChords(WingFields& fields);

// Assigns a tip-chord text the way the window's field does: only a real change runs the chaining.
void SetTipChord(WingFields& fields, int panel, const std::string& text);
