// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/OutputFolder.h"

#include <QDir>
#include <QStandardPaths>

QString documentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

QString fileNameFor(const QString& title, const QString& suffix) {
    QString name = title;
    for (QChar& character : name) {
        if (character.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(character))
            character = u'_';
    }
    return name + suffix;
}

FileDialogRequest pdfFileDialog(const QString& dialogTitle, const QString& sheetTitle) {
    return {dialogTitle, QStringLiteral("PDF (*.pdf)"), documentsFolder(),
            fileNameFor(sheetTitle, QStringLiteral(".pdf")), QStringLiteral("pdf")};
}
