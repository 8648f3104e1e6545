// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/OutputFolder.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "ui/common/FeatureContext.h"
#include "ui/common/LanguageText.h"

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

FileDialogRequest pdfFileDialog(const FeatureContext& context, const QString& dialogTitle,
                                const QString& sheetTitle) {
    return {dialogTitle, QStringLiteral("PDF (*.pdf)"), dialogFolder(context, documentsFolder),
            fileNameFor(sheetTitle, QStringLiteral(".pdf")), QStringLiteral("pdf")};
}

QString pdfWrittenMessage(const LanguageState& language, std::size_t pages, const QString& path) {
    return fromUtf8(
        fillIn(language.text(kPdfWrittenMessage), {std::to_string(pages), path.toStdString()}));
}
