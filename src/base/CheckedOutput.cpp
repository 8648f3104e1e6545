// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/CheckedOutput.h"

#include "base/OutputFile.h"

CheckedOutput::CheckedOutput(Writer writer)
    : std::ostream(nullptr)
    , buffer_(writer ? std::move(writer) : Writer(writeStandardOutput)) {
    rdbuf(&buffer_);
}

std::optional<FileError> CheckedOutput::finish() {
    flush();
    return buffer_.error;
}

CheckedOutput::Buffer::Buffer(Writer writer)
    : writer_(std::move(writer)) {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

// After a failure the buffer stays full, so the stream goes bad and writes nothing more.
bool CheckedOutput::Buffer::drain() {
    if (error)
        return false;
    error = writer_({pbase(), static_cast<std::size_t>(pptr() - pbase())});
    if (error)
        return false;
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return true;
}

CheckedOutput::Buffer::int_type CheckedOutput::Buffer::overflow(int_type character) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(character, traits_type::eof()))
        sputc(traits_type::to_char_type(character));
    return traits_type::not_eof(character);
}

int CheckedOutput::Buffer::sync() {
    return drain() ? 0 : -1;
}
