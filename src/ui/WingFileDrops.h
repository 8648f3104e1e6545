// SPDX-License-Identifier: GPL-3.0-or-later
// A wing file dropped anywhere on the main window, on a field too, opens as File > Open opens
// one; the fields would otherwise take the dragged file's name as typed text.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

// The one local file a drag carries, or "" when it carries none or several.
QString draggedLocalFile(const QMimeData* data);

class WingFileDrops : public QObject {
    Q_OBJECT
public:
    // Watches the window and its text fields; open runs once the drop has finished, so its
    // messages do not hold up the program the file was dragged from.
    WingFileDrops(QWidget& window, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};
