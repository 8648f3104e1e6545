#include "base/ProgramFolder.h"

namespace {

std::string& StoredProgramFolder() {
    static std::string folder;
    return folder;
}

} // namespace

void SetProgramFolder(std::string folder) {
    StoredProgramFolder() = std::move(folder);
}

const std::string& ProgramFolder() {
    return StoredProgramFolder();
}
