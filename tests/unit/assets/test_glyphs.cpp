#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dabwick/Resources.h"
#include "support/ResourceBytes.h"

using testsupport::bigEndianAt;

TEST(Glyphs, EveryButtonPictureIsATransparentPngOfItsSize)
{
    struct Case {
        const char* name;
        std::uint32_t size;
    };
    const Case cases[] = {
        // Tool bar: 29 by 29 buttons (the ellipse 26 wide).
        {"freehandbutton", 22}, {"btnerase", 22}, {"LineButton", 22}, {"RectangleButton", 22},
        {"EllipseButton", 22}, {"RoundRectButton", 22}, {"btnclip", 22}, {"crayonbutton", 22},
        {"markerbutton", 22}, {"fillbutton", 22}, {"btnreplace", 22}, {"btnselect", 22},
        {"btnminus", 22}, {"btnplus", 22}, {"btnoutline", 22}, {"btnclear", 22}, {"btnundo", 22},
        // Fill patterns, for the pattern button and the pattern window.
        {"pattern_solid", 16}, {"pattern_horizontal", 16}, {"pattern_vertical", 16},
        {"pattern_fdiagonal", 16}, {"pattern_bdiagonal", 16}, {"pattern_cross", 16},
        {"pattern_diagcross", 16},
        // Top bar: a small picture beside each caption.
        {"btnnew", 16}, {"SpeedButton1", 16}, {"btnload", 16}, {"SpeedButton2", 16},
        {"btnMakeClip", 16}, {"btnsave", 16}, {"btnprint", 16}, {"BitBtn8", 16}, {"BitBtn6", 16},
        // Clip browser: 25 by 25 buttons.
        {"BitBtn3", 18}, {"BitBtn2", 18}, {"btnflipud", 18}, {"btnfliplr", 18}, {"btnrotate", 18},
        // The about window and the window icon.
        {"program", 64},
    };
    // Signature, then the header chunk, which a PNG must start with.
    const std::uint8_t kPngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const std::size_t kColourTypeAt = 25;
    const std::uint8_t kTruecolourWithAlpha = 6;

    for (const Case& c : cases) {
        const dabwick::Resource* glyph = dabwick::builtInResources().find(c.name, "GLYPH");
        if (glyph == nullptr || glyph->bytes.size() <= kColourTypeAt) {
            ADD_FAILURE() << c.name << " is missing or too short for a PNG";
            continue;
        }
        EXPECT_TRUE(std::equal(std::begin(kPngStart), std::end(kPngStart), glyph->bytes.begin())) << c.name;
        EXPECT_EQ(bigEndianAt(*glyph, 16), c.size) << c.name << " width";
        EXPECT_EQ(bigEndianAt(*glyph, 20), c.size) << c.name << " height";
        // Without alpha a glyph would paint a box over the button face.
        EXPECT_EQ(glyph->bytes[kColourTypeAt], kTruecolourWithAlpha) << c.name;
    }
}
