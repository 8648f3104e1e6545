// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandOutput.h"

#include "app/CommandLine.h"
#include "base/OutputFile.h"
#include "session/OutcomeMessages.h"

#include <ostream>

int writeCommandOutput(const std::string& path, std::string_view bytes, const TextLookup& text,
                       std::ostream& err) {
    const std::optional<FileError> error =
        path == kStandardStream ? writeStandardOutput(bytes) : writeOutputFile(path, bytes);
    if (!error)
        return 0;
    err << "wingsheet: " << path << ": " << asTerminalLines(fileErrorMessage(*error, text)) << '\n';
    return 1;
}
