// SPDX-License-Identifier: GPL-3.0-or-later
// A field of a window that views the session: each typed change goes to the session, then the
// window shows what the session made of it (the chained root chords); Enter calculates.
#pragma once

#include <functional>
#include <string>

class QObject;
class WingField;

// showingSession is the view's own flag, set while it writes the session's texts into its fields,
// so those writes are not sent back. The view outlives the connections it is the context of.
void linkFieldToSession(WingField* field, QObject* view, const bool& showingSession,
                        std::function<void(const std::string&)> forward,
                        std::function<void()> showSession, std::function<void()> calculate);

// Sets the session's text in the field only when it differs, so the field being typed in keeps
// its cursor.
void showSessionText(WingField* field, const std::string& text);
