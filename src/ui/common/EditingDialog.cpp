// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/EditingDialog.h"

#include "i18n/TextKeys.h"
#include "ui/common/FormControls.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/dialogs/Prompter.h"

#include <QHBoxLayout>
#include <QMainWindow>
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

EditingDialog::EditingDialog(const FeatureContext& context, std::function<void()> restore)
    : QDialog(&context.window)
    , context_(context)
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
                if (tell(context_, question(), kOkCancelQuestion) == MessageAnswer::Ok)
                    remove();
            });
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EditingDialog::translateEditingButtons(const EditingButtons& buttons,
                                            const EditingButtonTexts& texts) {
    buttons.remove->setText(uiText(context_.language, texts.remove));
    setTip(buttons.remove, uiText(context_.language, texts.removeTip));
    buttons.calculate->setText(uiText(context_.language, kCalculateButton));
    buttons.ok->setText(uiText(context_.language, kOkButton));
    buttons.cancel->setText(uiText(context_.language, texts.cancel));
}
