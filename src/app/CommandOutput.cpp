// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandOutput.h"

#include "app/CommandLine.h"
#include "base/CheckedOutput.h"
#include "base/OutputFile.h"
#include "i18n/FailureReport.h"
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

// --help and --version run without a language, so the words are the plain ones.
int finishStandardOutput(int status, CheckedOutputBuffer& out, std::ostream& err) {
    const std::optional<FileError> error = out.finish();
    if (!error)
        return status;
    err << "wingsheet: " << plainFailureText(*error, "write", "standard output") << '\n';
    return 1;
}
