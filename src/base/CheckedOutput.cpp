// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/CheckedOutput.h"

#include "base/OutputFile.h"

CheckedOutputBuffer::CheckedOutputBuffer() {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

std::optional<FileError> CheckedOutputBuffer::finish() {
    sync();
    return error_;
}

// After a failure the buffer stays full, so every later write fails at once.
bool CheckedOutputBuffer::drain() {
    if (error_)
        return false;
    error_ = writeStandardOutput({pbase(), static_cast<std::size_t>(pptr() - pbase())});
    if (error_)
        return false;
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return true;
}

CheckedOutputBuffer::int_type CheckedOutputBuffer::overflow(int_type character) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(character, traits_type::eof()))
        sputc(traits_type::to_char_type(character));
    return traits_type::not_eof(character);
}

int CheckedOutputBuffer::sync() {
    return drain() ? 0 : -1;
}
