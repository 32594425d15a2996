// All sixteen description tables together: order, unique rectangles across
// the whole world, and the detective's rectangles counted over every scene.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "scenes/description_table.h"

namespace kvarnel::scenes {
namespace {

TEST(Descriptions, EveryScenesTableInOrder) {
    const auto all = allSceneDescriptions();
    ASSERT_EQ(all.size(), static_cast<size_t>(Scene::Count));
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].scene, static_cast<Scene>(i)) << kSceneNames[i];
        EXPECT_FALSE(all[i].rows.empty()) << kSceneNames[i];
    }
}

TEST(Descriptions, NoRectangleLeadsToTwoRows) {
    std::map<std::string_view, std::string> seen;
    for (const auto& scene : allSceneDescriptions()) {
        const std::string where = std::string(kSceneNames[static_cast<size_t>(scene.scene)]);
        auto add = [&](std::string_view name, const std::string& what) {
            const auto [it, fresh] = seen.emplace(name, where + " " + what);
            EXPECT_TRUE(fresh) << name << " in " << where << " " << what << " and in " << it->second;
        };
        for (size_t p = 0; p < scene.detective.size(); ++p) {
            for (auto name : splitRectangles(scene.detective[p])) add(name, "detective part " + std::to_string(p));
        }
        for (const auto& row : scene.rows) {
            for (auto name : splitRectangles(row.rectangles)) add(name, std::string(row.row->name));
        }
    }
    EXPECT_GT(seen.size(), 2000u);
}

// The common table counts each detective row's rectangles over all scenes.
TEST(Descriptions, DetectiveRectanglesOverAllScenes) {
    const std::array<size_t, static_cast<size_t>(DetectivePart::Count)> expected = {93, 15, 35, 33, 35, 87,
                                                                                      106, 98, 113, 75, 19};
    std::array<size_t, static_cast<size_t>(DetectivePart::Count)> counted{};
    for (const auto& scene : allSceneDescriptions()) {
        for (size_t p = 0; p < counted.size(); ++p) counted[p] += splitRectangles(scene.detective[p]).size();
    }
    for (size_t p = 0; p < counted.size(); ++p) {
        EXPECT_EQ(counted[p], expected[p]) << kDetectiveRows[p].name;
    }
}

TEST(Descriptions, SplittingRectangleLists) {
    EXPECT_EQ(splitRectangles("Image1 Image2  Label3"), (std::vector<std::string_view>{"Image1", "Image2", "Label3"}));
    EXPECT_TRUE(splitRectangles("").empty());
}

}  // namespace
}  // namespace kvarnel::scenes
