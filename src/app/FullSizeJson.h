// SPDX-License-Identifier: GPL-3.0-or-later
// The "fullSize" member of `--calc --json`: the full-size figure's extent in millimetres and
// how it tiles over A4 paper printed edge to edge, as --tiles-pdf prints it.
#pragma once

#include "draw/RecordingCanvas.h"
#include "session/FullSizeText.h"

#include <nlohmann/json.hpp>

// {"bothHalves", "outlineBox", "boundingBox", "a4Tiles": {"orientation", "rows", "columns",
// "pagesKept", "pages"}}, or {"failed": "why"}. The tiles' texts are measured with metrics, the
// printer's fonts when run from the command line.
nlohmann::ordered_json fullSizeJson(const WingSession& session, const FullSizeRequest& request,
                                    const TextMetrics& metrics);
