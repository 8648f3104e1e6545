// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextLines.h"

std::optional<TextLine> TextLineReader::next() {
    if (atEnd())
        return std::nullopt;
    TextLine line;
    line.begin = position_;
    const std::size_t stop = content_.find_first_of("\r\n", position_);
    const std::size_t textEnd = stop == std::string_view::npos ? content_.size() : stop;
    line.text = content_.substr(position_, textEnd - position_);
    std::size_t endingLength = 0;
    if (textEnd < content_.size())
        endingLength = content_.compare(textEnd, 2, "\r\n") == 0 ? 2 : 1;
    line.ending = content_.substr(textEnd, endingLength);
    line.end = textEnd + endingLength;
    position_ = line.end;
    return line;
}

std::string_view firstLineEnding(std::string_view content) {
    const std::size_t stop = content.find_first_of("\r\n");
    if (stop == std::string_view::npos)
        return {};
    const bool crlf = content.compare(stop, 2, "\r\n") == 0;
    return content.substr(stop, crlf ? 2 : 1);
}
