// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/SketchWindow.h"

#include "ui/common/PlainText.h"

#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The window opens at the picture's own size unless that would cover most of the screen.
constexpr double kLargestScreenShare = 0.8;

QSize openingSize(QSize picture, const QScreen* screen) {
    if (!screen)
        return picture;
    const QSize room = screen->availableGeometry().size() * kLargestScreenShare;
    if (picture.width() <= room.width() && picture.height() <= room.height())
        return picture;
    return picture.scaled(room, Qt::KeepAspectRatio);
}

} // namespace

SketchWindow::SketchWindow(QWidget* owner, const QString& path, const QString& title)
    : QDialog(owner)
    , path_(path)
    , picture_(path)
    , pictureLabel_(new QLabel(this)) {
    setWindowTitle(plainWindowTitle(title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pictureLabel_);
    pictureLabel_->setAlignment(Qt::AlignCenter);
    pictureLabel_->setMinimumSize(1, 1); // the label follows the window, not the picture
    pictureLabel_->setBackgroundRole(QPalette::Base);
    pictureLabel_->setAutoFillBackground(true);
    pictureLabel_->setAccessibleName(title);
    pictureLabel_->setAccessibleDescription(QFileInfo(path).fileName());
    if (hasPicture())
        resize(openingSize(picture_.size(), screen()));
    showScaled();
}

void SketchWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showScaled();
}

void SketchWindow::showScaled() {
    if (!hasPicture())
        return;
    const QSize room = pictureLabel_->size();
    pictureLabel_->setPixmap(picture_.size() == room ? picture_
                                                     : picture_.scaled(room, Qt::KeepAspectRatio,
                                                                       Qt::SmoothTransformation));
}
