// Helpers shared by the description-table tests.
#pragma once

#include <string_view>
#include <vector>

#include "scenes/description_table.h"

namespace kvarnel::scenes::test_support {

// Splits a rectangle list strictly: an empty name (a leading, trailing or
// doubled space) is kept as "" so a format test sees it, where the game's
// own splitRectangles() skips it.
inline std::vector<std::string_view> names(std::string_view list) {
    std::vector<std::string_view> out;
    if (list.empty()) return out;
    size_t start = 0;
    while (true) {
        const size_t space = list.find(' ', start);
        out.push_back(list.substr(start, space == std::string_view::npos ? std::string_view::npos : space - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    return out;
}

// The row a click on `rectangle` in `scene` leads to, or nullptr.
inline const DescriptionRow* rowAt(const SceneDescriptions& scene, std::string_view rectangle) {
    for (const SceneRow& r : scene.rows) {
        for (std::string_view n : names(r.rectangles)) {
            if (n == rectangle) return r.row;
        }
    }
    return nullptr;
}

}  // namespace kvarnel::scenes::test_support
