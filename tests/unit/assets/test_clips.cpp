// The 165 built-in clips: each in the exact file shape of its depth, black and white on one
// background colour that sits in the bottom-left corner, where stamping looks for it.
#include <gtest/gtest.h>

#include "dabwick/Resources.h"
#include "raster/BmpCodec.h"

namespace {

struct Shape {
    int bits;
    std::size_t bytes;
    raster::Colour background;
};
constexpr Shape kShapes[] = {
    {4, 2166, raster::Colour::rgb(255, 0, 0)},
    {8, 5174, raster::Colour::rgb(255, 0, 0)},
    {24, 12342, raster::Colour::rgb(128, 128, 0)},
};

}  // namespace

TEST(BuiltInClips, AreBlackAndWhiteOnTheirBackgroundInTheirExactShape)
{
    int count = 0;
    for (const dabwick::Resource& clip : dabwick::builtInResources().entries()) {
        if (clip.type != "clip")
            continue;
        ++count;
        const auto info = raster::probeBmp(clip.bytes);
        ASSERT_TRUE(info) << clip.name;
        const Shape* shape = nullptr;
        for (const Shape& s : kShapes)
            shape = s.bits == info.value->bitsPerPixel ? &s : shape;
        ASSERT_NE(shape, nullptr) << clip.name << ": " << info.value->bitsPerPixel << " bits";
        ASSERT_EQ(clip.bytes.size(), shape->bytes) << clip.name;

        const raster::Bitmap bitmap = *raster::readBmp(clip.bytes).value;
        ASSERT_EQ(bitmap.width(), 64) << clip.name;
        ASSERT_EQ(bitmap.height(), 64) << clip.name;
        EXPECT_EQ(bitmap.pixel(0, 63), shape->background)
            << clip.name << ": the see-through colour is taken from there";
        int black = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const raster::Colour colour = bitmap.pixel(x, y);
                black += colour == raster::kBlack;
                // The true-colour clips keep an olive frame, as the clip maker leaves one.
                const bool frame = shape->bits == 24 && (x == 0 || y == 0 || x == 63 || y == 63);
                if (frame || (colour != raster::kBlack && colour != raster::kWhite)) {
                    ASSERT_EQ(colour, shape->background) << clip.name << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(black, 40) << clip.name << ": a clip has lines";
    }
    EXPECT_EQ(count, 165);
}
