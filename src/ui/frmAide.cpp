#include "ui/frmAide.h"

#include "ui/AuxiliaryWindow.h"
#include "ui/LanguageText.h"
#include "ui/Prompter.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <filesystem>
#include <span>

namespace {

// One line of a help text: blanks, the "MsgHelp" text of the key, then line breaks.
struct HelpRow {
    const char* key;
    int blanksBefore;
    int lineBreaksAfter;
};

// The inputs are indented under their heading, the sweep's two cases deeper still.
constexpr HelpRow kMainText[] = {
    {"1", 0, 1},  {"2", 5, 1},  {"3", 5, 1},  {"4", 5, 1},  {"5", 5, 1},  {"6", 8, 1},
    {"7", 8, 1},  {"8", 5, 2},  {"9", 0, 2},  {"10", 0, 1}, {"11", 0, 1}, {"12", 0, 2},
    {"13", 0, 2}, {"14", 0, 1}, {"15", 0, 2}, {"16", 0, 1}, {"17", 0, 2}, {"18", 0, 2},
};

// The tips: a heading and three indented lines, with no break after the last.
constexpr HelpRow kSecondText[] = {
    {"21", 0, 1},
    {"22", 10, 1},
    {"23", 10, 1},
    {"24", 10, 0},
};

// A missing key still gets its blanks and breaks, so the lines below keep their places.
QString BuildHelpText(std::span<const HelpRow> rows) {
    QString text;
    for (const HelpRow& row : rows) {
        text += QString(row.blanksBefore, QLatin1Char(' '));
        text += Text("MsgHelp", row.key);
        text += QStringLiteral("\r\n").repeated(row.lineBreaksAfter);
    }
    return text;
}

QPushButton* PlaceButton(QWidget* parent, const QString& text, QRect where) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(where);
    return button;
}

} // namespace

QString FindSketch(const std::string& languageName) {
    const std::string fileName = languageName + ".gif";
    const std::string besideProgram = ProgramFolder() + kPathSeparator + fileName;
    if (FileExists(besideProgram))
        return QString::fromStdString(std::filesystem::absolute(besideProgram).string());
    if (FileExists(fileName))
        return QString::fromStdString(std::filesystem::absolute(fileName).string());
    return {};
}

frmAide::frmAide(QWidget* owner, Prompter& prompter)
    : QDialog(owner)
    , prompter_(prompter)
    , Picture1_(PlaceLabel(this, QString(), TwipsRect(120, 120, 495, 495)))
    , Label1_(PlaceLabel(this, QStringLiteral("info"), TwipsRect(720, 120, 7575, 6375)))
    , Label2_(PlaceLabel(this, QStringLiteral("merci"), TwipsRect(720, 6600, 6495, 975)))
    , croquis_(PlaceButton(this, QStringLiteral("Croquis"), TwipsRect(7200, 6720, 1215, 255)))
    , cmdok_(PlaceButton(this, QStringLiteral("OK"), TwipsRect(7200, 7080, 1215, 375))) {
    setWindowTitle(QStringLiteral("Informations :"));
    SetUpAuxiliaryWindow(*this, 8745, 7695);
    const int iconSize = TwipsToPixels(495);
    Picture1_->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize, iconSize));
    Label1_->setWordWrap(true);
    Label2_->setWordWrap(true);
    connect(croquis_, &QPushButton::clicked, this, &frmAide::croquis_Click);
    connect(cmdok_, &QPushButton::clicked, this, &frmAide::cmdOK_Click);
    // Enter then closes the window rather than starting a viewer.
    cmdok_->setFocus();
    Form_Load();
}

void frmAide::Form_Load() {
    croquis_->hide();
    Label1_->setText(BuildHelpText(kMainText));
    Label2_->setText(BuildHelpText(kSecondText));
    cmdok_->setText(Text("Button", "4"));
    if (!FindSketch(CurrentLanguageName).isEmpty()) {
        croquis_->show();
        croquis_->setText(Text("Button", "5"));
    }
}

// Looked up again: the file may have gone since the window opened.
void frmAide::croquis_Click() {
    const QString sketch = FindSketch(CurrentLanguageName);
    if (!sketch.isEmpty())
        prompter_.openFile(sketch);
}

void frmAide::cmdOK_Click() {
    accept();
}

void frmAide::reject() {
    cmdok_->click();
}
