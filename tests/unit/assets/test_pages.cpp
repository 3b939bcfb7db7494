// The 36 colouring pages: exact files, pure line art, and areas a child can fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dabwick/Regions.h"
#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"

namespace {

std::uint32_t field(const dabwick::Resource& page, std::size_t offset)
{
    std::uint32_t value = 0;
    std::memcpy(&value, page.bytes.data() + offset, 4);
    return value;
}

}  // namespace

TEST(ColouringPages, AreOneBitPagesWithAreasAChildCanFill)
{
    for (int i = 1; i <= 36; ++i) {
        const std::string name = "page" + std::to_string(i);
        const dabwick::Resource* page = dabwick::builtInResources().find(name, "image");
        ASSERT_NE(page, nullptr) << name;
        ASSERT_EQ(page->bytes.size(), 37358u) << name;
        EXPECT_EQ(field(*page, 10), 62u) << name;
        EXPECT_EQ(field(*page, 38), 2677u) << name;
        EXPECT_EQ(field(*page, 54), 0u) << name << ": colour 0 is black";
        EXPECT_EQ(field(*page, 58), 0xFFFFFFu) << name << ": colour 1 is white";

        const auto picture = raster::readBmp(page->bytes);
        ASSERT_TRUE(picture) << name << ": " << picture.error;
        const std::vector<dabwick::Region> regions = dabwick::findRegions(*picture.value);
        int smallest = 1 << 30;
        for (const dabwick::Region& region : regions)
            smallest = std::min(smallest, region.area);
        // Shown so that whoever draws a page sees where it stands.
        std::printf("%s: %zu areas, the smallest %d pixels\n", name.c_str(), regions.size(), smallest);
        EXPECT_GE(regions.size(), 15u) << name << ": too few areas to be fun";
        EXPECT_LE(regions.size(), 150u) << name << ": too busy for a young child";
        EXPECT_GE(smallest, 80) << name << ": an area too small to hit";
    }
}
