// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/WingFileDrops.h"

#include "ui/common/PathText.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

std::string draggedLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QUrl& url = urls.front();
    // A file URL percent-encodes the name's bytes; decoded as text, bytes that are not UTF-8
    // would be lost.
    if (url.host().isEmpty())
        return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())
            .toStdString();
    return pathBytes(url.toLocalFile());
}

WingFileDrops::WingFileDrops(QWidget& window, std::function<void(const std::string&)> open)
    : QObject(&window)
    , open_(std::move(open)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QLineEdit* field : window.findChildren<QLineEdit*>())
        field->installEventFilter(this);
}

bool WingFileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::string path = draggedLocalFile(drop->mimeData());
    if (path.empty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    return true;
}
