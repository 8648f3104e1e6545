// SPDX-License-Identifier: GPL-3.0-or-later
// A print preview that asks before printing: every page at once, as a builder lays the tiles out
// on the table, with a print button and Cancel. The command that opened it does the printing, so
// the pages go through the program's own output routine like every other file.
#pragma once

#include <QDialog>
#include <functional>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

class PagesPreviewDialog : public QDialog {
    Q_OBJECT
public:
    PagesPreviewDialog(QWidget* owner, QPrinter& printer, std::function<void(QPrinter&)> paintPages,
                       const QString& title, const QString& printText);

    QPrintPreviewWidget* preview() const { return preview_; }
    QPushButton* printButton() const { return printButton_; }

protected:
    // Every page in sight, at the size the window has now: Qt fits the pages only as they are
    // laid out, and lays them out only once shown.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void(QPrinter&)> paintPages_;
    QPrintPreviewWidget* preview_;
    QPushButton* printButton_;
};
