// Draws the pictures that the repository keeps, with the program's own calculation and planform
// code: the help sketch of one language, or the About window's planform. Writes PNG files.
#include "AboutPicture.h"
#include "HelpSketch.h"
#include "i18n/Language.h"

#include <QGuiApplication>
#include <iostream>
#include <string>

namespace {

// Caption texts end in " :" or ":" where the window adds nothing; a drawing needs the bare words.
QString Words(std::string_view section, std::string_view key) {
    QString text = QString::fromStdString(GetINIFile(section, key)).trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

SketchWords WordsOfCurrentLanguage() {
    return {Words("Label", "13"), Words("Label", "12"), Words("Label", "1"), Words("Label", "2"),
            Words("Label", "3"),  Words("Label", "4"),  Words("Label", "5"), Words("Label", "9"),
            Words("Label", "10"), Words("Label", "11")};
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
        SetProgramFolder(argv[2]);
        SelectLanguage(argv[3]);
        if (GetINIFile("Label", "1").empty()) {
            std::cerr << "no texts in " << ProgramFolder() << CurrentLanguageFile << '\n';
            return 1;
        }
        return Save(DrawHelpSketch(WordsOfCurrentLanguage()), argv[4]) ? 0 : 1;
    }
    if (action == "about" && argc == 3)
        return Save(DrawAboutPicture(), argv[2]) ? 0 : 1;
    return Usage();
}
