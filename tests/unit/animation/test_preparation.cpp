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

    void processMessages() override { ++messageRounds; }
    void stepBar() override { ++bar; }
    void setBar(int position) override { bar = position; }
    void pause(int milliseconds) override { pausedMilliseconds += milliseconds; }
    bool aborted() const override { return abortOnFirstRound && messageRounds > 0; }
};

const raster::Colour r = testsupport::colourOfLetter('r');
const raster::Colour b = testsupport::colourOfLetter('b');
const raster::Colour y = testsupport::colourOfLetter('y');

struct Case {
    const char* name;
    std::vector<std::string_view> picture;
    std::vector<std::string_view> outline;  // as handed to the player
    std::vector<dabwick::ColouredRegion> regions;
    PreparationResult result;
    const char* message;  // start of the one box shown, or nothing
    bool abort = false;  // Abort clicked during the outline pass
};

class Preparation : public testing::TestWithParam<Case> { };

TEST_P(Preparation, HandsThePlayerItsLineDrawingAndRegions)
{
    const Case& c = GetParam();
    const raster::Bitmap picture = bitmapFromAscii(c.picture);
    dabwick::PreparedAnimation prepared;
    Progress progress;
    progress.abortOnFirstRound = c.abort;
    ScriptedDialogs dialogs;
    EXPECT_EQ(dabwick::PrepareAnimation(picture, prepared, progress, dialogs), c.result);

    EXPECT_BITMAP_EQ(bitmapFromAscii(c.outline), prepared.outline);
    EXPECT_EQ(prepared.regions, c.regions);
    ASSERT_EQ(dialogs.shown.size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(dialogs.shown[0].rfind(c.message, 0), 0u) << dialogs.shown[0];
    }
    // One round of messages per outline row; the bar full after the fixed pauses, Abort or not.
    EXPECT_EQ(progress.messageRounds, picture.height() - 1);
    EXPECT_EQ(progress.bar, 1000);
    EXPECT_EQ(progress.pausedMilliseconds, 3400);
}

constexpr const char* kNotice = "notice: This picture contained colored areas that did not have a black \n";
constexpr const char* kError = "warning: Animation error: This picture has not been colored!";

INSTANTIATE_TEST_SUITE_P(Animation, Preparation,
    testing::Values(
        // Its own top row and left column turn black, and so do the white pixels just below and right of it.
        Case {"ColouredAreaOnWhite", {"........", "........", "..rrr...", "..rrr...", "........", "........"},
            {"########", "#......#", "#.###..#", "#.#..#.#", "#.###..#", "########"}, {{{3, 3}, r}},
            PreparationResult::Ready, kNotice},
        Case {"FilledInsideOutlines",
            {"##########", "#bb#..#rr#", "#bb####rr#", "####yy####", "#..#yy#..#", "##########"},
            {"##########", "#..#..#..#", "#..####..#", "####..####", "#..#..#..#", "##########"},
            {{{1, 1}, b}, {{7, 1}, r}, {{4, 3}, y}}, PreparationResult::Ready, nullptr},
        // The right-hand pixel of each touching pair turns black, never the left-hand one.
        Case {"TwoColoursSideBySide", {"........", "........", "..rrbb..", "..rrbb..", "........", "........"},
            {"########", "#......#", "#.####.#", "#.#.#.##", "#.####.#", "########"}, {{{3, 3}, r}, {{5, 3}, b}},
            PreparationResult::Ready, kNotice},
        Case {"ColourOnlyInThinLines", {".....", ".....", ".rrr.", ".....", "....."},
            {"#####", "#...#", "#####", "#...#", "#####"}, {}, PreparationResult::NoRegion, kError},
        Case {"Aborted", {"........", "........", "..rrr...", "..rrr...", "........", "........"},
            {"########", "#......#", "#.###..#", "#.#..#.#", "#.###..#", "########"}, {{{3, 3}, r}},
            PreparationResult::Aborted, nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
