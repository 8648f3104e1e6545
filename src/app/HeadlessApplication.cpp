// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HeadlessApplication.h"

#include <QGuiApplication>

namespace {

QtMessageHandler forwardedHandler = nullptr;

// A command has no desktop session and needs no runtime folder; Qt's notice that it is missing
// would only clutter the command's error output, which scripts read.
void withoutSessionNotices(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (forwardedHandler != nullptr)
        forwardedHandler(type, context, message);
}

} // namespace

HeadlessApplication::HeadlessApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    previousHandler_ = qInstallMessageHandler(withoutSessionNotices);
    forwardedHandler = previousHandler_;
    // A command run from a terminal or a script must not need a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

HeadlessApplication::~HeadlessApplication() {
    if (!application_)
        return;
    application_.reset();
    qInstallMessageHandler(previousHandler_);
}
