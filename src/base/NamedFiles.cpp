// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/NamedFiles.h"

#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"

#include <algorithm>

namespace {

// A file called only ".lng" names nothing.
bool hasExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.size() <= extension.size())
        return false;
    return equalsIgnoringAsciiCase(fileName.substr(fileName.size() - extension.size()), extension);
}

// A name copied from an old Windows disk keeps its Windows-1252 bytes.
std::string displayName(std::string_view stem) {
    return isValidUtf8(stem) ? std::string(stem) : windows1252ToUtf8(stem);
}

} // namespace

std::vector<NamedFile> listNamedFiles(const std::string& folder, std::string_view extension) {
    std::vector<NamedFile> files;
    const auto named = [extension](std::string_view fileName) {
        return hasExtension(fileName, extension);
    };
    for (const std::string& fileName : regularFileNames(folder, named)) {
        const std::string_view stem =
            std::string_view(fileName).substr(0, fileName.size() - extension.size());
        std::string path = folder;
        path += kPathSeparator;
        path += fileName;
        files.push_back({displayName(stem), std::move(path)});
    }
    std::ranges::sort(files);
    return files;
}

std::optional<std::string> findNamedFile(const std::string& folder, const std::string& name,
                                         std::string_view extension) {
    const std::string exact = folder + kPathSeparator + name + std::string(extension);
    if (fileExists(exact))
        return exact;
    for (const NamedFile& file : listNamedFiles(folder, extension)) {
        if (file.name == name)
            return file.path;
    }
    return std::nullopt;
}
