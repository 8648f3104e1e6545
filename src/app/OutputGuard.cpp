// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OutputGuard.h"

#include "app/CommandOutput.h"
#include "base/FileIdentity.h"
#include "files/StabilityFile.h"
#include "files/WingFilePath.h"

#include <ostream>
#include <unistd.h>
#include <vector>

namespace {

std::optional<FileIdentity> identityOf(const std::string& path, int standardStream) {
    return path == kStandardStream ? descriptorIdentity(standardStream) : fileIdentity(path);
}

struct ProtectedFile {
    std::string path;
    std::string shown; // what the user is told it is
};

// The companions lie beside a wing read from a file; standard input has none.
std::vector<ProtectedFile> protectedFiles(const std::string& wing) {
    if (wing == kStandardStream)
        return {{wing, "the wing file read from standard input"}};
    const std::string stability = stabilityFilePath(wing);
    const std::string ribs = companionFilePath(wing, kRibsFileSuffix);
    return {{wing, "the wing file " + wing},
            {stability, "the wing's tail data " + stability},
            {ribs, "the wing's ribs " + ribs}};
}

} // namespace

bool outputWouldReplaceInput(const CommandRequest& request, std::ostream& err) {
    const std::optional<FileIdentity> output = identityOf(request.outputPath, STDOUT_FILENO);
    if (!output)
        return false;
    for (const std::string& wing : request.files) {
        for (const ProtectedFile& file : protectedFiles(wing)) {
            if (identityOf(file.path, STDIN_FILENO) != output)
                continue;
            err << "wingsheet: " << request.outputPath << " would replace " << file.shown
                << "; nothing written\n";
            return true;
        }
    }
    return false;
}
