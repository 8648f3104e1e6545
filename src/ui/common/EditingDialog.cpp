// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/EditingDialog.h"

#include "i18n/TextKeys.h"
#include "ui/common/FormControls.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/dialogs/Prompter.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* buildEditingButtons(QWidget& dialog, EditingButtons& buttons) {
    buttons.calculate = makeButton(&dialog);
    buttons.ok = makeButton(&dialog);
    buttons.cancel = makeButton(&dialog);
    buttons.remove = makeButton(&dialog);
    buttons.calculate->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(buttons.remove);
    row->addStretch(1);
    row->addWidget(buttons.calculate);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    return row;
}

void setTip(QWidget* widget, const QString& tip) {
    widget->setToolTip(plainToolTip(tip));
    widget->setAccessibleDescription(tip);
}

EditingDialog::EditingDialog(QWidget* owner, Prompter& prompter, const LanguageState& language,
                             std::function<void()> restore)
    : QDialog(owner)
    , prompter_(prompter)
    , language_(language)
    , restore_(std::move(restore)) {}

void EditingDialog::reject() {
    restore_();
    QDialog::reject();
}

void EditingDialog::connectEditingButtons(const EditingButtons& buttons,
                                          std::function<QString()> question,
                                          std::function<void()> remove) {
    connect(buttons.remove, &QPushButton::clicked, this,
            [this, question = std::move(question), remove = std::move(remove)] {
                if (prompter_.messageBox(question(), kOkCancelQuestion,
                                         uiText(language_, kProgramCaption)) == MessageAnswer::Ok)
                    remove();
            });
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EditingDialog::translateEditingButtons(const EditingButtons& buttons,
                                            const EditingButtonTexts& texts) {
    buttons.remove->setText(uiText(language_, texts.remove));
    setTip(buttons.remove, uiText(language_, texts.removeTip));
    buttons.calculate->setText(uiText(language_, kCalculateButton));
    buttons.ok->setText(uiText(language_, kOkButton));
    buttons.cancel->setText(uiText(language_, texts.cancel));
}
