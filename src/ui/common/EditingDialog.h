// SPDX-License-Identifier: GPL-3.0-or-later
// A window that edits the wing's data as they are typed (the stability and ribs windows): the
// session follows every edit and OK keeps them; Cancel, Escape and the close box give the session
// back what it had when the window opened. Remove stands apart on the left, away from OK and from
// Enter's Calculate, has no access key to hit by mistake, and asks before it removes anything.
#pragma once

#include "i18n/TextKey.h"
#include "ui/common/FeatureContext.h"

#include <QDialog>
#include <functional>

class QHBoxLayout;
class QPushButton;

struct EditingButtons {
    QPushButton* remove = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// A window's own words for its buttons; Calculate and OK say what they say on the main window.
struct EditingButtonTexts {
    TextKey remove;
    TextKey removeTip;
    TextKey cancel;
};

// Made in the keyboard's order (Calculate, OK, Cancel, then Remove) and laid out in one row with
// Remove on the left. Calculate is the default button: Enter calculates, as on the main window.
QHBoxLayout* buildEditingButtons(QWidget& dialog, EditingButtons& buttons);

// A tooltip shown as written, and the same words, without the tooltip's markup, for a screen
// reader, which would otherwise be given the markup.
void setTip(QWidget* widget, const QString& tip);

class EditingDialog : public QDialog {
    Q_OBJECT
public:
    // restore gives the session back what it had at the opening and redraws what shows it.
    EditingDialog(const FeatureContext& context, std::function<void()> restore);

    void reject() override;

protected:
    // OK keeps the edits and Cancel drops them; Remove runs remove once the user agrees to the
    // question, asked when it is pressed.
    void connectEditingButtons(const EditingButtons& buttons, std::function<QString()> question,
                               std::function<void()> remove);
    void translateEditingButtons(const EditingButtons& buttons, const EditingButtonTexts& texts);

    const FeatureContext context_;

private:
    std::function<void()> restore_;
};
