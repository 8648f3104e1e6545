// SPDX-License-Identifier: GPL-3.0-or-later
// The buffer of what a command prints on standard output, where a full disk, a closed descriptor
// or a device that refuses the write must not pass unnoticed: the first failure is kept with its
// error number, and nothing is written after it (the stream on it goes bad).
#pragma once

#include "base/TextFile.h"

#include <array>
#include <optional>
#include <streambuf>

class CheckedOutputBuffer : public std::streambuf {
public:
    CheckedOutputBuffer();

    // Writes what is still buffered; the first failure of the whole output, if any.
    std::optional<FileError> finish();

protected:
    int_type overflow(int_type character) override;
    int sync() override;

private:
    bool drain();
    std::optional<FileError> error_;
    std::array<char, 16384> bytes_{};
};
