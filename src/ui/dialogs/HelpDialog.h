// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help text of the current language in two blocks and, when that language
// has a sketch of the inputs, a button that shows it in a sketch window.
#pragma once

#include "calc/DisplayUnits.h"

#include <QDialog>
#include <string>

class LanguageState;
struct LanguagePlaces;
class Prompter;
class QLabel;
class QPushButton;

// The sketch of that language, name + ".gif": where its language files lie (the user's own folder
// first), then in the working folder, so a program started from another folder still finds its
// own. Absolute, or "" if none.
QString findSketch(const LanguagePlaces& places, const std::string& languageName);

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    // The sketch window opens through the prompter, as every modal window does. The lines that
    // name a unit name the chosen one.
    HelpDialog(QWidget* owner, Prompter& prompter, const LanguageState& language,
               UnitChoice units = {});

    QLabel* helpLabel() const { return helpLabel_; }
    QLabel* tipsLabel() const { return tipsLabel_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* sketchButton() const { return sketchButton_; }

    // OK is the cancel button: Esc and the window's close box press it.
    void reject() override;

private:
    void loadTexts();
    void showSketch();
    void okPressed();
    QString sketchPath() const;

    Prompter& prompter_;
    const LanguageState& language_;
    UnitChoice units_;
    QLabel* iconLabel_;
    QLabel* helpLabel_;
    QLabel* tipsLabel_;
    QPushButton* sketchButton_;
    QPushButton* okButton_;
};
