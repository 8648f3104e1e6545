// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WingFile.h"

#include "base/OutputFile.h"
#include "base/TextEncoding.h"
#include "base/TextLines.h"

namespace {

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

// A file stops short when a block needs a line that is not there.
class BlockReader {
public:
    explicit BlockReader(std::string_view content)
        : lines_(content) {}

    bool atEnd() const { return lines_.atEnd(); }

    bool read(std::string& line) {
        const std::optional<TextLine> next = lines_.next();
        if (!next)
            return false;
        line.assign(next->text);
        return true;
    }

private:
    TextLineReader lines_;
};

bool readPanel(BlockReader& reader, WingFields& fields, int panel) {
    std::string tipChord;
    if (!reader.read(fields.rootChord[panel]) || !reader.read(tipChord))
        return false;
    setTipChord(fields, panel, tipChord);
    return reader.read(fields.panelLength[panel]) && reader.read(fields.sweepOffset[panel]);
}

bool readBlock(BlockReader& reader, WingFields& fields) {
    std::string header;
    if (!reader.read(header))
        return false;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        if (!readPanel(reader, fields, panel))
            return false;
    }
    std::string massLine;
    if (!reader.read(fields.balancePercent) || !reader.read(massLine))
        return false;
    if (header.starts_with(kMassHeaderTag))
        fields.mass = std::move(massLine);
    return true;
}

} // namespace

std::string wingFileText(const WingFields& fields) {
    std::string text;
    appendLine(text, kWingFileHeader);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        appendLine(text, fields.rootChord[panel]);
        appendLine(text, fields.tipChord[panel]);
        appendLine(text, fields.panelLength[panel]);
        appendLine(text, fields.sweepOffset[panel]);
    }
    appendLine(text, fields.balancePercent);
    appendLine(text, fields.mass);
    return text;
}

std::optional<FileError> saveWingFile(const std::string& path, const WingFields& fields) {
    return writeOutputFile(path, windows1252OrUtf8(wingFileText(fields)));
}

std::optional<FileError> loadWingFileText(std::string_view content, WingFields& fields) {
    BlockReader reader(content);
    while (!reader.atEnd()) {
        if (!readBlock(reader, fields))
            return kInputPastEndOfFile;
    }
    return std::nullopt;
}

std::optional<FileError> loadWingFile(const std::string& path, WingFields& fields) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes))
        return error;
    return loadWingFileBytes(bytes, fields);
}

std::optional<FileError> loadWingFileBytes(std::string_view bytes, WingFields& fields) {
    return loadWingFileText(decodeText(bytes), fields);
}
