// SPDX-License-Identifier: GPL-3.0-or-later
// dxflib's ASCII writer, collecting the document in memory instead of a file: the program's one
// write routine puts it on disk. Numbers are written in the C locale's form, shortest exact.
// dxflib writes no owner handles; this writer puts one (group 330) after every handle outside
// the header, so a reader that checks them (ezdxf's audit) finds every object's owner.
#pragma once

#include <dl_writer_ascii.h>
#include <map>
#include <string>

class DxfByteWriter : public DL_WriterA {
public:
    explicit DxfByteWriter(DL_Codes::version dxfVersion);

    const std::string& bytes() const { return bytes_; }

    // The owner of the handles in the blocks and entities sections, where the file does not
    // say it: the block record of each block, model space's for the entities.
    void setOwner(std::string handle) { owner_ = std::move(handle); }

    void dxfReal(int code, double value) const override;
    void dxfInt(int code, int value) const override;
    void dxfHex(int code, int value) const override;
    void dxfString(int code, const char* value) const override;
    void dxfString(int code, const std::string& value) const override;

private:
    void append(int code, const std::string& value) const;
    void noteStructure(int code, const std::string& value) const;
    std::string ownerOfHandle(const std::string& handle) const;

    // dxflib's writing functions are const; the document grows behind them.
    mutable std::string bytes_;
    mutable std::string section_;
    mutable std::string objectType_; // the last group 0
    mutable bool sectionNameNext_ = false;
    mutable std::string tableHandle_; // the table whose records follow
    mutable std::string objectHandle_;
    // Objects named by a dictionary entry belong to that dictionary.
    mutable std::map<std::string, std::string> dictionaryOwners_;
    std::string owner_ = "0";
};
