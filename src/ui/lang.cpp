#include "ui/lang.h"

#include "i18n/TextKeys.h"
#include "ui/LanguageText.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QScreen>

lang::lang(QWidget* owner, LanguageState& language, std::function<void()> translateMainWindow)
    : QDialog(owner)
    , language_(language)
    , Combo1_(new QComboBox(this))
    , ok_(new QPushButton(QStringLiteral("OK"), this))
    , translateMainWindow_(std::move(translateMainWindow)) {
    setWindowTitle(QStringLiteral("Select your Language"));
    setFixedSize(TwipsToPixels(3255), TwipsToPixels(705));
    Combo1_->setGeometry(TwipsRect(120, 240, 2055, 315));
    ok_->setGeometry(TwipsRect(2280, 240, 855, 315));
    ok_->setDefault(true);
    // Nothing is picked yet: the box shows a hint instead of an entry.
    Combo1_->setPlaceholderText(QStringLiteral("Select"));
    // At the first start the main window is not shown yet: centre on the screen instead.
    if ((!owner || !owner->isVisible()) && screen())
        move(screen()->availableGeometry().center() - rect().center());
    connect(Combo1_, &QComboBox::activated, this, &lang::Combo1_click);
    connect(ok_, &QPushButton::clicked, this, &lang::ok_Click);
    Form_Load();
}

void lang::Form_Load() {
    SelectionMade_ = false;
    for (const std::string& name : language_.availableLanguages())
        Combo1_->addItem(FromUtf8(name));
    Combo1_->setCurrentIndex(-1);
    if (language_.choosingAtStartup())
        return;
    setWindowTitle(Text(language_, kLanguageDialogTitle));
    language_.recallStoredName();
    Combo1_->setPlaceholderText(FromUtf8(language_.name()));
}

void lang::Combo1_click() {
    SelectionMade_ = true;
}

void lang::ok_Click() {
    if (SelectionMade_ && Combo1_->currentIndex() >= 0) {
        language_.select(Combo1_->currentText().toStdString());
        language_.storeLanguage(language_.name());
        translateMainWindow_();
    }
    close();
}
