// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NoDisplayReport.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler forwardedHandler = nullptr;
QStringList heldNotices; // the window system's, until one has started

bool startingWindowSystem(const QMessageLogContext& context) {
    return QGuiApplication::platformName().isEmpty() && context.category != nullptr &&
           QByteArray(context.category).startsWith("qt.qpa");
}

// Qt ends a start without any platform with a fatal message; the first notice held says why,
// "could not connect to display :0".
[[noreturn]] void reportNoDisplay() {
    const QString reason =
        heldNotices.isEmpty() ? QStringLiteral("no window system") : heldNotices.first().trimmed();
    std::fprintf(stderr,
                 "wingsheet: cannot open the window (%s); the command-line actions need no "
                 "display: wingsheet --help\n",
                 reason.toLocal8Bit().constData());
    std::_Exit(1);
}

void holdingWindowSystemNotices(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty())
        reportNoDisplay();
    if (type != QtFatalMsg && startingWindowSystem(context)) {
        heldNotices.append(message);
        return;
    }
    forwardedHandler(type, context, message);
}

} // namespace

NoDisplayReport::NoDisplayReport() {
    previousHandler_ = qInstallMessageHandler(holdingWindowSystemNotices);
    forwardedHandler = previousHandler_;
}

NoDisplayReport::~NoDisplayReport() {
    qInstallMessageHandler(previousHandler_);
}
