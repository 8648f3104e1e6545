// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/DxfByteWriter.h"

#include <cctype>
#include <charconv>

// The base class opens a file by the name it is given; an empty name opens nothing.
DxfByteWriter::DxfByteWriter(DL_Codes::version dxfVersion)
    : DL_WriterA("", dxfVersion) {}

// Every decimal a double needs to read back exactly, never an exponent, always a point.
void DxfByteWriter::dxfReal(int code, double value) const {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (text.find('.') == std::string::npos)
        text += ".0";
    dxfString(code, text);
}

void DxfByteWriter::dxfInt(int code, int value) const {
    dxfString(code, std::to_string(value));
}

void DxfByteWriter::dxfHex(int code, int value) const {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    dxfString(code, text);
}

void DxfByteWriter::dxfString(int code, const char* value) const {
    dxfString(code, std::string(value));
}

void DxfByteWriter::dxfString(int code, const std::string& value) const {
    append(code, value);
    noteStructure(code, value);
    // A DIMSTYLE record's handle has its own group code.
    const bool handle = code == 5 || (code == 105 && objectType_ == "DIMSTYLE");
    if (handle && section_ != "HEADER") {
        objectHandle_ = value;
        append(330, ownerOfHandle(value));
    }
}

// Group codes right-aligned in three columns, as dxflib and most writers put them.
void DxfByteWriter::append(int code, const std::string& value) const {
    const std::string number = std::to_string(code);
    bytes_.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
    bytes_ += number;
    bytes_ += '\n';
    bytes_ += value;
    bytes_ += '\n';
}

void DxfByteWriter::noteStructure(int code, const std::string& value) const {
    if (sectionNameNext_ && code == 2) {
        section_ = value;
        sectionNameNext_ = false;
    }
    if (code == 0) {
        objectType_ = value;
        sectionNameNext_ = value == "SECTION";
        if (value == "ENDTAB")
            tableHandle_.clear();
    }
    if (section_ == "OBJECTS" && (code == 350 || code == 360))
        dictionaryOwners_.emplace(value, objectHandle_);
}

// A table belongs to nobody ("0"), its records to the table; an object to the dictionary that
// names it, the root dictionary to nobody.
std::string DxfByteWriter::ownerOfHandle(const std::string& handle) const {
    if (section_ == "TABLES") {
        if (objectType_ != "TABLE")
            return tableHandle_;
        tableHandle_ = handle;
        return "0";
    }
    if (section_ == "OBJECTS") {
        const auto found = dictionaryOwners_.find(handle);
        return found == dictionaryOwners_.end() ? "0" : found->second;
    }
    return owner_;
}
