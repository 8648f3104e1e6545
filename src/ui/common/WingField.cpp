// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/WingField.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace {

// Shortcuts that edit rather than type: their control characters never reach the text.
constexpr QKeySequence::StandardKey kEditingShortcuts[] = {
    QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
    QKeySequence::Paste,     QKeySequence::Undo, QKeySequence::Redo,
};

bool isEditingShortcut(QKeyEvent* event) {
    for (const QKeySequence::StandardKey shortcut : kEditingShortcuts) {
        if (event->matches(shortcut))
            return true;
    }
    return false;
}

} // namespace

WingField::WingField(QString allowedCharacters, QWidget* parent, FieldQuantity quantity)
    : QLineEdit(parent)
    , allowedCharacters_(std::move(allowedCharacters))
    , quantity_(quantity) {
    // Wing files may bring long texts; the field must show them whole, not cut at 32767.
    setMaxLength(1 << 24);
    // An input method would commit text past the filter below.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void WingField::setUnits(const DisplayUnits& units, const std::string& decimalSeparator) {
    units_ = units;
    decimalSeparator_ = decimalSeparator;
}

std::string WingField::storedText() const {
    return units_.storedText(text().toStdString(), quantity_, decimalSeparator_);
}

QString WingField::shownText(const std::string& stored) const {
    return QString::fromStdString(units_.shownText(stored, quantity_, decimalSeparator_));
}

bool WingField::allowsCharacter(QChar c) const {
    const bool fraction = !units_.showsStored(quantity_) && (c == u' ' || c == u'/');
    return fraction || allowedCharacters_.contains(c);
}

bool WingField::allows(const QString& typed) const {
    for (const QChar c : typed) {
        if (c != QChar(8) && !allowsCharacter(c))
            return false;
    }
    return true;
}

QString WingField::filtered(const QString& text) const {
    QString kept;
    for (const QChar c : text) {
        if (allowsCharacter(c))
            kept += c;
    }
    return kept;
}

void WingField::pasteFiltered(QClipboard::Mode mode) {
    if (isReadOnly())
        return;
    const QString text = filtered(QGuiApplication::clipboard()->text(mode));
    if (!text.isEmpty())
        insert(text);
}

void WingField::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to calculate, the window's default action.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    if (isEditingShortcut(event))
        return QLineEdit::keyPressEvent(event);
    // Only typed characters are filtered; cursor keys, Delete and Escape type nothing and pass,
    // so Escape reaches the window's Cancel.
    const QString typed = event->text();
    const bool typesCharacters = !typed.isEmpty() && typed.front().isPrint();
    if (typesCharacters && !allows(typed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Arriving by keyboard or mouse selects the value; coming back from a menu or another window
// leaves a half-typed value as it was.
void WingField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        selectAll();
    keepSelectionOnPress_ = reason == Qt::MouseFocusReason;
    emit gotFocus();
}

// The click that brought the focus would otherwise place the cursor and drop the selection.
void WingField::mousePressEvent(QMouseEvent* event) {
    if (keepSelectionOnPress_) {
        keepSelectionOnPress_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

// A middle click pastes the X11 selection: filtered like any other paste.
void WingField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The menu's Paste is found by its connection to paste(), not by its words, which Qt may
// translate. Qt 6.4 makes that connection by signature, later versions by member pointer.
bool WingField::takeOverPaste(QAction* action) {
    return disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
           disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
}

QMenu* WingField::createContextMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (takeOverPaste(action))
            connect(action, &QAction::triggered, this, [this] { pasteFiltered(); });
    }
    return menu;
}

void WingField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Quietly: the value stays what was typed, only its form changes ("3 1/2" shows as "3.5"). A
// visit to a menu or another window leaves a half-typed value as it was, as focusInEvent does.
void WingField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (units_.showsStored(quantity_) || reason == Qt::PopupFocusReason ||
        reason == Qt::ActiveWindowFocusReason)
        return;
    const QString shown = shownText(storedText());
    if (shown != text()) {
        const QSignalBlocker quiet(this);
        setText(shown);
    }
}

// A drop inserts what typing would have let through; a drop with nothing of a number is refused.
void WingField::dropEvent(QDropEvent* event) {
    const QString text = filtered(event->mimeData()->text());
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData kept;
    kept.setText(text);
    QDropEvent filteredDrop(event->position(), event->possibleActions(), &kept, event->buttons(),
                            event->modifiers());
    filteredDrop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filteredDrop);
    event->setDropAction(filteredDrop.dropAction());
    event->setAccepted(filteredDrop.isAccepted());
}
