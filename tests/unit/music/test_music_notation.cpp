// The tune notation: what a note token means.
#include <gtest/gtest.h>
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

}  // namespace
