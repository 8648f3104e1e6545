#include "i18n/Language.h"

#include "i18n/IniText.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>

std::string CurrentLanguageName;
std::string CurrentLanguageFile;
bool ChoosingAtStartup = false;

namespace {

enum class IniEncoding { Windows1252, Utf8, Utf8WithBom };

// A missing file is an ordinary state (no language yet, no tz.ini yet), never a failure.
bool IsMissingFile(const FileError& error) {
    return error.number == ENOENT;
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::size_t maxCharacters, std::string_view procedure) {
    std::string bytes;
    if (const std::optional<FileError> error = ReadFileBytes(path, bytes)) {
        if (IsMissingFile(*error))
            ForgetReadFailure(path);
        else
            ReportReadFailureOnce(path, *error, procedure);
        return {};
    }
    ForgetReadFailure(path);
    const std::optional<std::string> value = FindIniValue(DecodeText(bytes), section, key);
    return value ? std::string(FirstCharacters(*value, maxCharacters)) : std::string();
}

// Plain ASCII counts as 8-bit: only a BOM or real UTF-8 sequences make a file UTF-8.
IniEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return IniEncoding::Utf8WithBom;
    const bool ascii = std::ranges::none_of(
        bytes, [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
    if (!ascii && IsValidUtf8(bytes))
        return IniEncoding::Utf8;
    return IniEncoding::Windows1252;
}

std::string Encode(const std::string& content, IniEncoding encoding) {
    if (encoding == IniEncoding::Utf8WithBom)
        return std::string(kUtf8ByteOrderMark) + content;
    if (encoding == IniEncoding::Windows1252) {
        if (std::optional<std::string> bytes = EncodeWindows1252Unambiguously(content))
            return *std::move(bytes);
    }
    return content;
}

} // namespace

void SelectLanguage(const std::string& name) {
    CurrentLanguageName = name;
    CurrentLanguageFile = kPathSeparator + name + ".lng";
}

std::string GetINIFile(std::string_view section, std::string_view key) {
    if (CurrentLanguageFile.empty())
        return {};
    return ReadIniValue(ProgramFolder() + CurrentLanguageFile, section, key,
                        kLanguageTextMaxCharacters, "GetINIFile");
}

std::string GetINI(std::string_view section, std::string_view key, std::string_view fileName) {
    return ReadIniValue(ProgramFolder() + std::string(fileName), section, key,
                        kSettingMaxCharacters, "GetINI");
}

bool WriteINI(std::string_view section, std::string_view key, std::string_view value,
              std::string_view fileName) {
    const std::string path = ProgramFolder() + std::string(fileName);
    std::string bytes;
    if (const std::optional<FileError> error = ReadFileBytes(path, bytes)) {
        if (!IsMissingFile(*error)) {
            ReportFailure(*error, "WriteINI");
            return false;
        }
    }
    const std::string content = SetIniValue(DecodeText(bytes), section, key, value);
    if (const std::optional<FileError> error =
            WriteFileAtomically(path, Encode(content, DetectEncoding(bytes)))) {
        ReportFailure(*error, "WriteINI");
        return false;
    }
    return true;
}
