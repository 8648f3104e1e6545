// SPDX-License-Identifier: GPL-3.0-or-later
// The input fields take pasted and dropped text through the same filter as typed characters,
// and the standard editing shortcuts work in them.
#include "ui/common/WingField.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PasteCase {
    const char* name;
    const QString& allowed;
    const char* pasted;
    const char* kept;
};

// What the key filter would refuse goes; what it lets through stays, in its order.
const PasteCase kPasteCases[] = {
    {"minus in a chord", kDigitsAndPoint, "-250", "250"},
    {"minus in a sweep", kDigitsPointAndMinus, "-12,5", "-12,5"},
    {"unit and blanks", kDigitsAndPoint, " 1 500 mm\n", "1500"},
    {"exponent", kDigitsAndPoint, "1e308", "1308"},
    {"letters only", kDigitsAndPoint, "abc", ""},
    {"non-Latin digits", kDigitsAndPoint, "\u0661\u0662\u0663", ""},
};

// Qt delivers a drop only inside a real drag, and a context menu to a shown window; the test
// hands both to the field directly.
class ExposedField : public WingField {
public:
    using WingField::contextMenuEvent;
    using WingField::dropEvent;
    using WingField::WingField;
};

class WingFieldEditing : public testing::Test {
protected:
    // Each case starts from "9" with the cursor at its end.
    ExposedField& fieldFor(const QString& allowed) {
        field = std::make_unique<ExposedField>(allowed, nullptr);
        field->setText("9");
        return *field;
    }
    std::unique_ptr<ExposedField> field;
};

TEST_F(WingFieldEditing, PasteShortcutKeepsWhatTypingWould) {
    for (const PasteCase& row : kPasteCases) {
        SCOPED_TRACE(row.name);
        WingField& f = fieldFor(row.allowed);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
        QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.text(), QStringLiteral("9") + row.kept);
    }
}

TEST_F(WingFieldEditing, ContextMenuPasteKeepsWhatTypingWould) {
    for (const PasteCase& row : kPasteCases) {
        SCOPED_TRACE(row.name);
        ExposedField& f = fieldFor(row.allowed);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        f.contextMenuEvent(&click);
        QMenu* menu = f.findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::ranges::find_if(
            actions, [](const QAction* action) { return action->text().startsWith("&Paste"); });
        ASSERT_NE(paste, actions.end());
        (*paste)->trigger();
        delete menu;
        EXPECT_EQ(f.text(), QStringLiteral("9") + row.kept);
    }
}

TEST_F(WingFieldEditing, DropKeepsWhatTypingWould) {
    for (const PasteCase& row : kPasteCases) {
        SCOPED_TRACE(row.name);
        ExposedField& f = fieldFor(row.allowed);
        f.resize(200, 24);
        QMimeData dragged;
        dragged.setText(QString::fromUtf8(row.pasted));
        QDropEvent drop(QPointF(190, 12), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        f.dropEvent(&drop);
        EXPECT_EQ(f.text(), QStringLiteral("9") + row.kept);
        EXPECT_EQ(drop.isAccepted(), *row.kept != '\0');
    }
}

// Select all, copy, cut, paste back, undo and redo, as in any other field of the desktop.
TEST_F(WingFieldEditing, StandardShortcutsEdit) {
    WingField& f = fieldFor(kDigitsAndPoint);
    f.setText("250");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&f, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.selectedText(), "250");
    QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "250");
    QTest::keyClick(&f, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(f.text().isEmpty());
    QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.text(), "250250");
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.text(), "250");
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.text(), "250250");
    QTest::keyClick(&f, Qt::Key_B, Qt::ControlModifier); // no editing shortcut: nothing typed
    EXPECT_EQ(f.text(), "250250");
}

} // namespace
