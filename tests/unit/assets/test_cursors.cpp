#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dabwick/Resources.h"
#include "support/ResourceBytes.h"

namespace {

using testsupport::bigEndianAt;

// A "CURSOR" resource: hot spot x and y, one byte each, then a PNG of the 32 by 32 picture.
constexpr std::size_t kPngAt = 2;
constexpr int kAny = -1;

}  // namespace

TEST(Cursors, EveryNamedCursorIsA32By32PictureWithItsHotSpot)
{
    struct Case {
        const char* name;
        int hotX;  // kAny: the program never shows it, so any point of the picture will do
        int hotY;
    };
    const Case cases[] = {
        {"hand", 12, 1}, {"draw", 13, 23}, {"pen", kAny, kAny}, {"brush", kAny, kAny}, {"crayon", 8, 21},
        {"marker", 5, 24}, {"eraser", 7, 14}, {"fill", 8, 20}, {"spray", kAny, kAny}, {"roller", kAny, kAny},
        {"pick", 0, 15}, {"magnify", kAny, kAny}, {"zoomin", kAny, kAny}, {"zoomout", kAny, kAny},
        {"grab", kAny, kAny}, {"move", kAny, kAny}, {"pickup", kAny, kAny}, {"drop", kAny, kAny},
        {"multidrop", kAny, kAny}, {"edit", kAny, kAny}, {"noedit", 0, 0}, {"props", kAny, kAny},
        {"delete", 0, 0}, {"line", kAny, kAny}, {"fills", kAny, kAny}, {"filldl", 2, 13}, {"filldr", 2, 13},
        {"fillcd", 2, 13}, {"fillc", 2, 13}, {"fillh", 2, 13}, {"fillv", 2, 13}, {"circle", 9, 9},
        {"square", 9, 9}, {"rndrect", 9, 9}, {"line2", 9, 9}, {"nofill", 2, 13}, {"noreplace", 1, 17},
        {"nopick", 0, 15}, {"replace", 1, 17}, {"moveu", kAny, kAny}, {"moveur", kAny, kAny},
        {"mover", kAny, kAny}, {"movedr", kAny, kAny}, {"moved", kAny, kAny}, {"movedl", kAny, kAny},
        {"movel", kAny, kAny}, {"moveul", kAny, kAny},
    };
    const std::uint8_t kPngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const std::size_t kColourTypeAt = kPngAt + 25;
    const std::uint8_t kTruecolourWithAlpha = 6;

    for (const Case& c : cases) {
        const dabwick::Resource* cursor = dabwick::builtInResources().find(c.name, "CURSOR");
        if (cursor == nullptr || cursor->bytes.size() <= kColourTypeAt) {
            ADD_FAILURE() << c.name << " is missing or too short for a cursor";
            continue;
        }
        EXPECT_TRUE(std::equal(std::begin(kPngStart), std::end(kPngStart), cursor->bytes.begin() + kPngAt)) << c.name;
        EXPECT_EQ(bigEndianAt(*cursor, kPngAt + 16), 32u) << c.name << " width";
        EXPECT_EQ(bigEndianAt(*cursor, kPngAt + 20), 32u) << c.name << " height";
        // Without alpha a cursor would carry a box around it over the picture.
        EXPECT_EQ(cursor->bytes[kColourTypeAt], kTruecolourWithAlpha) << c.name;
        if (c.hotX == kAny) {
            EXPECT_LT(cursor->bytes[0], 32) << c.name << " hot spot x";
            EXPECT_LT(cursor->bytes[1], 32) << c.name << " hot spot y";
        } else {
            EXPECT_EQ(cursor->bytes[0], c.hotX) << c.name << " hot spot x";
            EXPECT_EQ(cursor->bytes[1], c.hotY) << c.name << " hot spot y";
        }
    }

    const auto entries = dabwick::builtInResources().entries();
    const auto cursors = std::count_if(entries.begin(), entries.end(),
                                       [](const dabwick::Resource& r) { return r.type == "CURSOR"; });
    EXPECT_EQ(cursors, std::ssize(cases)) << "a cursor no slot takes";
}
