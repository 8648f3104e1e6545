// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenedWing.h"

#include "app/CommandLine.h"
#include "app/CommandOutput.h"
#include "session/OutcomeMessages.h"

#include <ostream>

OpenedWing openWing(const std::string& path, std::string_view decimalSeparator,
                    const TextLookup& text) {
    OpenedWing wing{path, WingSession(std::string(decimalSeparator), text), {}};
    if (path != kStandardStream) {
        wing.outcome = wing.session.open(path);
        return wing;
    }
    std::string bytes;
    if (std::optional<FileError> error = readStandardInput(bytes))
        wing.outcome.fileError = std::move(error);
    else
        wing.outcome = wing.session.openBytes(path, bytes);
    return wing;
}

std::string outcomeMessage(const OpenedWing& wing) {
    const TextLookup& text = wing.session.text();
    if (wing.outcome.fileError)
        return fileErrorMessage(*wing.outcome.fileError, text);
    return calculationMessage(wing.outcome.report, text);
}

std::optional<OpenedWing> openCalculatedWing(const std::string& path,
                                             std::string_view decimalSeparator,
                                             const TextLookup& text, UnitChoice units,
                                             std::ostream& err) {
    OpenedWing wing = openWing(path, decimalSeparator, text);
    wing.session.setUnits(units);
    if (wing.outcome.calculated())
        return wing;
    err << "wingsheet: " << wing.path << ": " << asTerminalLines(outcomeMessage(wing)) << '\n';
    return std::nullopt;
}
