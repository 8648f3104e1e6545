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

// Caption texts end in " :" or ":" where the window adds nothing; a drawing needs the bare words.
QString Words(const LanguageState& language, TextKey key) {
    QString text = QString::fromStdString(language.text(key)).trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

SketchWords WordsOf(const LanguageState& language) {
    return {Words(language, kInputsTitle),        Words(language, kPanelCaption),
            Words(language, kRootChordCaption),   Words(language, kTipChordCaption),
            Words(language, kPanelLengthCaption), Words(language, kSweepOffsetCaption),
            Words(language, kBalanceCaption),     Words(language, kMeanChordStationCaption),
            Words(language, kMeanChordCaption),   Words(language, kBalanceDistanceCaption)};
}

int Usage() {
    std::cerr << "usage: wingsheet_sketch help LANGUAGE_FOLDER LANGUAGE OUT.png\n"
                 "       wingsheet_sketch about OUT.png\n";
    return 2;
}

bool Save(const QImage& image, const char* path) {
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
        return Save(DrawHelpSketch(WordsOf(language)), argv[4]) ? 0 : 1;
    }
    if (action == "about" && argc == 3)
        return Save(DrawAboutPicture(), argv[2]) ? 0 : 1;
    return Usage();
}
