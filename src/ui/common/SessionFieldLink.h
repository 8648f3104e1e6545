// SPDX-License-Identifier: GPL-3.0-or-later
// A field of a window that views the session: each typed change goes to the session, then the
// window shows what the session made of it (the chained root chords); Enter calculates. The
// session keeps millimetres and grams; the field shows and takes the chosen units.
#pragma once

#include <functional>
#include <string>

class QObject;
class QWidget;
class WingField;
class WingSession;

// showingSession is the view's own flag, set while it writes the session's texts into its fields,
// so those writes are not sent back. The view outlives the connections it is the context of.
void linkFieldToSession(WingField* field, QObject* view, const bool& showingSession,
                        std::function<void(const std::string&)> forward,
                        std::function<void()> showSession, std::function<void()> calculate);

// Sets the session's text in the field in its units, unless the field's own text already stands
// for it: the field being typed in keeps its text and its cursor, "3 1/2" as typed.
void showSessionText(WingField* field, const std::string& text);

// Every field of the window shows and takes the session's units from now on; the caller shows
// the session's texts again.
void followSessionUnits(QWidget& window, const WingSession& session);
