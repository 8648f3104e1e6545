// SPDX-License-Identifier: GPL-3.0-or-later
// The help sketch in a window of the program's own, so it shows on a desktop without an image
// viewer: the picture scaled to fit the window, Esc or the close box closes it.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

class SketchWindow : public QDialog {
    Q_OBJECT
public:
    // title is the window's caption and the picture's name for a screen reader.
    SketchWindow(QWidget* owner, const QString& path, const QString& title);

    const QString& path() const { return path_; }
    // False when the file is not a picture Qt can read: the caller says so instead of showing it.
    bool hasPicture() const { return !picture_.isNull(); }
    QLabel* pictureLabel() const { return pictureLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showScaled();

    QString path_;
    QPixmap picture_;
    QLabel* pictureLabel_;
};
