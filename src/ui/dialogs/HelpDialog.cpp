// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/HelpDialog.h"

#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/UnitTexts.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PathText.h"
#include "ui/common/Twips.h"
#include "ui/dialogs/AuxiliaryWindow.h"
#include "ui/dialogs/Prompter.h"
#include "ui/dialogs/SketchWindow.h"

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

// The inputs are indented under their heading, the sweep's two cases deeper still; each command
// of the File, Stability and Ribs menus follows the one before it.
constexpr HelpRow kMainText[] = {
    {kHelpLines[0], 0, 1},  {kHelpLines[1], 5, 1},  {kHelpLines[2], 5, 1},  {kHelpLines[3], 5, 1},
    {kHelpLines[4], 5, 1},  {kHelpLines[5], 8, 1},  {kHelpLines[6], 8, 1},  {kHelpLines[7], 5, 2},
    {kHelpLines[8], 0, 2},  {kHelpLines[9], 0, 1},  {kHelpLines[10], 0, 1}, {kHelpLines[11], 0, 2},
    {kHelpLines[12], 0, 2}, {kHelpLines[13], 0, 1}, {kHelpLines[14], 0, 1}, {kHelpLines[15], 0, 2},
    {kHelpLines[16], 0, 1}, {kHelpLines[17], 0, 1}, {kHelpLines[18], 0, 1}, {kHelpLines[19], 0, 2},
    {kHelpLines[20], 0, 1}, {kHelpLines[21], 0, 2}, {kHelpLines[22], 0, 1}, {kHelpLines[23], 0, 2},
    {kHelpLines[24], 0, 1}, {kHelpLines[25], 0, 1}, {kHelpLines[26], 0, 1}, {kHelpLines[27], 0, 1},
    {kHelpLines[28], 0, 2}, {kHelpLines[29], 0, 1}, {kHelpLines[30], 0, 2},
};

// The tips: a heading and four indented lines, with no break after the last.
constexpr HelpRow kSecondText[] = {
    {kHelpTips[0], 0, 1},  {kHelpTips[1], 10, 1}, {kHelpTips[2], 10, 1},
    {kHelpTips[3], 10, 1}, {kHelpTips[4], 10, 0},
};

// A missing key still gets its blanks and breaks, so the lines below keep their places.
QString buildHelpText(const LanguageState& language, UnitChoice units,
                      std::span<const HelpRow> rows) {
    QString text;
    for (const HelpRow& row : rows) {
        text += QString(row.blanksBefore, QLatin1Char(' '));
        text += uiText(language, inChosenUnits(row.key, units));
        text += QStringLiteral("\r\n").repeated(row.lineBreaksAfter);
    }
    return text;
}

QPushButton* placeButton(QWidget* parent, const QString& text, QRect where) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(where);
    return button;
}

} // namespace

QString findSketch(const LanguagePlaces& places, const std::string& languageName) {
    if (const auto ours = findDataFile(places, languageName, kSketchExtension))
        return pathText(std::filesystem::absolute(*ours).string());
    const std::string fileName = languageName + std::string(kSketchExtension);
    if (fileExists(fileName))
        return pathText(std::filesystem::absolute(fileName).string());
    return {};
}

HelpDialog::HelpDialog(QWidget* owner, Prompter& prompter, const LanguageState& language,
                       UnitChoice units)
    : QDialog(owner)
    , prompter_(prompter)
    , language_(language)
    , units_(units)
    , iconLabel_(placeLabel(this, QString(), twipsRect(120, 120, 495, 495)))
    // Wider and taller than the first help window, for the lines of the later features.
    , helpLabel_(placeLabel(this, QStringLiteral("info"), twipsRect(720, 120, 8655, 8700)))
    , tipsLabel_(placeLabel(this, QStringLiteral("merci"), twipsRect(720, 8925, 7095, 1335)))
    , sketchButton_(placeButton(this, QStringLiteral("Croquis"), twipsRect(8055, 9165, 1215, 255)))
    , okButton_(placeButton(this, QStringLiteral("OK"), twipsRect(8055, 9525, 1215, 375))) {
    setWindowTitle(QStringLiteral("Informations :"));
    setUpAuxiliaryWindow(*this, 9600, 10380);
    const int iconSize = twipsToPixels(495);
    iconLabel_->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize, iconSize));
    helpLabel_->setWordWrap(true);
    tipsLabel_->setWordWrap(true);
    connect(sketchButton_, &QPushButton::clicked, this, &HelpDialog::showSketch);
    connect(okButton_, &QPushButton::clicked, this, &HelpDialog::okPressed);
    // Enter then closes the window rather than starting a viewer.
    okButton_->setFocus();
    loadTexts();
}

void HelpDialog::loadTexts() {
    sketchButton_->hide();
    helpLabel_->setText(buildHelpText(language_, units_, kMainText));
    tipsLabel_->setText(buildHelpText(language_, units_, kSecondText));
    okButton_->setText(uiText(language_, kOkButton));
    if (!sketchPath().isEmpty()) {
        sketchButton_->show();
        sketchButton_->setText(uiText(language_, kSketchButton));
    }
}

// Looked up again: the file may have gone since the window opened. The sketch shows in a window
// of our own, which needs no image viewer on the desktop.
void HelpDialog::showSketch() {
    const QString sketch = sketchPath();
    if (sketch.isEmpty())
        return;
    SketchWindow window(this, sketch, QString(uiText(language_, kSketchButton)).remove(u'&'));
    if (!window.hasPicture()) {
        prompter_.messageBox(
            fromUtf8(fillIn(language_.text(kSketchUnreadableMessage), {sketch.toStdString()})),
            kExclamationMessage, uiText(language_, kProgramCaption));
        return;
    }
    prompter_.runModal(window);
}

QString HelpDialog::sketchPath() const {
    return findSketch(language_.places(), language_.name());
}

void HelpDialog::okPressed() {
    accept();
}

void HelpDialog::reject() {
    okButton_->click();
}
