#include "WingField.h"

#include <QKeyEvent>

WingField::WingField(QString allowedCharacters, QWidget* parent)
    : QLineEdit(parent)
    , allowedCharacters_(std::move(allowedCharacters)) {
    // Wing files may bring long texts; the field must show them whole, not cut at 32767.
    setMaxLength(1 << 24);
}

bool WingField::Allows(const QString& allowedCharacters, const QString& typed) {
    for (const QChar c : typed) {
        if (c != QChar(8) && !allowedCharacters.contains(c))
            return false;
    }
    return true;
}

void WingField::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to Calculate, the window's default action.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    // Only typed characters are filtered; cursor keys and Delete type nothing and pass.
    const QString typed = event->text();
    const bool typesCharacters = !typed.isEmpty() && event->key() != Qt::Key_Delete;
    if (typesCharacters && !Allows(allowedCharacters_, typed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void WingField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    keepSelectionOnPress_ = event->reason() == Qt::MouseFocusReason;
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
