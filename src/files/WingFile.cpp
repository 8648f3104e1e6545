#include "files/WingFile.h"

#include "base/TextEncoding.h"
#include "base/TextLines.h"

namespace {

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

// A file stops short when a block needs a line that is not there.
class BlockReader {
public:
    explicit BlockReader(std::string_view content)
        : lines_(content) {}

    bool AtEnd() const { return lines_.AtEnd(); }

    bool Read(std::string& line) {
        const std::optional<TextLine> next = lines_.Next();
        if (!next)
            return false;
        line.assign(next->text);
        return true;
    }

private:
    TextLineReader lines_;
};

bool ReadPanel(BlockReader& reader, WingFields& fields, int panel) {
    std::string tipChord;
    if (!reader.Read(fields.C_max[panel]) || !reader.Read(tipChord))
        return false;
    SetTipChord(fields, panel, tipChord);
    return reader.Read(fields.L_trap[panel]) && reader.Read(fields.deport[panel]);
}

bool ReadBlock(BlockReader& reader, WingFields& fields) {
    std::string header;
    if (!reader.Read(header))
        return false;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        if (!ReadPanel(reader, fields, panel))
            return false;
    }
    std::string massLine;
    if (!reader.Read(fields.Cg) || !reader.Read(massLine))
        return false;
    if (header.starts_with(kMassHeaderTag))
        fields.masse = std::move(massLine);
    return true;
}

} // namespace

std::string WingFileText(const WingFields& fields) {
    std::string text;
    AppendLine(text, kWingFileHeader);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        AppendLine(text, fields.C_max[panel]);
        AppendLine(text, fields.C_min[panel]);
        AppendLine(text, fields.L_trap[panel]);
        AppendLine(text, fields.deport[panel]);
    }
    AppendLine(text, fields.Cg);
    AppendLine(text, fields.masse);
    return text;
}

std::optional<FileError> SaveWingFile(const std::string& path, const WingFields& fields) {
    const std::string text = WingFileText(fields);
    const std::optional<std::string> windows1252 = EncodeWindows1252Unambiguously(text);
    return WriteFileAtomically(path, windows1252 ? *windows1252 : text);
}

std::optional<FileError> LoadWingFileText(std::string_view content, WingFields& fields) {
    BlockReader reader(content);
    while (!reader.AtEnd()) {
        if (!ReadBlock(reader, fields))
            return kInputPastEndOfFile;
    }
    return std::nullopt;
}

std::optional<FileError> LoadWingFile(const std::string& path, WingFields& fields) {
    std::string bytes;
    if (std::optional<FileError> error = ReadFileBytes(path, bytes))
        return error;
    return LoadWingFileText(DecodeText(bytes), fields);
}
