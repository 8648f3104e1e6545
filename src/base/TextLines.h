// SPDX-License-Identifier: GPL-3.0-or-later
// Splits text into lines the way line-input of a sequential file does, accepting CRLF, LF and
// CR endings, and remembers where each line and its ending lie so editors can keep bytes intact.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct TextLine {
    std::string_view text;   // without its line ending
    std::size_t begin = 0;   // offset of the first character
    std::size_t end = 0;     // offset just past the line ending
    std::string_view ending; // "\r\n", "\n", "\r" or "" for a last line without one
};

class TextLineReader {
public:
    explicit TextLineReader(std::string_view content)
        : content_(content) {}

    // True once every byte has been consumed: a final line ending does not open another line.
    bool atEnd() const { return position_ >= content_.size(); }

    // nullopt when reading past the end of the text.
    std::optional<TextLine> next();

private:
    std::string_view content_;
    std::size_t position_ = 0;
};

// The ending of the first line that has one, or "" when the text has no line ending.
std::string_view firstLineEnding(std::string_view content);
