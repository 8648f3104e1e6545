// SPDX-License-Identifier: GPL-3.0-or-later
// The wing being edited: the texts of its fields, what the last calculation made of them, and
// the file it came from. The window and the command line are views of it; open, calculate,
// save as and Clear are implemented here once.
#pragma once

#include "base/TextFile.h"
#include "calc/CalculateStability.h"
#include "calc/CalculateWing.h"
#include "calc/ResultTexts.h"
#include "draw/SheetInputs.h"
#include "i18n/TextKey.h"
#include "ribs/CalculateRibs.h"
#include "session/WingRibs.h"
#include "session/WingStability.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What open did: the file could not be read, or it was read and calculated.
struct OpenOutcome {
    std::optional<FileError> fileError;
    CalcReport report;
    bool calculated() const { return !fileError && report.outcome == CalcOutcome::Ok; }
    std::optional<StabilityFileProblem> stabilityProblem = {}; // the wing opened without them
    std::optional<RibsFileProblem> ribsProblem = {};           // the same for its ribs
};

// What save as did: the wing file could not be written, or it was and its stability data or its
// ribs could not be written (or a stale file of them removed) beside it.
struct SaveOutcome {
    std::optional<FileError> fileError;
    std::optional<StabilityFileProblem> stabilityProblem;
    std::optional<RibsFileProblem> ribsProblem = {};
};

class WingSession {
public:
    // decimalSeparator is the locale's, for typed numbers and result texts; text is the
    // current language, for the printed sheet.
    WingSession(std::string decimalSeparator, TextLookup text);

    const WingFields& fields() const { return fields_; }
    // A changed tip chord is copied into the next panel's root chord, as the form always did.
    void setPanelText(PanelField field, int panel, const std::string& text);
    void setBalanceText(const std::string& text) { fields_.balancePercent = text; }
    void setMassText(const std::string& text) { fields_.mass = text; }

    // Parses and validates the fields; the results are valid only after an Ok outcome. On a
    // refusal the planform keeps what was parsed and the results what they held.
    CalcReport calculate();
    bool hasValidResults() const { return hasValidResults_; }
    const WingPlanform& planform() const { return planform_; }
    const WingResults& results() const { return results_; }
    // In the chosen units.
    ResultTexts resultTexts() const;

    // Empty fields, the balance at 30 %, no valid results; the file name stays.
    void clear();

    // Reads the file; only when it was read whole does it replace the fields, the file name and
    // the results, and get calculated. A file error leaves the session as it was.
    OpenOutcome open(const std::string& path);
    // The same for a wing whose bytes were read elsewhere (standard input); name stands for the
    // path.
    OpenOutcome openBytes(const std::string& name, std::string_view bytes);
    // Writes the fields as they are now, and the stability data beside them when there are
    // some; the caller checks hasValidResults first.
    SaveOutcome saveAs(const std::string& path);
    // The path of the last open or save as, and its name without the folder.
    const std::string& filePath() const { return filePath_; }
    std::string fileName() const;

    // What the printed sheet needs besides the wing; the wing loading is the result's text.
    SheetInputs sheetInputs(std::string title, std::string date) const;

    // The tail and neutral point, kept beside the wing file; Clear removes them.
    WingStability& stability() { return stability_; }
    const WingStability& stability() const { return stability_; }
    // From the results of the last valid calculation of the wing, once a tail or a flying wing
    // has been chosen.
    StabilityReport calculateStability() const;
    // When stability data exist and calculate: what the preview and the sheet mark.
    std::optional<StabilityResults> stabilityResults() const;
    // The neutral point the preview marks, mm behind the root leading edge, when there is one.
    std::optional<double> neutralPoint() const;

    // The ribs and their airfoils, kept beside the wing file; Clear removes them.
    WingRibs& ribs() { return ribs_; }
    const WingRibs& ribs() const { return ribs_; }
    // Every rib of the last valid wing with the ribs as they are now (defaults included), labelled
    // in the chosen units.
    RibsReport calculateRibs() const;
    // Where the ribs stand, for the drawings that mark them: none without rib data, without a
    // valid wing or with settings the ribs refuse.
    std::vector<RibStation> ribStations() const;

    const std::string& decimalSeparator() const { return decimalSeparator_; }
    const TextLookup& text() const { return text_; }

    // The units the user reads and types; the fields, the files and every calculation keep
    // millimetres and grams. Millimetres and grams until set.
    void setUnits(UnitChoice units) { units_ = units; }
    UnitChoice units() const { return units_; }
    // The chosen units in the words of the session's language.
    DisplayUnits displayUnits() const;

    // True when the fields, the stability data or the ribs differ from what the last open or save
    // as left on disk; a Clear leaves nothing to lose.
    bool hasUnsavedChanges() const { return onDisk() != savedWing_; }

private:
    // What save as writes: the field texts and, when there are some, the stability data and
    // the ribs.
    struct SavedWing {
        WingFields fields;
        std::optional<StabilityFields> stability;
        std::optional<RibsDefinition> ribs;
        bool operator==(const SavedWing&) const = default;
    };
    SavedWing onDisk() const;

    OpenOutcome openWith(const std::string& path,
                         const std::function<std::optional<FileError>(WingFields&)>& load);

    std::string decimalSeparator_;
    TextLookup text_;
    UnitChoice units_;
    WingFields fields_;
    WingPlanform planform_;
    WingResults results_;
    bool hasValidResults_ = false;
    std::string filePath_;
    WingStability stability_;
    WingRibs ribs_;
    SavedWing savedWing_;
};
