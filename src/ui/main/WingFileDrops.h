// SPDX-License-Identifier: GPL-3.0-or-later
// A wing file dropped anywhere on the main window, on a field too, opens as File > Open opens
// one; the fields would otherwise take the dragged file's name as typed text.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QMimeData;
class QWidget;

// The one local file a drag carries, as the file system's bytes (the URL's own, so a name that
// is not UTF-8 stays as it is), or "" when it carries none or several.
std::string draggedLocalFile(const QMimeData* data);

class WingFileDrops : public QObject {
    Q_OBJECT
public:
    // Watches the window and its text fields; open runs once the drop has finished, so its
    // messages do not hold up the program the file was dragged from.
    WingFileDrops(QWidget& window, std::function<void(const std::string&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const std::string&)> open_;
};
