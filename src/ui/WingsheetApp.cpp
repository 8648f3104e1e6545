#include "WingsheetApp.h"

#include "Language.h"
#include "QtPrompter.h"
#include "frmMain.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int RunWingsheetWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Wingsheet"));
    QtPrompter prompter;
    SetFailureReporter([&prompter](const std::string& text) {
        prompter.messageBox(QString::fromStdString(text), MessageStyle::Critical, QString());
    });

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
    const int status = app.exec();
    SetFailureReporter({});
    return status;
}
