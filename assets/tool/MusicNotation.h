#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text notation our tunes are written in (assets/music/*.tune). A tune file reads:
//
//   // a comment runs from two slashes to the end of the line
//   tempo 126            quarter notes per minute, before the first track
//   time 4/4             beats per bar and the beat's note value, before the first track
//   define riff C4/8 E4/8 G4/4     a named run of notes, used later as @riff
//   track melody         starts a track; its notes sound on their own MIDI channel
//   instrument 12        General MIDI program, 1 to 128 as the GM list counts (12 vibraphone)
//   channel 2            1 to 16; a track takes its place in the file when none is given
//   velocity 90          1 to 127, for the notes that follow
//   C5/8 E5/8 G5/4. r/8 | C4+E4+G4/2 @riff |
//
// A note is a letter C D E F G A B, an optional # or b, an octave (C4 is middle C), a slash
// and a note value 1, 2, 4, 8 or 16, optionally dotted. A chord joins notes with '+' and shares
// one value; r is a rest. '|' asserts that a bar ends there. Every track must last as long as
// the others. Any mistake stops the build with the file, the line and what is wrong.
namespace assets {

struct TuneNote {
    std::uint32_t start = 0;  // ticks from the beginning of the tune
    std::uint32_t length = 0;
    std::uint8_t key = 0;  // MIDI key, 60 is middle C
    std::uint8_t velocity = 0;
};

struct TuneTrack {
    std::string name;
    int channel = 0;  // 0 to 15
    int program = 0;  // 0 to 127
    std::vector<TuneNote> notes;
};

struct Tune {
    int beatsPerMinute = 120;
    int beatsPerBar = 4;
    int beatValue = 4;
    int ticksPerQuarter = 0;
    std::uint32_t lengthTicks = 0;
    std::vector<TuneTrack> tracks;
};

// Reads a tune at the given resolution. sourceName only labels the error messages.
// Throws std::runtime_error "sourceName:line: what is wrong" on the first mistake.
Tune parseTune(std::string_view text, const std::string& sourceName, int ticksPerQuarter);

}  // namespace assets
