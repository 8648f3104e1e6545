// SPDX-License-Identifier: GPL-3.0-or-later
// dxflib's ASCII writer, collecting the document in memory instead of a file: the program's one
// write routine puts it on disk. Numbers are written in the C locale's form, shortest exact.
#pragma once

#include <dl_writer_ascii.h>
#include <string>

class DxfByteWriter : public DL_WriterA {
public:
    explicit DxfByteWriter(DL_Codes::version dxfVersion);

    const std::string& bytes() const { return bytes_; }

    void dxfReal(int code, double value) const override;
    void dxfInt(int code, int value) const override;
    void dxfHex(int code, int value) const override;
    void dxfString(int code, const char* value) const override;
    void dxfString(int code, const std::string& value) const override;

private:
    // dxflib's writing functions are const; the document grows behind them.
    mutable std::string bytes_;
};
