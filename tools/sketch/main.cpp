// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures that the repository keeps, with the program's own calculation and planform
// code: the help sketch of one language, or the About window's planform. Writes PNG files.
#include "AboutPicture.h"
#include "HelpSketch.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"

#include <QGuiApplication>
#include <iostream>
#include <string>

namespace {

// caption texts end in " :" or ":" where the window adds nothing; a drawing needs the bare words.
QString words(const LanguageState& language, TextKey key) {
    QString text = QString::fromStdString(language.text(key)).trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

SketchWords wordsOf(const LanguageState& language) {
    return {words(language, kInputsTitle),        words(language, kPanelCaption),
            words(language, kRootChordCaption),   words(language, kTipChordCaption),
            words(language, kPanelLengthCaption), words(language, kSweepOffsetCaption),
            words(language, kBalanceCaption),     words(language, kMeanChordStationCaption),
            words(language, kMeanChordCaption),   words(language, kBalanceDistanceCaption)};
}

int usage() {
    std::cerr << "usage: wingsheet_sketch help LANGUAGE_FOLDER LANGUAGE OUT.png\n"
                 "       wingsheet_sketch about OUT.png\n";
    return 2;
}

bool save(const QImage& image, const char* path) {
    if (image.save(QString::fromLocal8Bit(path), "PNG"))
        return true;
    std::cerr << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string action = argc > 1 ? argv[1] : "";
    if (action == "help" && argc == 5) {
        LanguageState language(LanguagePlaces::beside(argv[2]));
        language.select(argv[3]);
        if (language.text(kRootChordCaption).empty()) {
            std::cerr << "no texts in " << language.languageFile() << '\n';
            return 1;
        }
        return save(drawHelpSketch(wordsOf(language)), argv[4]) ? 0 : 1;
    }
    if (action == "about" && argc == 3)
        return save(drawAboutPicture(), argv[2]) ? 0 : 1;
    return usage();
}
