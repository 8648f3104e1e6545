// The language chooser: lists the language files beside the program; confirming a pick stores
// it in tz.ini, makes it current and re-translates the main window at once.
#pragma once

#include <QDialog>
#include <functional>

class LanguageState;
class QComboBox;
class QPushButton;

class lang : public QDialog {
    Q_OBJECT
public:
    // translateMainWindow runs after a confirmed pick, before the chooser closes.
    lang(QWidget* owner, LanguageState& language, std::function<void()> translateMainWindow);

    QComboBox* Combo1() const { return Combo1_; }
    QPushButton* ok() const { return ok_; }
    bool SelectionMade() const { return SelectionMade_; }

private:
    void Form_Load();
    void Combo1_click();
    void ok_Click();

    LanguageState& language_;
    QComboBox* Combo1_;
    QPushButton* ok_;
    bool SelectionMade_ = false;
    std::function<void()> translateMainWindow_;
};
