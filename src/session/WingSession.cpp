// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/WingSession.h"

#include "files/WingFile.h"
#include "files/WingFilePath.h"
#include "i18n/TextKeys.h"
#include "session/UnitTexts.h"

WingSession::WingSession(std::string decimalSeparator, TextLookup text)
    : decimalSeparator_(std::move(decimalSeparator))
    , text_(std::move(text))
    , fields_(clearedFields())
    , stability_(decimalSeparator_)
    , savedWing_(onDisk()) {}

void WingSession::setPanelText(PanelField field, int panel, const std::string& text) {
    ::setPanelText(fields_, field, panel, text);
}

CalcReport WingSession::calculate() {
    const CalcReport report = calculateWing(fields_, decimalSeparator_, planform_, results_);
    hasValidResults_ = report.outcome == CalcOutcome::Ok;
    return report;
}

ResultTexts WingSession::resultTexts() const {
    return makeResultTexts(planform_, results_, decimalSeparator_, displayUnits());
}

DisplayUnits WingSession::displayUnits() const {
    return {units_, unitWords(text_)};
}

void WingSession::clear() {
    fields_ = clearedFields();
    hasValidResults_ = false;
    stability_.remove();
    ribs_.remove();
    savedWing_ = onDisk();
}

OpenOutcome WingSession::open(const std::string& path) {
    OpenOutcome outcome =
        openWith(path, [&path](WingFields& loaded) { return loadWingFile(path, loaded); });
    // The tail data lives beside the wing file; a failed open keeps the data already entered.
    if (!outcome.fileError) {
        outcome.stabilityProblem = stability_.loadBeside(path);
        outcome.ribsProblem = ribs_.loadBeside(path);
        savedWing_ = onDisk();
    }
    return outcome;
}

OpenOutcome WingSession::openBytes(const std::string& name, std::string_view bytes) {
    return openWith(name, [bytes](WingFields& loaded) { return loadWingFileBytes(bytes, loaded); });
}

// The file is read aside first: a short or unreadable file must not cost the wing being edited.
// Bytes from standard input have no folder, so no tail data comes with them.
OpenOutcome
WingSession::openWith(const std::string& path,
                      const std::function<std::optional<FileError>(WingFields&)>& load) {
    WingFields loaded = clearedFields();
    if (std::optional<FileError> error = load(loaded))
        return {std::move(error), {}};
    clear();
    fields_ = std::move(loaded);
    filePath_ = path;
    savedWing_ = onDisk();
    return {std::nullopt, calculate(), std::nullopt};
}

// Data that could not be written beside the wing stay unsaved.
SaveOutcome WingSession::saveAs(const std::string& path) {
    filePath_ = path;
    if (std::optional<FileError> error = saveWingFile(path, fields_))
        return {std::move(error), std::nullopt};
    SaveOutcome outcome{std::nullopt, stability_.saveBeside(path), ribs_.saveBeside(path)};
    const SavedWing now = onDisk();
    savedWing_.fields = now.fields;
    if (!outcome.stabilityProblem)
        savedWing_.stability = now.stability;
    if (!outcome.ribsProblem)
        savedWing_.ribs = now.ribs;
    return outcome;
}

WingSession::SavedWing WingSession::onDisk() const {
    return {fields_, stability_.exists() ? std::optional(stability_.fields()) : std::nullopt,
            ribs_.exists() ? std::optional(ribs_.definition()) : std::nullopt};
}

std::string WingSession::fileName() const {
    return bareFileName(filePath_);
}

SheetInputs WingSession::sheetInputs(std::string title, std::string date) const {
    SheetInputs inputs;
    inputs.lookup = text_;
    inputs.loadingCaption = resultTexts().wingLoading;
    inputs.title = std::move(title);
    inputs.date = std::move(date);
    inputs.decimalSeparator = decimalSeparator_;
    inputs.units = displayUnits();
    inputs.inputsTitle = inChosenUnits(kInputsTitle, units_);
    inputs.stability = stabilityResults();
    return inputs;
}
