// The two built-in tunes pass the player's strict reading of a standard MIDI file and play.
#include <filesystem>
#include <gtest/gtest.h>

#include "dabwick/Resources.h"
#include "platform/MidiPlayer.h"
#include "support/TempFolder.h"

TEST(BuiltInTunes, OpenInThePlayer)
{
    if (!std::filesystem::exists(platform::kSystemSoundFont))
        GTEST_SKIP() << "no General MIDI soundfont installed";
    TempFolder folder;
    for (const char* name : {"openmusic", "animusic"}) {
        const dabwick::Resource* tune = dabwick::builtInResources().find(name, "MUSIC");
        ASSERT_NE(tune, nullptr) << name;
        platform::MidiPlayer player({platform::kSystemSoundFont, "file", folder.path() + "sound.raw"});
        player.setFileName(folder.write("tune.mid", std::string(tune->bytes.begin(), tune->bytes.end())));
        EXPECT_TRUE(player.open()) << name;
    }
}
