// The main window: a view of the wing session. It shows the fields, the results and the preview
// the session holds, forwards the user's edits, and asks the session to calculate, open, save
// and clear.
#pragma once

#include "session/WingSession.h"
#include "ui/MainWindowControls.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <string>

class LanguageState;
class Prompter;
struct FileDialogRequest;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Prompter& prompter, LanguageState& language);

    // The start-up before the window shows: the language, then a cleared form. False when the
    // user chose to quit instead of picking a language.
    bool Form_Load();

    void cmdCalcul_Click();
    void cmdClear_Click();
    void cmdprint_Click();
    void mnufileprint_Click();
    void mnusave_Click();
    void mnuopen_Click();
    void mnufilequit_Click();
    void mnulang_Click();
    void mnuhlp_Click();
    void nmuabout_Click();

    void TranslateMainWindow();
    void FocusFirstField();

    const MainWindowControls& controls() const { return c_; }
    const WingSession& session() const { return session_; }
    bool calcValid() const { return session_.hasValidResults(); }
    bool rootChordFocused() const { return rootChordFocused_ != 0; }
    const QString& printTitle() const { return printTitle_; }

private:
    void ConnectControls();
    void ConnectField(WingField* field, std::function<void(const std::string&)> forward);
    bool StartLanguage();
    void ShowFields();
    void ShowResults();
    void ClearResults();
    void ShowCalculationMessage(const CalcReport& report);
    void SelectRootChord();
    void ShowFileError(const FileError& error);
    void ShowFileCaption();
    FileDialogRequest wingFileDialog(const QString& title) const;

    Prompter& prompter_;
    LanguageState& language_;
    WingSession session_;
    MainWindowControls c_;
    std::uint8_t rootChordFocused_ = 0;
    QString printTitle_;
    QString lastWingFolder_;      // where the file dialogs start after the first save or open
    bool showingSession_ = false; // fields are being set from the session, not typed
};
