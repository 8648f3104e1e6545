// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the program's name, version and current language, the translation credit
// of the current language file, and the maker's contact line.
#pragma once

#include <QDialog>
#include <array>

class LanguageState;
class QFrame;
class QLabel;
class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(QWidget* owner, const LanguageState& language);

    QLabel* pictureLabel() const { return pictureLabel_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* versionLabel() const { return versionLabel_; }
    QLabel* descriptionLabel() const { return descriptionLabel_; }
    QLabel* contactLabel() const { return contactLabel_; }
    QPushButton* okButton() const { return okButton_; }

    // OK is the cancel button as well as the default one: Esc and the close box press it.
    void reject() override;

private:
    void loadTexts();
    void okPressed();

    const LanguageState& language_;
    QLabel* pictureLabel_;
    QLabel* titleLabel_;
    QLabel* versionLabel_;
    QLabel* descriptionLabel_;
    std::array<QFrame*, 2> rules_; // white under dark: one etched rule
    QLabel* contactLabel_;
    QPushButton* okButton_;
};
