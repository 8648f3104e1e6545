// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures that the repository keeps, with the program's own calculation and planform
// code: the help sketch of one language, the About window's planform, or the program's icon.
#include "AboutPicture.h"
#include "AppIcon.h"
#include "HelpSketch.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
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
                 "       wingsheet_sketch about OUT.png\n"
                 "       wingsheet_sketch icon SIZE OUT.png | icon-svg OUT.svg\n";
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
    if (action == "icon" && argc == 4) {
        const int size = std::atoi(argv[2]);
        if (size < 16 || size > 1024)
            return usage();
        return save(drawAppIcon(size), argv[3]) ? 0 : 1;
    }
    if (action == "icon-svg" && argc == 3) {
        std::ofstream svg(argv[2], std::ios::binary);
        svg << appIconSvg();
        if (svg.flush())
            return 0;
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return usage();
}
