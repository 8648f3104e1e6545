// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of this fuzzing process for the targets that go through real files, on tmpfs when
// the machine has one: thousands of atomic writes a second must not wait for a disk.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

class ScratchFolderOwner {
public:
    ScratchFolderOwner() {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        path_ = (base / ("wingsheet-fuzz-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(path_);
    }
    ScratchFolderOwner(const ScratchFolderOwner&) = delete;
    ScratchFolderOwner& operator=(const ScratchFolderOwner&) = delete;
    ~ScratchFolderOwner() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Removed when the fuzzing run ends normally; a crashed run leaves it for the post-mortem.
inline const std::string& scratchFolder() {
    static const ScratchFolderOwner owner;
    return owner.path();
}
