// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/AboutDialog.h"

#include "i18n/TextKeys.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/common/Twips.h"
#include "ui/dialogs/AuxiliaryWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

// The picture is built into this static library, which must register it before the first use.
static void registerAboutPicture() {
    Q_INIT_RESOURCE(AboutDialog);
}

namespace {

// The maker's words are the program's own and never translated.
const QString kMakerContact = QStringLiteral("Wingsheet \u2014 wingsheet@example.org");
const QString kMakerAddress = QStringLiteral("wingsheet@example.org");

QString versionLine(const LanguageState& language) {
    return QStringLiteral("Version %1.%2.%3 - ")
               .arg(WINGSHEET_VERSION_MAJOR)
               .arg(WINGSHEET_VERSION_MINOR)
               .arg(WINGSHEET_VERSION_PATCH) +
           fromUtf8(language.name());
}

// Each line is added with its break, the last one twice, so the block ends with an empty line.
QString descriptionBlock(const LanguageState& language) {
    QString block = uiText(language, kAboutDescription) + QStringLiteral("\r\n");
    block += uiText(language, kAboutFeatures) + QStringLiteral("\r\n");
    block += uiText(language, kTranslationCaption) + QStringLiteral(" : ") +
             uiText(language, kTranslatorName) + QStringLiteral("\r\n");
    block += uiText(language, kTranslatorEmail) + QStringLiteral("\r\n") + QStringLiteral("\r\n");
    return block;
}

QFrame* placeRule(QWidget* parent, Qt::GlobalColor colour, double topTwips, int heightPixels) {
    auto* rule = new QFrame(parent);
    rule->setGeometry(0, twipsToPixels(topTwips), twipsToPixels(5880), heightPixels);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, colour);
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

QLabel* placePicture(QWidget* parent) {
    registerAboutPicture();
    QLabel* picture = placeLabel(parent, QString(), twipsRect(120, 120, 1740, 555));
    picture->setPixmap(QPixmap(QStringLiteral(":/AboutPlanform.jpg")));
    picture->setScaledContents(true);
    picture->setToolTip(kMakerAddress);
    return picture;
}

} // namespace

AboutDialog::AboutDialog(QWidget* owner, const LanguageState& language)
    : QDialog(owner)
    , language_(language)
    , pictureLabel_(placePicture(this))
    , titleLabel_(placeLabel(this, QString(), twipsRect(2010, 120, 3405, 360), true))
    , versionLabel_(placeLabel(this, QString(), twipsRect(2040, 480, 3645, 225), true))
    , descriptionLabel_(placeLabel(this, QString(), twipsRect(480, 840, 4845, 1155)))
    // The white rule goes first so the dark one lies on its upper pixel.
    , rules_{placeRule(this, Qt::white, 2040, 2), placeRule(this, Qt::darkGray, 2040, 1)}
    , contactLabel_(placeLabel(this, kMakerContact, twipsRect(240, 2280, 4005, 555)))
    , okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    setUpAuxiliaryWindow(*this, 5910, 2970);
    QFont titleFont = titleLabel_->font();
    titleFont.setPointSizeF(12);
    titleLabel_->setFont(titleFont);
    descriptionLabel_->setWordWrap(true);
    okButton_->setGeometry(twipsRect(4560, 2280, 1065, 345));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &AboutDialog::okPressed);
    loadTexts();
}

void AboutDialog::loadTexts() {
    okButton_->setText(uiText(language_, kOkButton));
    setWindowTitle(plainWindowTitle(uiText(language_, kAboutTitle)));
    titleLabel_->setText(uiText(language_, kAboutProgramName));
    versionLabel_->setText(versionLine(language_));
    descriptionLabel_->setText(descriptionBlock(language_));
}

void AboutDialog::okPressed() {
    accept();
}

void AboutDialog::reject() {
    okButton_->click();
}
