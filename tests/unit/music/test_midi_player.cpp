// The MIDI player through FluidSynth's file driver, so that the tests need no sound card: the
// end-of-play notice, stopping, resuming, starting over, and silence for everything broken.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

#include "platform/MidiPlayer.h"
#include "support/SoundFile.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kGenerousWait = 10s;

// Half a second of music: two eighth notes at 120 beats a minute, 120 ticks a quarter.
std::string shortTune()
{
    // clang-format off
    const unsigned char bytes[] = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 120,
        'M', 'T', 'r', 'k', 0, 0, 0, 30,
        0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,  // tempo: 500000 microseconds a quarter
        0, 0xC0, 0,                          // piano
        0, 0x90, 60, 100, 60, 0x80, 60, 64,  // C4, an eighth
        0, 0x90, 64, 100, 60, 0x80, 64, 64,  // E4, an eighth
        0, 0xFF, 0x2F, 0};
    // clang-format on
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// Counts end-of-play notices, which arrive on FluidSynth's thread.
struct Notices {
    std::atomic<int> count = 0;

    platform::MidiPlayer::EndNotice notice()
    {
        return [this] { ++count; };
    }
    bool waitFor(int wanted) const
    {
        for (auto waited = 0ms; waited < kGenerousWait && count < wanted; waited += 10ms)
            std::this_thread::sleep_for(10ms);
        return count >= wanted;
    }
};

class MidiPlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(platform::kSystemSoundFont))
            GTEST_SKIP() << "no General MIDI soundfont installed";
        tune = folder.write("tune.mid", shortTune());
    }

    // Opens the short tune and starts it, with the notices counted.
    void startPlaying(platform::MidiPlayer& player)
    {
        player.setFileName(tune);
        ASSERT_TRUE(player.open());
        ASSERT_TRUE(player.play(notices.notice()));
    }

    platform::MidiOutput toFile() const { return {platform::kSystemSoundFont, "file", folder.path() + "sound.raw"}; }

    // True when the sound file holds something louder than silence.
    bool soundWasWritten() const { return holdsSound(folder.read("sound.raw")); }

    TempFolder folder;
    std::string tune;
    Notices notices;
};

// The animation loops its tune by playing it again at each notice, so the notice must come at
// the last beat; the sound file grows at the music's own pace, so its length tells where we are.
TEST_F(MidiPlayerTest, PlayAfterTheEndStartsOverWithNoGap)
{
    platform::MidiPlayer player(toFile());
    const auto secondsWritten
        = [&] { return double(std::filesystem::file_size(folder.path() + "sound.raw")) / (44100 * 4); };
    ASSERT_NO_FATAL_FAILURE(startPlaying(player));
    const double start = secondsWritten();
    ASSERT_TRUE(notices.waitFor(1) && player.play(notices.notice()) && notices.waitFor(2));
    // Two half-second pieces; FluidSynth's own idea of the end comes about two seconds after each.
    EXPECT_NEAR(secondsWritten() - start, 1.0, 0.4);
    // Once the music has died away, play() still starts it over, and its notice comes once.
    std::this_thread::sleep_for(4s);
    ASSERT_TRUE(player.play(notices.notice()));
    EXPECT_TRUE(notices.waitFor(3));
    std::this_thread::sleep_for(500ms);
    player.close();
    EXPECT_EQ(notices.count, 3);
    EXPECT_TRUE(soundWasWritten());
}

// Stop pauses; switching the animation's music on is stop, rewind, play. Neither may leave a
// notice behind.
TEST_F(MidiPlayerTest, StopAndRewindCancelTheNoticeAndPlayGoesOn)
{
    platform::MidiPlayer player(toFile());
    player.setFileName(tune);
    ASSERT_TRUE(player.open());
    for (const int heard : {0, 1}) {
        ASSERT_TRUE(player.play(notices.notice()));
        player.stop();
        if (heard == 1) {
            player.rewind();
            player.rewind();
        }
        std::this_thread::sleep_for(1s);  // twice the piece: it would have ended by now
        EXPECT_EQ(notices.count, heard);
        ASSERT_TRUE(player.play(notices.notice()));
        EXPECT_TRUE(notices.waitFor(heard + 1));
    }
}

TEST_F(MidiPlayerTest, ClosingWhilePlayingIsQuietAndEveryOperationStaysSafe)
{
    {
        platform::MidiPlayer player(toFile());
        ASSERT_NO_FATAL_FAILURE(startPlaying(player));
    }  // destroyed mid-piece
    platform::MidiPlayer player(toFile());
    player.stop();
    player.rewind();
    EXPECT_FALSE(player.play(notices.notice())) << "nothing open yet";
    ASSERT_NO_FATAL_FAILURE(startPlaying(player));
    player.close();
    player.close();
    player.stop();
    player.rewind();
    EXPECT_FALSE(player.play(notices.notice()));
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(notices.count, 0);
    player.setFileName("");
    EXPECT_FALSE(player.open());
}

struct Silence {
    const char* name;
    std::function<void(std::string& bytes)> spoil;  // null: the file is missing
    const char* soundFont = platform::kSystemSoundFont;
    const char* driver = "file";
};

class MidiPlayerSilence : public MidiPlayerTest, public testing::WithParamInterface<Silence> { };

TEST_P(MidiPlayerSilence, OpenAndPlayFailWithoutThrowing)
{
    const Silence& row = GetParam();
    std::string bytes = shortTune();
    if (row.spoil) {
        row.spoil(bytes);
        folder.write("tune.mid", bytes);
    } else {
        std::filesystem::remove(tune);
    }
    platform::MidiPlayer player({row.soundFont, row.driver, folder.path() + "sound.raw"});
    player.setFileName(tune);
    EXPECT_FALSE(player.open());
    EXPECT_FALSE(player.play(notices.notice()));
    player.stop();
    player.close();
}

void setByte(std::string& bytes, std::size_t at, unsigned char value)
{
    bytes[at] = char(value);
}

INSTANTIATE_TEST_SUITE_P(Music, MidiPlayerSilence,
    testing::Values(Silence {"MissingFile", nullptr},
        Silence {"NotMidi", [](std::string& b) { b = "just some text, no music at all"; }},
        Silence {"NoTracks", [](std::string& b) { setByte(b, 11, 0); }},
        Silence {"Truncated", [](std::string& b) { b.resize(b.size() - 1); }},
        Silence {"NoEndOfTrack",
            [](std::string& b) {
                b.resize(b.size() - 4);
                setByte(b, 21, 26);
            }},
        Silence {"DataWithoutStatus", [](std::string& b) { setByte(b, 30, 0x40); }},
        Silence {"MissingSoundFont", [](std::string&) {}, "no-such-soundfont.sf2"},
        Silence {"NoAudioDevice", [](std::string&) {}, platform::kSystemSoundFont, "no-such-driver"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
