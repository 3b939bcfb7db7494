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
    struct Row {
        std::size_t regions;
        int full;
        int first;
    };
    // 16 regions give 1938.5 exactly, which goes to the even neighbour.
    for (const Row& row : {Row{1, 31001, 15500}, Row{10, 3101, 1550}, Row{16, 1938, 969}, Row{178, 175, 87},
                           Row{179, 347, 173}, Row{400, 233, 116}}) {
        const dabwick::AnimationPace pace = dabwick::PaceFor(row.regions);
        EXPECT_EQ(pace.fullInterval, row.full) << row.regions;
        EXPECT_EQ(pace.firstTick, row.first) << row.regions;
    }
}

class StandInMusic : public dabwick::Music {
public:
    std::vector<std::string> calls;
    bool opens = true;

    void setFileName(const std::string& path) override { calls.push_back("file " + path); }
    bool open() override
    {
        calls.push_back("open");
        isOpen_ = opens;
        return opens;
    }
    bool play(EndNotice onEnd) override
    {
        calls.push_back("play");
        notice_ = isOpen_ ? std::move(onEnd) : nullptr;
        return isOpen_;
    }
    void stop() override { record("stop"); }
    void rewind() override { record("rewind"); }
    void close() override
    {
        record("close");
        isOpen_ = false;
    }
    // The tune reaches its end.
    void end()
    {
        ASSERT_TRUE(notice_) << "nothing was playing";
        std::exchange(notice_, nullptr)();
    }
    bool playing() const { return bool(notice_); }

private:
    void record(const char* call)
    {
        calls.push_back(call);
        notice_ = nullptr;
    }
    EndNotice notice_;
    bool isOpen_ = false;
};

class Player : public testing::Test {
protected:
    Player()
    {
        player.prepared.outline = bitmapFromAscii({"#####", "#.#.#", "#####", "#.#.#", "#####"});
        player.prepared.regions = {{{1, 1}, red}, {{3, 1}, blue}, {{1, 3}, red}};
    }

    void open(bool musicOn)
    {
        player.setMusicDown(musicOn);
        player.FormShow("tune.mid");
    }
    void finishRun()
    {
        while (player.regionsLeft() > 0)
            player.Timer1Timer({});
    }

    const raster::Colour red = testsupport::colourOfLetter('r');
    const raster::Colour blue = testsupport::colourOfLetter('b');
    StandInMusic music;
    dabwick::AnimationPlayer player{music, 7};
};

TEST_F(Player, FillsOneRegionATickUntilThePictureIsComplete)
{
    open(true);
    EXPECT_EQ(music.calls, (std::vector<std::string>{"file tune.mid", "open", "play"}));
    EXPECT_TRUE(player.timerRunning());
    EXPECT_FALSE(player.startEnabled());
    EXPECT_EQ(player.timerInterval(), 5167);  // half of 31000 / 3 + 1
    EXPECT_BITMAP_EQ(player.prepared.outline, player.implay());

    player.Timer1Timer({});
    EXPECT_EQ(player.timerInterval(), 10334);
    EXPECT_EQ(player.regionsLeft(), 2u);
    player.SpeedButton2Click();  // ignored while running
    EXPECT_EQ(player.regionsLeft(), 2u);
    finishRun();
    EXPECT_BITMAP_EQ(bitmapFromAscii({"#####", "#r#b#", "#####", "#r#.#", "#####"}), player.implay());
    EXPECT_FALSE(player.timerRunning());
}

TEST_F(Player, TheTuneLoopsDuringTheRunAndStartWaitsForItsEnd)
{
    open(true);
    music.end();
    music.end();
    EXPECT_EQ(std::count(music.calls.begin(), music.calls.end(), "play"), 3);
    finishRun();
    EXPECT_FALSE(player.startEnabled());
    music.end();
    EXPECT_TRUE(player.startEnabled());
    EXPECT_FALSE(music.playing());  // played out, not again

    player.SpeedButton2Click();
    EXPECT_TRUE(music.playing());
}

TEST_F(Player, MusicSwitchedOffStopsAtOnceAndStartComesBackAtTheEnd)
{
    open(true);
    player.btnMusicClick(false);
    EXPECT_EQ(music.calls.back(), "stop");
    finishRun();
    EXPECT_TRUE(player.startEnabled());
}

TEST_F(Player, MusicOffFromTheSettingsIsSilentUntilSwitchedOnDuringARun)
{
    open(false);
    EXPECT_FALSE(music.playing());
    player.btnMusicClick(true);
    EXPECT_EQ(std::vector<std::string>(music.calls.end() - 3, music.calls.end()),
              (std::vector<std::string>{"stop", "rewind", "play"}));
    finishRun();
    EXPECT_FALSE(player.startEnabled());
    music.end();
    EXPECT_TRUE(player.startEnabled());

    // Switched on while idle: nothing until Start.
    player.btnMusicClick(false);
    player.btnMusicClick(true);
    EXPECT_FALSE(music.playing());
}

TEST_F(Player, StartComesBackAtOnceWhenTheTuneCannotPlayOrHasJustEnded)
{
    music.opens = false;
    open(true);
    finishRun();
    EXPECT_TRUE(player.startEnabled());

    // A notice already waiting when the last region is filled is taken before Start is decided.
    music.opens = true;
    open(true);
    while (player.regionsLeft() > 1)
        player.Timer1Timer({});
    player.Timer1Timer([&] { music.end(); });
    EXPECT_TRUE(player.startEnabled());
    EXPECT_FALSE(music.playing());
}

TEST_F(Player, ClosingStopsTheRunAndTheMusic)
{
    open(true);
    player.Timer1Timer({});
    player.FormClose();
    EXPECT_FALSE(player.timerRunning());
    EXPECT_EQ(std::vector<std::string>(music.calls.end() - 2, music.calls.end()),
              (std::vector<std::string>{"stop", "close"}));
    EXPECT_FALSE(music.playing());
}

}  // namespace
