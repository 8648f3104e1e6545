// SPDX-License-Identifier: GPL-3.0-or-later
// The documents made with Qt (PDF, SVG) handed to the file layer, which takes plain bytes.
#pragma once

#include <QByteArray>
#include <string_view>

inline std::string_view bytesOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}
