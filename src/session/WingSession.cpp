#include "session/WingSession.h"

#include "files/WingFile.h"
#include "files/WingFilePath.h"

WingSession::WingSession(std::string decimalSeparator, TextLookup text)
    : decimalSeparator_(std::move(decimalSeparator))
    , text_(std::move(text))
    , fields_(ClearedFields()) {}

void WingSession::setPanelText(PanelField field, int panel, const std::string& text) {
    switch (field) {
    case PanelField::RootChord:
        fields_.C_max[panel] = text;
        break;
    case PanelField::TipChord:
        SetTipChord(fields_, panel, text);
        break;
    case PanelField::PanelLength:
        fields_.L_trap[panel] = text;
        break;
    case PanelField::SweepOffset:
        fields_.deport[panel] = text;
        break;
    }
}

CalcReport WingSession::calculate() {
    const CalcReport report = CalculateWing(fields_, decimalSeparator_, planform_, results_);
    hasValidResults_ = report.outcome == CalcOutcome::Ok;
    return report;
}

ResultTexts WingSession::resultTexts() const {
    return MakeResultTexts(planform_, results_, decimalSeparator_);
}

void WingSession::clear() {
    fields_ = ClearedFields();
    hasValidResults_ = false;
}

OpenOutcome WingSession::open(const std::string& path) {
    filePath_ = path;
    clear();
    WingFields loaded = ClearedFields();
    if (std::optional<FileError> error = LoadWingFile(path, loaded)) {
        clear();
        return {std::move(error), {}};
    }
    fields_ = std::move(loaded);
    return {std::nullopt, calculate()};
}

std::optional<FileError> WingSession::saveAs(const std::string& path) {
    filePath_ = path;
    return SaveWingFile(path, fields_);
}

std::string WingSession::fileName() const {
    return BareFileName(filePath_);
}

SheetInputs WingSession::sheetInputs(std::string title, std::string date) const {
    SheetInputs inputs;
    inputs.lookup = text_;
    inputs.loadingCaption = resultTexts().LbafficheCA;
    inputs.title = std::move(title);
    inputs.date = std::move(date);
    inputs.decimalSeparator = decimalSeparator_;
    return inputs;
}
