// The 165 built-in clips: every one present, in its exact file shape, black and white on one
// background colour that sits in the bottom-left corner, where stamping looks for it.
#include <cstdio>
#include <gtest/gtest.h>

#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"
#include "support/ResourceBytes.h"

namespace {

struct Shape {
    std::uint32_t bits;
    std::size_t bytes;
    raster::Colour background;
};
const Shape kFourBit {4, 2166, raster::Colour::rgb(255, 0, 0)};
const Shape kEightBit {8, 5174, raster::Colour::rgb(255, 0, 0)};
const Shape kTrueColour {24, 12342, raster::Colour::rgb(128, 128, 0)};

Shape expectedShape(const std::string& name)
{
    for (const char* trueColour : {"block2", "borde2", "borde6", "holid15", "holid16", "holid8", "shape3"}) {
        if (name == trueColour)
            return kTrueColour;
    }
    return name == "holid6" ? kEightBit : kFourBit;
}

std::vector<std::string> allClipNames()
{
    const std::pair<const char*, int> categories[] = {{"anima", 18}, {"natur", 9}, {"food", 12}, {"shape", 8},
        {"house", 11}, {"holid", 16}, {"block", 3}, {"borde", 7}, {"fence", 14}, {"lines", 6}};
    std::vector<std::string> names;
    for (const auto& [prefix, count] : categories) {
        for (int i = 1; i <= count; ++i)
            names.push_back(prefix + std::to_string(i));
    }
    for (int i = 1; i <= 61; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "text%02d", i);
        names.push_back(name);
    }
    return names;
}

}  // namespace

TEST(BuiltInClips, AreBlackAndWhiteOnTheirBackgroundInTheirExactShape)
{
    const std::vector<std::string> names = allClipNames();
    ASSERT_EQ(names.size(), 165u);
    for (const std::string& name : names) {
        const dabwick::Resource* clip = dabwick::builtInResources().find(name, "CLIP");
        ASSERT_NE(clip, nullptr) << name;
        const Shape shape = expectedShape(name);
        ASSERT_EQ(clip->bytes.size(), shape.bytes) << name;
        EXPECT_EQ(testsupport::littleEndianAt(*clip, 28, 2), shape.bits) << name;

        const auto picture = raster::readBmp(clip->bytes);
        ASSERT_TRUE(picture) << name << ": " << picture.error;
        const raster::Bitmap& bitmap = *picture.value;
        ASSERT_EQ(bitmap.width(), 64) << name;
        ASSERT_EQ(bitmap.height(), 64) << name;
        EXPECT_EQ(bitmap.pixel(0, 63), shape.background) << name << ": the see-through colour is taken from there";
        int black = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const raster::Colour colour = bitmap.pixel(x, y);
                black += colour == raster::kBlack;
                // The true-colour clips keep an olive frame, as the clip maker leaves one.
                const bool frame = shape.bits == 24 && (x == 0 || y == 0 || x == 63 || y == 63);
                if (frame || (colour != raster::kBlack && colour != raster::kWhite)) {
                    ASSERT_EQ(colour, shape.background) << name << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(black, 40) << name << ": a clip has lines";
    }
}
