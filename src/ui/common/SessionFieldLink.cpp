// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/SessionFieldLink.h"

#include "session/WingSession.h"
#include "ui/common/WingField.h"

void linkFieldToSession(WingField* field, QObject* view, const bool& showingSession,
                        std::function<void(const std::string&)> forward,
                        std::function<void()> showSession, std::function<void()> calculate) {
    QObject::connect(field, &QLineEdit::textChanged, view,
                     [field, &showingSession, forward = std::move(forward),
                      showSession = std::move(showSession)] {
                         if (showingSession)
                             return;
                         forward(field->storedText());
                         showSession();
                     });
    QObject::connect(field, &WingField::enterPressed, view, std::move(calculate));
}

void showSessionText(WingField* field, const std::string& text) {
    if (field->storedText() == text)
        return;
    const QString shown = field->shownText(text);
    if (field->text() != shown)
        field->setText(shown);
}

void followSessionUnits(QWidget& window, const WingSession& session) {
    const DisplayUnits units = session.displayUnits();
    for (WingField* field : window.findChildren<WingField*>())
        field->setUnits(units, session.decimalSeparator());
}
