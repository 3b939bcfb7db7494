// The two built-in tunes are standard MIDI files of the exact shapes the program ships, and
// they sound like music for the time the screens need them.
#include <gtest/gtest.h>
#include <set>

#include "dabwick/Resources.h"
#include "music/MidiFileSummary.h"

namespace {

struct TuneShape {
    const char* name;
    int format;
    int tracks;
    int division;
    double shortestSeconds;
    double longestSeconds;
};

class BuiltTune : public testing::TestWithParam<TuneShape> { };

TEST_P(BuiltTune, IsAStandardMidiFileOfItsShape)
{
    const TuneShape& shape = GetParam();
    const dabwick::Resource* tune = dabwick::builtInResources().find(shape.name, "MUSIC");
    ASSERT_NE(tune, nullptr);
    const MidiFileSummary file = summarizeMidiFile(tune->bytes);
    ASSERT_EQ(file.problem, "");
    EXPECT_EQ(file.format, shape.format);
    EXPECT_EQ(file.declaredTracks, shape.tracks);
    EXPECT_EQ(file.trackChunks, shape.tracks);
    EXPECT_EQ(file.division, shape.division);

    ASSERT_FALSE(file.tracks.empty());
    EXPECT_TRUE(file.tracks.front().hasTempo);
    std::set<int> channels;
    for (const MidiTrackSummary& track : file.tracks) {
        // Every track carries music, on channels of its own, with its instrument chosen first;
        // all end together so that a loop keeps the beat.
        EXPECT_GT(track.noteOns, 0);
        EXPECT_EQ(track.noteOns, track.noteOffs);
        EXPECT_EQ(track.channelsWithoutProgram, std::vector<int> {});
        EXPECT_EQ(track.lengthTicks, file.tracks.front().lengthTicks);
        for (int channel : track.channelsWithNotes)
            EXPECT_TRUE(channels.insert(channel).second) << "channel " << channel << " in two tracks";
    }
    EXPECT_EQ(channels.count(9), 0u) << "channel 10 would turn a tune into drums";

    const double seconds = double(file.tracks.front().lengthTicks) / file.division * file.microsecondsPerQuarter / 1e6;
    EXPECT_GE(seconds, shape.shortestSeconds);
    EXPECT_LE(seconds, shape.longestSeconds);
}

INSTANTIATE_TEST_SUITE_P(Music, BuiltTune,
    testing::Values(TuneShape {"openmusic", 0, 1, 120, 30, 60}, TuneShape {"animusic", 1, 2, 384, 45, 90}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
