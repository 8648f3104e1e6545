// The About window: the program's name, version and current language, the translation credit
// of the current language file, and the maker's contact line.
#pragma once

#include <QDialog>
#include <array>

class LanguageState;
class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(QWidget* owner, const LanguageState& language);

    QLabel* picIcon() const { return picIcon_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* lblinfo() const { return lblinfo_; }
    QPushButton* cmdOK() const { return cmdOK_; }

    // OK is the cancel button as well as the default one: Esc and the close box press it.
    void reject() override;

private:
    void Form_Load();
    void cmdOK_Click();

    const LanguageState& language_;
    QLabel* picIcon_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lblDescription_;
    std::array<QFrame*, 2> Line1_; // white under dark: one etched rule
    QLabel* lblinfo_;
    QPushButton* cmdOK_;
};
