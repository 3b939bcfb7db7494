// The player's pace, its one region per tick, and its music rules, against a stand-in for the
// media player that records plays and stops and ends a play when the test says so.
#include <gtest/gtest.h>

#include "dabwick/AnimationPlayer.h"
#include "dabwick/Music.h"
#include "support/AsciiBitmap.h"

namespace {

using testsupport::bitmapFromAscii;

TEST(AnimationPace, SpreadsTheRegionsOverAboutHalfAMinuteButNoFasterThan175)
{
    // 16 regions give 1938.5 exactly, which goes to the even neighbour.
    for (const auto& [regions, full, first] : {std::tuple<std::size_t, int, int> {1, 31001, 15500}, {10, 3101, 1550},
             {16, 1938, 969}, {178, 175, 87}, {179, 347, 173}, {400, 233, 116}}) {
        const dabwick::AnimationPace pace = dabwick::PaceFor(regions);
        EXPECT_EQ(std::pair(pace.fullInterval, pace.firstTick), std::pair(full, first)) << regions;
    }
}

class StandInMusic : public dabwick::Music {
public:
    std::string calls;  // one letter a call: o(pen) p(lay) s(top) r(ewind) c(lose)
    bool opens = true;

    void setFileName(const std::string&) override { }
    bool open() override { return isOpen_ = opens, calls += 'o', opens; }
    bool play(EndNotice onEnd) override
    {
        calls += 'p';
        notice_ = isOpen_ ? std::move(onEnd) : nullptr;
        return isOpen_;
    }
    void stop() override { calls += 's', notice_ = nullptr; }
    void rewind() override { calls += 'r', notice_ = nullptr; }
    void close() override { calls += 'c', notice_ = nullptr, isOpen_ = false; }
    // The tune reaches its end.
    void end() { std::exchange(notice_, nullptr)(); }
    bool playing() const { return bool(notice_); }
    EndNotice notice_;
    bool isOpen_ = false;
};

class Player : public testing::Test {
protected:
    Player()
    {
        player.prepared = {bitmapFromAscii({"#####", "#.#.#", "#####", "#.#.#", "#####"}),
            {{{1, 1}, red}, {{3, 1}, blue}, {{1, 3}, red}}};
    }
    void tick(int times = 1)
    {
        while (times-- > 0)
            player.Timer1Timer({});
    }

    const raster::Colour red = testsupport::colourOfLetter('r');
    const raster::Colour blue = testsupport::colourOfLetter('b');
    StandInMusic music;
    dabwick::AnimationPlayer player {music, 7};
};

TEST_F(Player, FillsOneRegionATickWhileTheTuneLoopsAndStartWaitsForItsEnd)
{
    player.FormShow("tune.mid");
    EXPECT_EQ(music.calls, "op");
    EXPECT_FALSE(player.startEnabled());
    EXPECT_EQ(player.timerInterval(), 5167);  // half of 31000 / 3 + 1
    EXPECT_BITMAP_EQ(player.prepared.outline, player.implay());
    tick();
    EXPECT_EQ(player.timerInterval(), 10334);
    player.SpeedButton2Click();  // ignored while running
    EXPECT_EQ(player.regionsLeft(), 2u);
    music.end();
    music.end();
    EXPECT_EQ(music.calls, "oppp");
    tick(2);
    EXPECT_BITMAP_EQ(bitmapFromAscii({"#####", "#r#b#", "#####", "#r#.#", "#####"}), player.implay());
    EXPECT_FALSE(player.timerRunning());
    EXPECT_FALSE(player.startEnabled());
    music.end();  // played out, not again
    EXPECT_TRUE(player.startEnabled());
    EXPECT_FALSE(music.playing());
}

TEST_F(Player, MusicSwitchedOffStopsAtOnceAndSwitchedOnRestartsOnlyDuringARun)
{
    player.FormShow("tune.mid");
    player.btnMusicClick(false);
    player.btnMusicClick(true);
    EXPECT_EQ(music.calls, "opssrp");
    player.btnMusicClick(false);
    tick(3);
    EXPECT_TRUE(player.startEnabled());  // no tune to wait for
    player.btnMusicClick(true);
    EXPECT_FALSE(music.playing());  // idle: the next start plays it
    player.SpeedButton2Click();
    // A notice already waiting when the last region is filled is taken before Start is decided.
    tick(2);
    player.Timer1Timer([&] { music.end(); });
    EXPECT_TRUE(player.startEnabled());
    EXPECT_FALSE(music.playing());
}

TEST_F(Player, StartComesBackAtOnceWhenTheTuneCannotPlayAndClosingStopsAll)
{
    music.opens = false;
    player.FormShow("tune.mid");
    tick(3);
    EXPECT_TRUE(player.startEnabled());
    player.SpeedButton2Click();
    player.FormClose();
    EXPECT_FALSE(player.timerRunning());
    EXPECT_EQ(music.calls, "oppsc");
}

}  // namespace
