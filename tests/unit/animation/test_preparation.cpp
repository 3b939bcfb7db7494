// Preparation on small pictures: the lines the outline pass adds, the regions in scan order with
// their colours, the line drawing left for the player, the one message, and Abort.
#include <gtest/gtest.h>

#include "dabwick/AnimationPreparation.h"
#include "support/AsciiBitmap.h"
#include "support/ScriptedDialogs.h"

namespace {

using dabwick::PreparationResult;
using testsupport::bitmapFromAscii;

// The window's side, with pauses that take no time.
struct Progress : dabwick::PreparationProgress {
    int bar = 0;
    int messageRounds = 0;
    int pausedMilliseconds = 0;
    bool abortOnFirstRound = false;
    bool abort = false;

    void processMessages() override
    {
        ++messageRounds;
        abort = abort || abortOnFirstRound;
    }
    void stepBar() override { ++bar; }
    void setBar(int position) override { bar = position; }
    void pause(int milliseconds) override { pausedMilliseconds += milliseconds; }
    bool aborted() const override { return abort; }
};

struct Seed {
    int x;
    int y;
    char colour;
};

struct Case {
    const char* name;
    std::vector<std::string_view> picture;
    std::vector<std::string_view> outline;  // as handed to the player
    std::vector<Seed> regions;
    PreparationResult result;
    const char* message;  // start of the one box shown, or nothing
};

class Preparation : public testing::TestWithParam<Case> { };

TEST_P(Preparation, HandsThePlayerItsLineDrawingAndRegions)
{
    const Case& c = GetParam();
    const raster::Bitmap picture = bitmapFromAscii(c.picture);
    dabwick::PreparedAnimation prepared;
    Progress progress;
    ScriptedDialogs dialogs;
    EXPECT_EQ(dabwick::PrepareAnimation(picture, prepared, progress, dialogs), c.result);

    EXPECT_BITMAP_EQ(bitmapFromAscii(c.outline), prepared.outline);
    ASSERT_EQ(prepared.regions.size(), c.regions.size());
    for (std::size_t i = 0; i < c.regions.size(); ++i) {
        const Seed& s = c.regions[i];
        EXPECT_EQ(prepared.regions[i], (dabwick::ColouredRegion{{s.x, s.y}, testsupport::colourOfLetter(s.colour)})) << i;
    }
    ASSERT_EQ(dialogs.shown.size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(dialogs.shown[0].rfind(c.message, 0), 0u) << dialogs.shown[0];
    }
    // One round of messages per outline row; the bar full after the fixed pauses.
    EXPECT_EQ(progress.messageRounds, picture.height() - 1);
    EXPECT_EQ(progress.bar, 1000);
    EXPECT_EQ(progress.pausedMilliseconds, 3400);
}

constexpr const char* kNotice = "notice: This picture contained colored areas that did not have a black \n";
constexpr const char* kError = "warning: Animation error: This picture has not been colored!";

INSTANTIATE_TEST_SUITE_P(Animation, Preparation, testing::Values(
    // Its own top row and left column turn black, and so do the white pixels just below and right of it.
    Case{"ColouredAreaOnWhite",
         {"........", "........", "..rrr...", "..rrr...", "........", "........"},
         {"########", "#......#", "#.###..#", "#.#..#.#", "#.###..#", "########"},
         {{3, 3, 'r'}}, PreparationResult::Ready, kNotice},
    Case{"FilledInsideOutlines",
         {"##########", "#bb#..#rr#", "#bb####rr#", "####yy####", "#..#yy#..#", "##########"},
         {"##########", "#..#..#..#", "#..####..#", "####..####", "#..#..#..#", "##########"},
         {{1, 1, 'b'}, {7, 1, 'r'}, {4, 3, 'y'}}, PreparationResult::Ready, nullptr},
    // The right-hand pixel of each touching pair turns black, never the left-hand one.
    Case{"TwoColoursSideBySide",
         {"........", "........", "..rrbb..", "..rrbb..", "........", "........"},
         {"########", "#......#", "#.####.#", "#.#.#.##", "#.####.#", "########"},
         {{3, 3, 'r'}, {5, 3, 'b'}}, PreparationResult::Ready, kNotice},
    Case{"ColourOnlyInThinLines",
         {".....", ".....", ".rrr.", ".....", "....."},
         {"#####", "#...#", "#####", "#...#", "#####"},
         {}, PreparationResult::NoRegion, kError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Preparation, AbortRunsToTheEndAndShowsNothing)
{
    dabwick::PreparedAnimation prepared;
    Progress progress;
    progress.abortOnFirstRound = true;
    ScriptedDialogs dialogs;
    const raster::Bitmap picture = bitmapFromAscii({"....", ".rr.", "....", "...."});
    EXPECT_EQ(dabwick::PrepareAnimation(picture, prepared, progress, dialogs), PreparationResult::Aborted);
    EXPECT_EQ(progress.pausedMilliseconds, 3400);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(Preparation, AnyPixelNeitherBlackNorWhiteIsColour)
{
    struct Row {
        raster::Colour pixel;
        bool colour;
    };
    for (const Row& row : {Row{raster::kWhite, false}, Row{raster::kBlack, false},
                           Row{raster::Colour::rgb(0, 0, 1), true}, Row{raster::Colour::rgb(255, 254, 255), true}}) {
        raster::Bitmap picture = bitmapFromAscii({"#..", "..#"});
        picture.setPixel(1, 1, row.pixel);
        EXPECT_EQ(dabwick::PictureHasColour(picture), row.colour) << row.pixel.value();
    }
}

}  // namespace
