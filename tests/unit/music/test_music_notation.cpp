// The tune notation: what a correct file means, and a clear file:line message for each kind
// of mistake a composer makes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

#include "tool/MusicNotation.h"

namespace {

constexpr int kTicks = 120;

assets::Tune parse(const std::string& text)
{
    return assets::parseTune(text, "test.tune", kTicks);
}

struct NoteCase {
    const char* token;
    int key;
    std::uint32_t ticks;
};

class NoteToken : public testing::TestWithParam<NoteCase> { };

TEST_P(NoteToken, GivesKeyAndLength)
{
    const assets::Tune tune = parse(std::string("track t\ninstrument 1\n") + GetParam().token + "\n");
    ASSERT_EQ(tune.tracks.size(), 1u);
    ASSERT_EQ(tune.tracks[0].notes.size(), 1u);
    EXPECT_EQ(tune.tracks[0].notes[0].key, GetParam().key);
    EXPECT_EQ(tune.tracks[0].notes[0].length, GetParam().ticks);
    EXPECT_EQ(tune.lengthTicks, GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Music, NoteToken,
    testing::Values(NoteCase {"C4/4", 60, 120}, NoteCase {"C#4/8", 61, 60}, NoteCase {"Db4/8", 61, 60},
        NoteCase {"Bb3/2", 58, 240}, NoteCase {"A4/4.", 69, 180}, NoteCase {"G5/16.", 79, 45},
        NoteCase {"C-1/1", 0, 480}, NoteCase {"G9/1.", 127, 720}));

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

struct Mistake {
    const char* name;
    const char* text;
    int line;
    const char* says;
};

class NotationMistake : public testing::TestWithParam<Mistake> { };

TEST_P(NotationMistake, IsReportedWithFileAndLine)
{
    const Mistake& mistake = GetParam();
    try {
        parse(mistake.text);
        FAIL() << "no error for " << mistake.name;
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_THAT(message, testing::StartsWith("test.tune:" + std::to_string(mistake.line) + ": "));
        EXPECT_THAT(message, testing::HasSubstr(mistake.says));
    }
}

INSTANTIATE_TEST_SUITE_P(Music, NotationMistake,
    testing::Values(Mistake {"BadNoteName", "track t\ninstrument 1\nC4/4 H4/4\n", 3, "bad note \"H4/4\""},
        Mistake {"UnequalTracks", "track a\ninstrument 1\nC4/1\ntrack b\ninstrument 1\nC4/2\n", 4,
            "track \"b\" lasts 2 beats but track \"a\" lasts 4"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
