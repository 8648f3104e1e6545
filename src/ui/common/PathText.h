// SPDX-License-Identifier: GPL-3.0-or-later
// Paths are the file system's bytes, which need not be UTF-8. Qt shows them and its dialogs
// return them as text; these two are the only crossings between the two.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

inline QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
