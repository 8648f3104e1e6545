// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WingField.h"

#include <QKeyEvent>

WingField::WingField(QString allowedCharacters, QWidget* parent)
    : QLineEdit(parent)
    , allowedCharacters_(std::move(allowedCharacters)) {
    // Wing files may bring long texts; the field must show them whole, not cut at 32767.
    setMaxLength(1 << 24);
    // An input method would commit text past the filter below.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool WingField::allows(const QString& typed) const {
    for (const QChar c : typed) {
        if (c != QChar(8) && !allowedCharacters_.contains(c))
            return false;
    }
    return true;
}

void WingField::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to calculate, the window's default action.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    // Only typed characters are filtered; cursor keys and Delete type nothing and pass.
    const QString typed = event->text();
    const bool typesCharacters = !typed.isEmpty() && event->key() != Qt::Key_Delete;
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
