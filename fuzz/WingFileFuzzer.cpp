// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the wing-file reader on any bytes: the decoding, the blocks and the tip-chord chaining.
// A file that loads saves and loads again to the same fields once its chaining has settled.
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "files/WingFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kLinesPerBlock = 23;

int countLines(std::string_view content) {
    TextLineReader reader(content);
    int count = 0;
    while (reader.next())
        ++count;
    return count;
}

// save as, then open, through a real file as the window does it.
WingFields savedAndOpened(const WingFields& fields) {
    const std::string path = scratchFolder() + "/wing.txt";
    require(!saveWingFile(path, fields), "a wing file on tmpfs can be saved");
    WingFields opened = clearedFields();
    require(!loadWingFile(path, opened), "a saved wing file opens");
    return opened;
}

void checkBareName(std::string_view path) {
    const std::string name = bareFileName(path);
    require(path.ends_with(name), "the bare name ends the path");
    require(name.find(kPathSeparator) == std::string::npos, "the bare name has no separator");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string content = decodeText(bytes);
    // A file with a byte-order mark keeps its bytes as they are, even ill-formed ones.
    if (!bytes.starts_with(kUtf8ByteOrderMark))
        require(isValidUtf8(content), "decoded text is UTF-8");
    checkBareName(content);

    WingFields loaded = clearedFields();
    if (const std::optional<FileError> error = loadWingFileText(content, loaded)) {
        require(*error == kInputPastEndOfFile, "a short file reads past its end");
        return 0;
    }
    // One block from a cleared form is already settled; more blocks settle in one save.
    const WingFields once = savedAndOpened(loaded);
    if (countLines(content) == kLinesPerBlock)
        require(once == loaded, "a one-block file saves and opens unchanged");
    require(savedAndOpened(once) == once, "a saved wing opens as it was saved");
    return 0;
}
