// SPDX-License-Identifier: GPL-3.0-or-later
// A stream for what a command prints on standard output, where a full disk, a closed descriptor
// or a device that refuses the write must not pass unnoticed: the first failure is kept with
// its error number, and nothing more is written after it.
#pragma once

#include "base/TextFile.h"

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string_view>

class CheckedOutput : public std::ostream {
public:
    using Writer = std::function<std::optional<FileError>(std::string_view bytes)>;
    // Standard output by default.
    explicit CheckedOutput(Writer writer = {});
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    // Writes what is still buffered; the first failure of the whole output, if any.
    std::optional<FileError> finish();

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(Writer writer);
        std::optional<FileError> error;

    protected:
        int_type overflow(int_type character) override;
        int sync() override;

    private:
        bool drain();
        Writer writer_;
        std::array<char, 16384> bytes_{};
    };
    Buffer buffer_;
};
