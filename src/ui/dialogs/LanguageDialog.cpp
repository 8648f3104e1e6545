// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/LanguageDialog.h"

#include "i18n/TextKeys.h"
#include "ui/common/FormFont.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/common/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

LanguageDialog::LanguageDialog(QWidget* owner, LanguageState& language,
                               std::function<void()> translateMainWindow)
    : QDialog(owner)
    , language_(language)
    , languageCaption_(new QLabel(QStringLiteral("&Language"), this))
    , languageCombo_(new QComboBox(this))
    , okButton_(new QPushButton(QStringLiteral("OK"), this))
    , translateMainWindow_(std::move(translateMainWindow)) {
    setWindowTitle(QStringLiteral("Select your Language"));
    setFixedSize(twipsToPixels(3255), twipsToPixels(705));
    languageCombo_->setGeometry(twipsRect(120, 240, 2055, 315));
    // A screen reader on Linux names a list only by the label it belongs to; the band above the
    // list holds it, and its access key opens the list.
    languageCaption_->setGeometry(twipsRect(120, 0, 2055, 240));
    languageCaption_->setFont(formFont());
    languageCaption_->setTextFormat(Qt::PlainText);
    languageCaption_->setBuddy(languageCombo_);
    okButton_->setGeometry(twipsRect(2280, 240, 855, 315));
    okButton_->setDefault(true);
    // Nothing is picked yet: the box shows a hint instead of an entry.
    languageCombo_->setPlaceholderText(QStringLiteral("Select"));
    // At the first start the main window is not shown yet: centre on the screen instead.
    if ((!owner || !owner->isVisible()) && screen())
        move(screen()->availableGeometry().center() - rect().center());
    connect(languageCombo_, &QComboBox::activated, this, &LanguageDialog::rememberPick);
    connect(okButton_, &QPushButton::clicked, this, &LanguageDialog::confirm);
    loadTexts();
}

void LanguageDialog::loadTexts() {
    selectionMade_ = false;
    for (const std::string& name : language_.availableLanguages())
        languageCombo_->addItem(fromUtf8(name));
    languageCombo_->setCurrentIndex(-1);
    languageCombo_->setAccessibleName(QString(languageCaption_->text()).remove(u'&'));
    if (language_.choosingAtStartup())
        return;
    setWindowTitle(plainWindowTitle(uiText(language_, kLanguageDialogTitle)));
    languageCaption_->setText(uiText(language_, kLanguageAction));
    languageCombo_->setAccessibleName(QString(languageCaption_->text()).remove(u'&'));
    language_.recallStoredName();
    languageCombo_->setPlaceholderText(fromUtf8(language_.name()));
    // The list starts at the language in use, so Down moves to its neighbour; showing it is no
    // pick yet, and OK alone changes nothing.
    languageCombo_->setCurrentIndex(languageCombo_->findText(fromUtf8(language_.name())));
}

void LanguageDialog::rememberPick() {
    selectionMade_ = true;
}

void LanguageDialog::confirm() {
    if (selectionMade_ && languageCombo_->currentIndex() >= 0) {
        language_.select(languageCombo_->currentText().toStdString());
        language_.storeLanguage(language_.name());
        translateMainWindow_();
    }
    close();
}
