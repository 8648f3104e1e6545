// The main window: the panel fields, the results, the preview, and all state of a session.
// Handlers keep the names of the events they answer; the work is done by the core.
#pragma once

#include "calc/CalculateWing.h"
#include "ui/MainWindowControls.h"
#include "base/TextFile.h"

#include <QMainWindow>
#include <cstdint>
#include <string>

class Prompter;
struct FileDialogRequest;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Prompter& prompter);

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
    bool calcValid() const { return calcValid_ != 0; }
    bool rootChordFocused() const { return rootChordFocused_ != 0; }
    const WingPlanform& planform() const { return planform_; }
    const WingResults& results() const { return results_; }
    const QString& printTitle() const { return printTitle_; }

    WingFields ReadFields() const;
    // Shows texts that already went through the chaining, without running it again.
    void ShowFields(const WingFields& fields);

private:
    void ConnectControls();
    bool StartLanguage();
    void C_min_Change();
    void ShowPanelError();
    void ShowBalanceError();
    void ShowValidationMessage(std::string_view key);
    void SelectRootChord();
    void ShowFileError(const FileError& error);
    void ShowFileCaption();
    FileDialogRequest wingFileDialog(const QString& title) const;

    Prompter& prompter_;
    MainWindowControls c_;
    WingPlanform planform_;
    WingResults results_;
    std::uint8_t calcValid_ = 0;
    std::uint8_t rootChordFocused_ = 0;
    QString lengthUnit;
    QString areaUnit;
    QString printTitle_;
    QString wingFilePath;
    QString lastWingFolder_; // where the file dialogs start after the first save or open
    bool chaining_ = true;
};
