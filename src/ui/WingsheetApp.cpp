#include "ui/WingsheetApp.h"

#include "i18n/Language.h"
#include "ui/QtPrompter.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace {

// The INI procedures report their failures in a message box while the window lives, and on
// standard error again once it is gone, however the run ends.
class FailureReportsInMessageBoxes {
public:
    explicit FailureReportsInMessageBoxes(Prompter& prompter) {
        SetFailureReporter([&prompter](const std::string& text) {
            prompter.messageBox(QString::fromStdString(text), MessageStyle::Critical, QString());
        });
    }
    ~FailureReportsInMessageBoxes() { SetFailureReporter({}); }
    FailureReportsInMessageBoxes(const FailureReportsInMessageBoxes&) = delete;
    FailureReportsInMessageBoxes& operator=(const FailureReportsInMessageBoxes&) = delete;
};

} // namespace

int RunWingsheetWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Wingsheet"));
    QtPrompter prompter;
    const FailureReportsInMessageBoxes reports(prompter);

    frmMain window(prompter);
    prompter.setOwner(&window);
    if (!window.Form_Load())
        return 0;
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    // The first field of the keyboard order takes the focus as the window appears.
    window.activateWindow();
    window.FocusFirstField();
    return app.exec();
}
