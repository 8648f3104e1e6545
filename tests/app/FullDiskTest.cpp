// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that is really full: a small tmpfs filled to the last page. Every output onto a file
// that already lies there is refused with ENOSPC and leaves that file byte for byte as it was.
#include "OutputKinds.h"
#include "calc/CalculateWing.h"
#include "print/SheetPrinter.h"
#include "support/WingTexts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A 64 KiB tmpfs on a folder of the test's own, unmounted when the scope ends.
class SmallDisk {
public:
    SmallDisk() {
        if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", MS_NODEV | MS_NOSUID, "size=64k") ==
            0)
            mounted_ = true;
        else
            why_ = std::strerror(errno);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk() {
        if (mounted_)
            ::umount2(folder_.path().c_str(), MNT_DETACH);
    }

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    std::string operator/(const std::string& name) const { return folder_ / name; }

    // Writes a filler file until the file system has no page left.
    void fill() const {
        const int fd = ::open((folder_ / "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        const std::string page(4096, 'f');
        while (::write(fd, page.data(), page.size()) > 0) {
        }
        ::close(fd);
    }

private:
    TestFolder folder_;
    bool mounted_ = false;
    std::string why_;
};

TEST(FullDisk, EveryOutputIsRefusedWithENOSPCAndTheOldFileKept) {
    const SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << disk.why()
                     << "); the file-size-limit test stands in for a full disk";
    OutputWriter writer;
    const std::string oldBytes[] = {
        kTwoPanelWingFile, "[Langue]\r\n1=Deutsch\r\n", "<svg old/>",         "%PDF-1.4 old sheet",
        "0\nSECTION\n",    "<svg old outline/>",        "%PDF-1.4 old tiles",
    };
    static_assert(std::size(oldBytes) == std::size(kOutputKinds));
    for (std::size_t i = 0; i < std::size(kOutputKinds); ++i)
        writeBytes(disk / std::to_string(i), oldBytes[i]);
    disk.fill();

    for (std::size_t i = 0; i < std::size(kOutputKinds); ++i) {
        SCOPED_TRACE(outputName(kOutputKinds[i]));
        EXPECT_EQ(writer.write(kOutputKinds[i], disk / std::to_string(i)), ENOSPC);
        EXPECT_EQ(readBytes(disk / std::to_string(i)), oldBytes[i]);
    }

    // Print to PDF from the window prints through the same routine.
    WingPlanform planform;
    WingResults results;
    ASSERT_EQ(calculateWing(typedWing({{"250", "150", "1000", "50"}}, "30", "1500"), ".", planform,
                            results)
                  .outcome,
              CalcOutcome::Ok);
    SheetInputs inputs;
    inputs.title = "Full disk";
    const SheetPrintOutcome printed =
        printSheetTo(planform, results, inputs, SheetTarget::pdf(disk / "3"));
    EXPECT_FALSE(printed.printed);
    ASSERT_TRUE(printed.fileError.has_value());
    EXPECT_EQ(printed.fileError->number, ENOSPC);
    EXPECT_EQ(readBytes(disk / "3"), oldBytes[3]);
}

} // namespace
