// SPDX-License-Identifier: GPL-3.0-or-later
// An input field of the main window: it lets only the characters of a number through as they
// are typed, pasted or dropped, keeps the standard editing shortcuts, and selects its whole text
// on focus so the next digit replaces the old value.
#pragma once

#include <QClipboard>
#include <QLineEdit>

class QAction;
class QMenu;

class WingField : public QLineEdit {
    Q_OBJECT
public:
    // allowedCharacters: what typing may add; backspace always passes.
    WingField(QString allowedCharacters, QWidget* parent);

    // The characters of text that typing would let through, in their order.
    QString filtered(const QString& text) const;

    // Pastes the clipboard (or the X11 selection), filtered.
    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);

signals:
    void gotFocus();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool allows(const QString& typed) const;
    bool takeOverPaste(QAction* action);
    // The standard context menu, whose Paste filters as typing does; the caller owns it.
    QMenu* createContextMenu();

    QString allowedCharacters_;
    bool keepSelectionOnPress_ = false;
};

inline const QString kDigitsAndPoint = QStringLiteral("1234567890.,");
inline const QString kDigitsPointAndMinus = QStringLiteral("1234567890.,-");
