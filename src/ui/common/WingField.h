// SPDX-License-Identifier: GPL-3.0-or-later
// An input field of the main window: it lets only the characters of a number through as they
// are typed, pasted or dropped, keeps the standard editing shortcuts, and selects its whole text
// on focus so the next digit replaces the old value. A length or a mass is typed in the chosen
// units, fractions included, and stored as the files keep it.
#pragma once

#include "calc/DisplayUnits.h"

#include <QClipboard>
#include <QLineEdit>
#include <string>

class QAction;
class QMenu;

class WingField : public QLineEdit {
    Q_OBJECT
public:
    // allowedCharacters: what typing may add; backspace always passes. In inches or ounces a
    // length or a mass also takes the blank and the slash of a fraction.
    WingField(QString allowedCharacters, QWidget* parent,
              FieldQuantity quantity = FieldQuantity::Plain);

    void setUnits(const DisplayUnits& units, const std::string& decimalSeparator);
    // The text as the session keeps it, in millimetres or grams.
    std::string storedText() const;
    // A stored text as this field shows it in the chosen units.
    QString shownText(const std::string& stored) const;

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
    // What was typed in inches or ounces shows as the field would show it from the session.
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool allows(const QString& typed) const;
    bool allowsCharacter(QChar c) const;
    bool takeOverPaste(QAction* action);
    // The standard context menu, whose Paste filters as typing does; the caller owns it.
    QMenu* createContextMenu();

    QString allowedCharacters_;
    FieldQuantity quantity_;
    DisplayUnits units_;
    std::string decimalSeparator_ = ".";
    bool keepSelectionOnPress_ = false;
};

inline const QString kDigitsAndPoint = QStringLiteral("1234567890.,");
inline const QString kDigitsPointAndMinus = QStringLiteral("1234567890.,-");
