// SPDX-License-Identifier: GPL-3.0-or-later
// The language chooser: lists the language files (see LanguagePlaces); confirming a pick stores
// it in tz.ini, makes it current and re-translates the main window at once.
#pragma once

#include <QDialog>
#include <functional>

class LanguageState;
class QComboBox;
class QLabel;
class QPushButton;

class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    // translateMainWindow runs after a confirmed pick, before the chooser closes.
    LanguageDialog(QWidget* owner, LanguageState& language,
                   std::function<void()> translateMainWindow);

    QComboBox* languageCombo() const { return languageCombo_; }
    QLabel* languageCaption() const { return languageCaption_; }
    QPushButton* okButton() const { return okButton_; }
    bool selectionMade() const { return selectionMade_; }

private:
    void loadTexts();
    void rememberPick();
    void confirm();

    LanguageState& language_;
    QLabel* languageCaption_;
    QComboBox* languageCombo_;
    QPushButton* okButton_;
    bool selectionMade_ = false;
    std::function<void()> translateMainWindow_;
};
