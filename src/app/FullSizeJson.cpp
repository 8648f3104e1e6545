// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FullSizeJson.h"

#include "draw/TileLayout.h"
#include "draw/TilePage.h"

namespace {

using Json = nlohmann::ordered_json;

Json boxJson(const MmRect& box) {
    return {{"minX", box.left},   {"minY", box.top},      {"maxX", box.right},
            {"maxY", box.bottom}, {"width", box.width()}, {"height", box.height()}};
}

Json tilesJson(const TileLayout& layout) {
    Json labels = Json::array();
    for (const Tile& tile : layout.pages)
        labels.push_back(tile.label);
    return {
        {"orientation", layout.orientation == PageOrientation::Portrait ? "portrait" : "landscape"},
        {"rows", layout.rows},
        {"columns", layout.columns},
        {"pagesKept", layout.pages.size()},
        {"pages", labels}};
}

} // namespace

Json fullSizeJson(const WingSession& session, const FullSizeRequest& request,
                  const TextMetrics& metrics) {
    auto figure = fullSizeFigureOf(session, request);
    if (!figure)
        return {{"failed", "a coordinate is not finite or lies beyond a kilometre"}};
    Json json = {{"bothHalves", request.bothHalves},
                 {"outlineBox", boxJson(outlineBounds(*figure))},
                 {"boundingBox", boxJson(figureBounds(*figure))}};
    // The boxes are the files' (texts estimated); the tiles are the printed pages', whose texts
    // are measured as the pages measure them.
    measureTexts(*figure, pageTextWidthOf(metrics));
    const auto layout = layoutTiles(*figure, wholePaper(kA4));
    if (layout)
        json["a4Tiles"] = tilesJson(*layout);
    else
        json["a4Tiles"] = {{"failed", "more than " + std::to_string(kMostTiles) + " pages"}};
    return json;
}
