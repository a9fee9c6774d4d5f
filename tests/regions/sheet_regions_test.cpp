#include "game/engine/sheet_regions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace glyphora::regions {
namespace {

TEST(SheetRegions, EveryUsedFrameLiesInsideItsSheet) {
    for (const Region& region : kAllRegions) {
        const SheetInfo& sheet = InfoOf(region.sheet);
        ASSERT_GT(FrameCount(region), 0) << region.name;
        for (int i = 0; i < FrameCount(region); ++i) {
            const Frame frame = NthFrame(region, i);
            EXPECT_GE(frame.u, region.frames.minU) << region.name;
            EXPECT_LE(frame.u, region.frames.maxU) << region.name;
            EXPECT_GE(frame.v, region.frames.minV) << region.name;
            EXPECT_LE(frame.v, region.frames.maxV) << region.name;
            const PixelRect r = FrameRect(region, frame.u, frame.v);
            EXPECT_GE(r.x, 0) << region.name << " frame " << i;
            EXPECT_GE(r.y, 0) << region.name << " frame " << i;
            EXPECT_LE(r.x + r.w, sheet.width) << region.name << " frame " << i;
            EXPECT_LE(r.y + r.h, sheet.height) << region.name << " frame " << i;
        }
    }
}

TEST(SheetRegions, NamesAreUniqueAndSheetsMatchTheirIndex) {
    std::set<std::string> names;
    for (const Region& region : kAllRegions) EXPECT_TRUE(names.insert(region.name).second) << region.name;
    for (int i = 0; i < static_cast<int>(std::size(kSheets)); ++i) EXPECT_EQ(static_cast<int>(kSheets[i].sheet), i);
}

TEST(SheetRegions, OnlyListedPairsShareOnlyTheirOneLine) {
    std::set<std::string> seen;
    ForEachOverlap([&](const Region& a, const Region& b, PixelRect shared) {
        EXPECT_TRUE(OverlapAllowed(a, b, shared)) << a.name << " and " << b.name << " share " << shared.w << "x"
                                                  << shared.h << " at " << shared.x << "," << shared.y;
        seen.insert(std::string(a.name) + "/" + b.name);
        seen.insert(std::string(b.name) + "/" + a.name);
    });
    // A listed exception that no longer happens is stale and would hide a fault.
    for (const RegionPair& pair : kSharedLines)
        EXPECT_TRUE(seen.count(std::string(pair.first) + "/" + pair.second)) << pair.first << "/" << pair.second;
    for (const RegionPair& pair : kSamePicture)
        EXPECT_TRUE(seen.count(std::string(pair.first) + "/" + pair.second)) << pair.first << "/" << pair.second;
}

TEST(SheetRegions, HeaderTabRowsFollowTheirYPosition) {
    for (int t = 2; t <= 9; ++t) {
        const Region* tab = HeaderTabForRow(t);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->y, 90 + 52 * t) << tab->name;
        EXPECT_EQ(tab->h, 52);
    }
    EXPECT_EQ(HeaderTabForRow(1), nullptr);
    EXPECT_EQ(HeaderTabForRow(10), nullptr);
}

}  // namespace
}  // namespace glyphora::regions
