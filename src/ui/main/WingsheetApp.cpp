// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/WingsheetApp.h"

#include "i18n/LanguageState.h"
#include "ui/dialogs/QtPrompter.h"
#include "ui/main/FontConfigurationPreload.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace {

// The INI procedures report their failures in a message box while the window lives, and on
// standard error again once it is gone, however the run ends.
class FailureReportsInMessageBoxes {
public:
    FailureReportsInMessageBoxes(LanguageState& language, Prompter& prompter)
        : language_(language) {
        language_.setFailureReporter([&prompter](const std::string& text) {
            prompter.messageBox(QString::fromStdString(text), kCriticalMessage, QString());
        });
    }
    ~FailureReportsInMessageBoxes() { language_.setFailureReporter({}); }
    FailureReportsInMessageBoxes(const FailureReportsInMessageBoxes&) = delete;
    FailureReportsInMessageBoxes& operator=(const FailureReportsInMessageBoxes&) = delete;

private:
    LanguageState& language_;
};

} // namespace

bool showMainWindow(MainWindow& window, const std::string& wingFile) {
    if (!window.start())
        return false;
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    // The first field of the keyboard order takes the focus as the window appears.
    window.activateWindow();
    window.focusFirstField();
    // Open's messages then show over the window they belong to.
    if (!wingFile.empty())
        window.openWingFileAt(wingFile);
    return true;
}

int runWingsheetWindow(int argc, char** argv, LanguageState& language,
                       const std::string& wingFile) {
    FontConfigurationPreload fonts;
    // The menus stay in the window, whose layout is fixed; asking the session bus for a global
    // menu bar held up every start.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Wingsheet"));
    fonts.wait();
    QtPrompter prompter;
    const FailureReportsInMessageBoxes reports(language, prompter);

    MainWindow window(prompter, language);
    prompter.setOwner(&window);
    if (!showMainWindow(window, wingFile))
        return 0;
    return app.exec();
}
