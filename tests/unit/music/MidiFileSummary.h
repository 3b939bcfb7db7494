#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the tests need to know about a standard MIDI file, read strictly and independently of
// the code that wrote it. problem is empty when every byte made sense.
struct MidiTrackSummary {
    std::uint32_t lengthTicks = 0;  // up to and including End of Track
    int noteOns = 0;
    int noteOffs = 0;
    std::vector<int> channelsWithNotes;
    std::vector<int> channelsWithoutProgram;  // channels whose first note had no program change before it
    bool hasTempo = false;
};

struct MidiFileSummary {
    std::string problem;
    int format = -1;
    int declaredTracks = 0;
    int division = 0;
    int trackChunks = 0;
    std::uint32_t microsecondsPerQuarter = 500000;
    std::vector<MidiTrackSummary> tracks;
};

MidiFileSummary summarizeMidiFile(std::span<const std::uint8_t> bytes);
