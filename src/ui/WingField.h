// SPDX-License-Identifier: GPL-3.0-or-later
// An input field of the main window: it lets only the characters of a number through as they
// are typed, and selects its whole text on focus so the next digit replaces the old value.
#pragma once

#include <QLineEdit>

class WingField : public QLineEdit {
    Q_OBJECT
public:
    // allowedCharacters: what typing may add; backspace always passes.
    WingField(QString allowedCharacters, QWidget* parent);

signals:
    void gotFocus();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool allows(const QString& typed) const;

    QString allowedCharacters_;
    bool keepSelectionOnPress_ = false;
};

inline const QString kDigitsAndPoint = QStringLiteral("1234567890.,");
inline const QString kDigitsPointAndMinus = QStringLiteral("1234567890.,-");
