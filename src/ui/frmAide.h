// The help window: the help text of the current language in two blocks and, when that language
// has a sketch of the inputs, a button that shows it in the desktop's image viewer.
#pragma once

#include <QDialog>
#include <string>

class LanguageState;
class Prompter;
class QLabel;
class QPushButton;

// The sketch of that language, name + ".gif": beside the program first, then in the working
// folder, so a program started from another folder still finds its own. Absolute, or "" if none.
QString FindSketch(const std::string& languageFolder, const std::string& languageName);

class frmAide : public QDialog {
    Q_OBJECT
public:
    // The sketch opens through the prompter, which hands it to the desktop.
    frmAide(QWidget* owner, Prompter& prompter, const LanguageState& language);

    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QPushButton* cmdok() const { return cmdok_; }
    QPushButton* croquis() const { return croquis_; }

    // OK is the cancel button: Esc and the window's close box press it.
    void reject() override;

private:
    void Form_Load();
    void croquis_Click();
    void cmdOK_Click();
    QString Sketch() const;

    Prompter& prompter_;
    const LanguageState& language_;
    QLabel* Picture1_;
    QLabel* Label1_;
    QLabel* Label2_;
    QPushButton* croquis_;
    QPushButton* cmdok_;
};
