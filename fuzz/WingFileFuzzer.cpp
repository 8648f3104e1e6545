// Fuzzes the wing-file reader on any bytes: the decoding, the blocks and the tip-chord chaining.
// A file that loads saves and loads again to the same fields once its chaining has settled.
#include "FuzzCheck.h"
#include "base/ProgramFolder.h"
#include "ScratchFolder.h"
#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "files/WingFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kLinesPerBlock = 23;

int CountLines(std::string_view content) {
    TextLineReader reader(content);
    int count = 0;
    while (reader.Next())
        ++count;
    return count;
}

// Save as, then Open, through a real file as the window does it.
WingFields SavedAndOpened(const WingFields& fields) {
    const std::string path = ScratchFolder() + "/wing.txt";
    Require(!SaveWingFile(path, fields), "a wing file on tmpfs can be saved");
    WingFields opened = ClearedFields();
    Require(!LoadWingFile(path, opened), "a saved wing file opens");
    return opened;
}

void CheckBareName(std::string_view path) {
    const std::string name = BareFileName(path);
    Require(path.ends_with(name), "the bare name ends the path");
    Require(name.find(kPathSeparator) == std::string::npos, "the bare name has no separator");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string content = DecodeText(bytes);
    // A file with a byte-order mark keeps its bytes as they are, even ill-formed ones.
    if (!bytes.starts_with(kUtf8ByteOrderMark))
        Require(IsValidUtf8(content), "decoded text is UTF-8");
    CheckBareName(content);

    WingFields loaded = ClearedFields();
    if (const std::optional<FileError> error = LoadWingFileText(content, loaded)) {
        Require(*error == kInputPastEndOfFile, "a short file reads past its end");
        return 0;
    }
    // One block from a cleared form is already settled; more blocks settle in one save.
    const WingFields once = SavedAndOpened(loaded);
    if (CountLines(content) == kLinesPerBlock)
        Require(once == loaded, "a one-block file saves and opens unchanged");
    Require(SavedAndOpened(once) == once, "a saved wing opens as it was saved");
    return 0;
}
