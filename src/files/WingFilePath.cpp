#include "files/WingFilePath.h"

#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"

int LenMonFichier(std::string_view path) {
    const std::size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string_view::npos)
        return 0;
    return static_cast<int>(CountCharacters(path.substr(0, slash + 1)));
}

std::string BareFileName(std::string_view path) {
    const std::size_t length = CountCharacters(path);
    return std::string(
        LastCharacters(path, length - static_cast<std::size_t>(LenMonFichier(path))));
}
