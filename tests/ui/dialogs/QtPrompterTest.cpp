// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box and input box behind the prompter, opened and closed from the event loop
// with Esc, Enter or a button, as a user closes them: the answer, the icon and the buttons.
#include "ui/dialogs/QtPrompter.h"

#include "ui/WindowChecks.h"
#include "ui/dialogs/PagesPreviewDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

// Runs act on the modal window Qt shows next, once it shows; the box's own event loop runs it.
void whenShown(std::function<void(QWidget& modal)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        act(*modal);
    });
    poll->start(1);
}

enum class Close { Escape, Enter, FirstButton };

void close(QWidget& modal, Close how) {
    const QList<QAbstractButton*> buttons = modal.findChild<QDialogButtonBox*>()->buttons();
    switch (how) {
    case Close::Escape:
        QTest::keyClick(&modal, Qt::Key_Escape);
        break;
    case Close::Enter:
        QTest::keyClick(&modal, Qt::Key_Return);
        break;
    case Close::FirstButton:
        buttons.first()->click();
        break;
    }
}

struct BoxCase {
    const char* name;
    MessageStyle style;
    Close how;
    MessageAnswer answer;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

const BoxCase kBoxCases[] = {
    {"plain, Esc", kPlainMessage, Close::Escape, MessageAnswer::Ok, QMessageBox::NoIcon,
     QMessageBox::Ok},
    {"critical, OK", kCriticalMessage, Close::FirstButton, MessageAnswer::Ok, QMessageBox::Critical,
     QMessageBox::Ok},
    {"exclamation, Enter", kExclamationMessage, Close::Enter, MessageAnswer::Ok,
     QMessageBox::Warning, QMessageBox::Ok},
    {"information, Esc", kInformationMessage, Close::Escape, MessageAnswer::Ok,
     QMessageBox::Information, QMessageBox::Ok},
    {"question, Esc cancels", kOkCancelQuestion, Close::Escape, MessageAnswer::Cancel,
     QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel},
    {"question, Enter is OK", kOkCancelQuestion, Close::Enter, MessageAnswer::Ok,
     QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel},
    {"retry, Esc cancels",
     {MessageIcon::Critical, MessageButtons::RetryCancel},
     Close::Escape,
     MessageAnswer::Cancel,
     QMessageBox::Critical,
     QMessageBox::Retry | QMessageBox::Cancel},
    {"save question, Esc cancels", kSaveDiscardQuestion, Close::Escape, MessageAnswer::Cancel,
     QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel},
    {"save question, Enter saves", kSaveDiscardQuestion, Close::Enter, MessageAnswer::Save,
     QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel},
};

TEST(QtPrompter, MessageBoxAnswersAsItWasClosed) {
    QtPrompter prompter;
    for (const BoxCase& row : kBoxCases) {
        SCOPED_TRACE(row.name);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString text;
        QString title;
        whenShown([&](QWidget& modal) {
            auto& box = dynamic_cast<QMessageBox&>(modal);
            icon = box.icon();
            buttons = box.standardButtons();
            text = box.text();
            title = box.windowTitle();
            close(box, row.how);
        });
        EXPECT_EQ(
            prompter.messageBox("Line one\r\nline two\rline <b>three</b>", row.style, "The title"),
            row.answer);
        EXPECT_EQ(icon, row.icon);
        EXPECT_EQ(buttons, row.buttons);
        EXPECT_EQ(text, "Line one\nline two\nline <b>three</b>");
        EXPECT_EQ(title, "The title");
    }
}

// The buttons neither Esc nor Enter press, whichever side the style puts them on.
TEST(QtPrompter, RetryAndDiscardAnswerAsPressed) {
    QtPrompter prompter;
    for (const auto& [style, button, answer] :
         {std::tuple{MessageStyle{MessageIcon::Critical, MessageButtons::RetryCancel},
                     QMessageBox::Retry, MessageAnswer::Retry},
          {kSaveDiscardQuestion, QMessageBox::Discard, MessageAnswer::Discard}}) {
        whenShown([button](QWidget& modal) {
            dynamic_cast<QMessageBox&>(modal).button(button)->click();
        });
        EXPECT_EQ(prompter.messageBox("Again?", style, QString()), answer);
    }
}

TEST(QtPrompter, MessageBoxWithoutTitleShowsTheProgramsName) {
    const QString before = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName("Wingsheet");
    QtPrompter prompter;
    QString title;
    whenShown([&](QWidget& modal) {
        title = modal.windowTitle();
        close(modal, Close::Escape);
    });
    prompter.messageBox("Please select a language", kCriticalMessage, QString());
    EXPECT_EQ(title, "Wingsheet");
    QApplication::setApplicationDisplayName(before);
}

struct InputCase {
    const char* name;
    std::function<void(QInputDialog&)> close;
    const char* answer;
};

TEST(QtPrompter, InputBoxAnswersWhatWasTypedOrNothing) {
    const InputCase cases[] = {
        {"Esc", [](QInputDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }, ""},
        {"OK keeps the default",
         [](QInputDialog& box) {
             box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
         },
         "My wing"},
        {"typed, then Enter",
         [](QInputDialog& box) {
             QLineEdit* edit = box.findChild<QLineEdit*>();
             edit->selectAll();
             QTest::keyClicks(edit, "Glider 2");
             QTest::keyClick(edit, Qt::Key_Return);
         },
         "Glider 2"},
        {"Cancel after typing",
         [](QInputDialog& box) {
             QTest::keyClicks(box.findChild<QLineEdit*>(), "x");
             box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
         },
         ""},
    };
    QtPrompter prompter;
    for (const InputCase& row : cases) {
        SCOPED_TRACE(row.name);
        QString prompt;
        QString title;
        whenShown([&](QWidget& modal) {
            auto& box = dynamic_cast<QInputDialog&>(modal);
            prompt = box.labelText();
            title = box.windowTitle();
            row.close(box);
        });
        EXPECT_EQ(prompter.inputBox("\r\n\r\nTitle for the sheet:", "Sheet title", "My wing"),
                  row.answer);
        EXPECT_EQ(prompt, "\n\nTitle for the sheet:");
        EXPECT_EQ(title, "Sheet title");
    }
}

// Every page the plan paints at once, with Print and Cancel; nothing is printed from it.
TEST(QtPrompter, PreviewBeforePrintingShowsEveryPageAndAsks) {
    for (const bool print : {true, false}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const auto paintThreePages = [](QPrinter& pages) {
            QPainter painter(&pages);
            pages.newPage();
            pages.newPage();
        };
        std::vector<std::string> problems;
        whenShown([&](QWidget& modal) {
            auto& preview = dynamic_cast<PagesPreviewDialog&>(modal);
            EXPECT_EQ(preview.preview()->pageCount(), 3);
            problems = captionsThatDoNotFit(preview);
            for (std::string& problem : controlsWithoutNames(preview))
                problems.push_back(std::move(problem));
            print ? preview.printButton()->click() : close(preview, Close::Escape);
        });
        EXPECT_EQ(QtPrompter().previewBeforePrinting(printer, paintThreePages, "Plan", "&Print"),
                  print);
        EXPECT_TRUE(printer.outputFileName().isEmpty());
        EXPECT_TRUE(problems.empty()) << listed(problems);
    }
}

} // namespace
