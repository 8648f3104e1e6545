// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

bool QtTranslations::follow(const std::string& localeName) {
    translator_.reset();
    auto translator = std::make_unique<QTranslator>();
    const QLocale locale(QString::fromStdString(localeName));
    if (locale == QLocale::c() ||
        !translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    return true;
}
