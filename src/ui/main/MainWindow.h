// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a view of the wing session. It shows the fields, the results and the preview
// the session holds, forwards the user's edits, and asks the session to calculate, open, save
// and clear.
#pragma once

#include "session/WingSession.h"
#include "ui/common/FeatureContext.h"
#include "ui/main/MainWindowControls.h"
#include "ui/main/QtTranslations.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <string_view>

class FullSizeActions;
class LanguageState;
class Prompter;
class RibsActions;
class StabilityActions;
class TemplateActions;
class UnitsActions;
struct FileDialogRequest;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Prompter& prompter, LanguageState& language);

    // The start-up before the window shows: the language, then a cleared form. False when the
    // user chose to quit instead of picking a language.
    bool start();

    void calculate();
    void clearForm();
    void printSheet();
    void printPreview();
    // False when nothing was saved: refused, cancelled or failed.
    bool saveWingFileAs();
    void openWingFile();
    // Open without the dialog: a file named on the command line or dropped on the window. The
    // path is the file system's bytes, so a name that is not UTF-8 opens too.
    void openWingFileAt(const std::string& path);
    // Closes the window, which ends the program, once unsaved changes are saved or given up.
    void quit();
    void chooseLanguage();
    void showHelp();
    void showAbout();

    void translate();
    void focusFirstField();

    const MainWindowControls& controls() const { return c_; }
    FullSizeActions& fullSize() const { return *fullSize_; }
    StabilityActions& stability() const { return *stability_; }
    RibsActions& ribs() const { return *ribs_; }
    UnitsActions& units() const { return *units_; }
    TemplateActions& templates() const { return *templates_; }
    const WingSession& session() const { return session_; }
    bool hasValidResults() const { return session_.hasValidResults(); }
    bool rootChordHadFocus() const { return rootChordHadFocus_; }
    const QString& printTitle() const { return choices_.printTitle; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void connectField(WingField* field, std::function<void(const std::string&)> forward);
    bool startLanguage();
    void showFields();
    void showResults();
    // The results on show, in the units and words of now.
    void showResultTexts();
    void clearResults();
    void showClearedForm();
    void showCalculationMessage(const CalcReport& report);
    void selectRootChord();
    // The program's caption, followed by the wing file's name after an open or a save as.
    void showTitle();
    bool mayDiscardChanges();
    FileDialogRequest wingFileDialog(const QString& title) const;
    void redrawPreview();
    // What a screen reader hears of the form, the results and the preview, as they are now.
    void nameControls();

    Prompter& prompter_;
    LanguageState& language_;
    WingSession session_;
    RunChoices choices_;
    FeatureContext context_;
    MainWindowControls c_;
    FullSizeActions* fullSize_;
    UnitsActions* units_;
    StabilityActions* stability_;
    RibsActions* ribs_;
    TemplateActions* templates_;
    QtTranslations qtTexts_;
    bool rootChordHadFocus_ = false;
    bool titleNamesFile_ = false; // until the next Clear
    bool showingSession_ = false; // fields are being set from the session, not typed
    // The wing the results and the preview show: the last one calculated, even after a refusal.
    struct ShownWing {
        WingPlanform planform;
        WingResults results;
    };
    std::optional<ShownWing> shownWing_;
};
