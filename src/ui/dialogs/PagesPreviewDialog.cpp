// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/PagesPreviewDialog.h"

#include "ui/common/PlainText.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

PagesPreviewDialog::PagesPreviewDialog(QWidget* owner, QPrinter& printer,
                                       std::function<void(QPrinter&)> paintPages,
                                       const QString& title, const QString& printText)
    : QDialog(owner)
    , paintPages_(std::move(paintPages))
    , preview_(new QPrintPreviewWidget(&printer, this)) {
    setWindowTitle(plainWindowTitle(title));
    preview_->setAccessibleName(title);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* pages) { paintPages_(*pages); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    printButton_ = buttons->addButton(printText, QDialogButtonBox::AcceptRole);
    printButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_, 1);
    layout->addWidget(buttons);
    // Room for a grid of pages, within any screen.
    const QRect screen =
        (owner ? owner->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(screen.width() * 3 / 4, screen.height() * 3 / 4);
}

void PagesPreviewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
}

void PagesPreviewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isVisible())
        preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
}
