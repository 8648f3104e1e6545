// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/IniFile.h"

#include "base/OutputFile.h"
#include "base/TextEncoding.h"
#include "i18n/IniText.h"

#include <algorithm>
#include <cerrno>

namespace {

bool isMissingFile(const FileError& error) {
    return error.number == ENOENT;
}

enum class IniEncoding { Windows1252, Utf8, Utf8WithBom };

// Plain ASCII counts as 8-bit: only a BOM or real UTF-8 sequences make a file UTF-8.
IniEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return IniEncoding::Utf8WithBom;
    const bool ascii = std::ranges::none_of(
        bytes, [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
    if (!ascii && isValidUtf8(bytes))
        return IniEncoding::Utf8;
    return IniEncoding::Windows1252;
}

std::string encode(const std::string& content, IniEncoding encoding) {
    if (encoding == IniEncoding::Utf8WithBom)
        return std::string(kUtf8ByteOrderMark) + content;
    if (encoding == IniEncoding::Windows1252)
        return windows1252OrUtf8(content);
    return content;
}

} // namespace

std::string iniValueIn(std::string_view text, std::string_view section, std::string_view key,
                       std::size_t maxCharacters) {
    const std::optional<std::string> value = findIniValue(text, section, key);
    return value ? std::string(firstCharacters(*value, maxCharacters)) : std::string();
}

IniRead iniReadFailure(FileError error) {
    if (isMissingFile(error))
        return {};
    return {{}, std::move(error)};
}

IniRead readIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::size_t maxCharacters) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes)) {
        return iniReadFailure(std::move(*error));
    }
    return {iniValueIn(decodeText(bytes), section, key, maxCharacters), {}};
}

std::optional<FileError> writeIniValue(const std::string& path, std::string_view section,
                                       std::string_view key, std::string_view value) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes)) {
        if (!isMissingFile(*error))
            return error;
    }
    const std::string content = setIniValue(decodeText(bytes), section, key, value);
    return writeOutputFile(path, encode(content, detectEncoding(bytes)));
}
