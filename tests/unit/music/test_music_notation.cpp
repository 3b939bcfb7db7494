// The tune notation: what a correct file means, and a clear file:line message for each kind
// of mistake a composer makes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

#include "tool/MusicNotation.h"

namespace {

constexpr int kTicks = 120;

assets::Tune parse(const std::string& text)
{
    return assets::parseTune(text, "test.tune", kTicks);
}

TEST(MusicNotation, NoteTokensGiveKeyAndLength)
{
    for (const auto& [token, key, ticks] :
        {std::tuple<const char*, int, std::uint32_t> {"C4/4", 60, 120}, {"C#4/8", 61, 60}, {"Db4/8", 61, 60},
            {"A4/4.", 69, 180}, {"G5/16.", 79, 45}, {"C-1/1", 0, 480}, {"G9/1.", 127, 720}}) {
        const assets::Tune tune = parse(std::string("track t\ninstrument 1\n") + token + "\n");
        ASSERT_EQ(tune.tracks.at(0).notes.size(), 1u) << token;
        EXPECT_EQ(tune.tracks[0].notes[0].key, key) << token;
        EXPECT_EQ(tune.tracks[0].notes[0].length, ticks) << token;
    }
}

TEST(MusicNotation, ReadsTracksChordsRestsAndDefines)
{
    const assets::Tune tune = parse(R"(// a comment line
tempo 90
time 3/4
define up C4/8 E4/8 G4/4   // a named run
track one
instrument 74
velocity 50
@up r/4 | C4+E4+G4/2. |
track two
channel 5
instrument 1
velocity 127
r/2. | @up r/4 |
)");
    EXPECT_EQ(tune.beatsPerMinute, 90);
    EXPECT_EQ(tune.beatsPerBar, 3);
    EXPECT_EQ(tune.beatValue, 4);
    EXPECT_EQ(tune.lengthTicks, 720u);
    ASSERT_EQ(tune.tracks.size(), 2u);

    const assets::TuneTrack& one = tune.tracks[0];
    EXPECT_EQ(one.name, "one");
    EXPECT_EQ(one.program, 73);
    EXPECT_EQ(one.channel, 0);
    const auto note = [](std::uint32_t start, std::uint32_t length, int key, int velocity) {
        return std::tuple(start, length, key, velocity);
    };
    const auto notesOf = [](const assets::TuneTrack& track) {
        std::vector<std::tuple<std::uint32_t, std::uint32_t, int, int>> notes;
        for (const assets::TuneNote& n : track.notes)
            notes.emplace_back(n.start, n.length, n.key, n.velocity);
        return notes;
    };
    EXPECT_THAT(notesOf(one),
        testing::ElementsAre(note(0, 60, 60, 50), note(60, 60, 64, 50), note(120, 120, 67, 50), note(360, 360, 60, 50),
            note(360, 360, 64, 50), note(360, 360, 67, 50)));

    const assets::TuneTrack& two = tune.tracks[1];
    EXPECT_EQ(two.channel, 4);
    EXPECT_EQ(two.program, 0);
    EXPECT_THAT(
        notesOf(two), testing::ElementsAre(note(360, 60, 60, 127), note(420, 60, 64, 127), note(480, 120, 67, 127)));
}

TEST(MusicNotation, AMistakeIsReportedWithFileAndLine)
{
    try {
        parse("track t\ninstrument 1\nC4/4 H4/4\n");
        FAIL() << "a bad note was taken";
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), testing::StartsWith("test.tune:3: "));
        EXPECT_THAT(error.what(), testing::HasSubstr("bad note \"H4/4\""));
    }
}

}  // namespace
