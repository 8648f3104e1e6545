#include "ui/frmAide.h"

#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "i18n/TextKeys.h"
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
    TextKey key;
    int blanksBefore;
    int lineBreaksAfter;
};

// The inputs are indented under their heading, the sweep's two cases deeper still.
constexpr HelpRow kMainText[] = {
    {kHelpLines[0], 0, 1},  {kHelpLines[1], 5, 1},  {kHelpLines[2], 5, 1},  {kHelpLines[3], 5, 1},
    {kHelpLines[4], 5, 1},  {kHelpLines[5], 8, 1},  {kHelpLines[6], 8, 1},  {kHelpLines[7], 5, 2},
    {kHelpLines[8], 0, 2},  {kHelpLines[9], 0, 1},  {kHelpLines[10], 0, 1}, {kHelpLines[11], 0, 2},
    {kHelpLines[12], 0, 2}, {kHelpLines[13], 0, 1}, {kHelpLines[14], 0, 2}, {kHelpLines[15], 0, 1},
    {kHelpLines[16], 0, 2}, {kHelpLines[17], 0, 2},
};

// The tips: a heading and three indented lines, with no break after the last.
constexpr HelpRow kSecondText[] = {
    {kHelpTips[0], 0, 1},
    {kHelpTips[1], 10, 1},
    {kHelpTips[2], 10, 1},
    {kHelpTips[3], 10, 0},
};

// A missing key still gets its blanks and breaks, so the lines below keep their places.
QString BuildHelpText(const LanguageState& language, std::span<const HelpRow> rows) {
    QString text;
    for (const HelpRow& row : rows) {
        text += QString(row.blanksBefore, QLatin1Char(' '));
        text += Text(language, row.key);
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

QString FindSketch(const std::string& languageFolder, const std::string& languageName) {
    const std::string fileName = languageName + ".gif";
    const std::string besideProgram = languageFolder + kPathSeparator + fileName;
    if (FileExists(besideProgram))
        return QString::fromStdString(std::filesystem::absolute(besideProgram).string());
    if (FileExists(fileName))
        return QString::fromStdString(std::filesystem::absolute(fileName).string());
    return {};
}

frmAide::frmAide(QWidget* owner, Prompter& prompter, const LanguageState& language)
    : QDialog(owner)
    , prompter_(prompter)
    , language_(language)
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
    Label1_->setText(BuildHelpText(language_, kMainText));
    Label2_->setText(BuildHelpText(language_, kSecondText));
    cmdok_->setText(Text(language_, kOkButton));
    if (!Sketch().isEmpty()) {
        croquis_->show();
        croquis_->setText(Text(language_, kSketchButton));
    }
}

// Looked up again: the file may have gone since the window opened.
void frmAide::croquis_Click() {
    const QString sketch = Sketch();
    if (!sketch.isEmpty())
        prompter_.openFile(sketch);
}

QString frmAide::Sketch() const {
    return FindSketch(language_.places().languageFolder, language_.name());
}

void frmAide::cmdOK_Click() {
    accept();
}

void frmAide::reject() {
    cmdok_->click();
}
