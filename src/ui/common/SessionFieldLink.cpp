// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/SessionFieldLink.h"

#include "ui/common/WingField.h"

void linkFieldToSession(WingField* field, QObject* view, const bool& showingSession,
                        std::function<void(const std::string&)> forward,
                        std::function<void()> showSession, std::function<void()> calculate) {
    QObject::connect(field, &QLineEdit::textChanged, view,
                     [&showingSession, forward = std::move(forward),
                      showSession = std::move(showSession)](const QString& text) {
                         if (showingSession)
                             return;
                         forward(text.toStdString());
                         showSession();
                     });
    QObject::connect(field, &WingField::enterPressed, view, std::move(calculate));
}

void showSessionText(WingField* field, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (field->text() != shown)
        field->setText(shown);
}
