// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (file and print dialogs, standard buttons, the overwrite question) in the
// language of the run, from the translations Qt ships, so they read like the program's own.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>

class QtTranslations {
public:
    // Qt's texts in that locale ("de", "pt_BR") from now on; false, with Qt's own English, when
    // Qt has no translations for it.
    bool follow(const std::string& localeName);

private:
    std::unique_ptr<QTranslator> translator_; // removes itself from the application when it goes
};
