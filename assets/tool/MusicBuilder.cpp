// The program's two tunes: written in our notation under assets/music/ and built here into
// standard MIDI files of the exact shapes the program has always shipped.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "BuiltResource.h"
#include "MusicNotation.h"

namespace assets {

namespace {

constexpr const char* kMusicType = "MUSIC";
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kReleaseVelocity = 64;

struct TuneResource {
    const char* name;
    const char* source;
    int format;  // 0: every channel in one track; 1: one track per notation track
    int ticksPerQuarter;
    std::size_t tracks;  // what format 1 must hold; format 0 always holds one
};

constexpr TuneResource kTunes[] = {
    {"openmusic", "music/opening.tune", 0, 120, 1},
    {"animusic", "music/animation.tune", 1, 384, 2},
};

// At one tick, meta events come first, then program changes, then note-offs before note-ons,
// so a note repeated back to back is released before it sounds again.
enum class Order { Meta, Program, Off, On };

struct MidiEvent {
    std::uint32_t tick;
    Order order;
    std::vector<std::uint8_t> bytes;
};

void appendNumber(std::vector<std::uint8_t>& out, std::uint32_t value, int byteCount)
{
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void appendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = std::uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(std::uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

MidiEvent metaEvent(std::uint8_t type, const std::vector<std::uint8_t>& data)
{
    MidiEvent event {0, Order::Meta, {0xFF, type}};
    appendVariableLength(event.bytes, std::uint32_t(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

std::vector<MidiEvent> conductorEvents(const Tune& tune)
{
    std::vector<std::uint8_t> tempo;
    appendNumber(tempo, std::uint32_t(60000000 / tune.beatsPerMinute), 3);
    std::uint8_t valuePower = 0;
    while ((1 << valuePower) < tune.beatValue)
        ++valuePower;
    const std::uint8_t clocksPerBeat = std::uint8_t(96 / tune.beatValue);
    return {metaEvent(0x51, tempo), metaEvent(0x58, {std::uint8_t(tune.beatsPerBar), valuePower, clocksPerBeat, 8})};
}

std::vector<MidiEvent> noteEvents(const TuneTrack& track)
{
    const std::uint8_t channel = std::uint8_t(track.channel);
    std::vector<MidiEvent> events {
        {0, Order::Program, {std::uint8_t(kProgramChange | channel), std::uint8_t(track.program)}}};
    for (const TuneNote& note : track.notes) {
        events.push_back({note.start, Order::On, {std::uint8_t(kNoteOn | channel), note.key, note.velocity}});
        events.push_back(
            {note.start + note.length, Order::Off, {std::uint8_t(kNoteOff | channel), note.key, kReleaseVelocity}});
    }
    return events;
}

void append(std::vector<MidiEvent>& to, std::vector<MidiEvent> events)
{
    to.insert(to.end(), std::make_move_iterator(events.begin()), std::make_move_iterator(events.end()));
}

std::vector<std::uint8_t> trackChunk(std::vector<MidiEvent> events, std::uint32_t endTick)
{
    std::stable_sort(events.begin(), events.end(),
        [](const MidiEvent& a, const MidiEvent& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<std::uint8_t> body;
    std::uint32_t tick = 0;
    for (const MidiEvent& event : events) {
        appendVariableLength(body, event.tick - tick);
        tick = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    // The end of track sits at the tune's full length, so trailing rests keep the beat when it loops.
    appendVariableLength(body, endTick - tick);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> chunk {'M', 'T', 'r', 'k'};
    appendNumber(chunk, std::uint32_t(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> midiFile(const Tune& tune, int format)
{
    std::vector<std::vector<std::uint8_t>> chunks;
    if (format == 0) {
        std::vector<MidiEvent> events = conductorEvents(tune);
        for (const TuneTrack& track : tune.tracks)
            append(events, noteEvents(track));
        chunks.push_back(trackChunk(std::move(events), tune.lengthTicks));
    } else {
        for (const TuneTrack& track : tune.tracks) {
            std::vector<MidiEvent> events = chunks.empty() ? conductorEvents(tune) : std::vector<MidiEvent> {};
            events.push_back(metaEvent(0x03, {track.name.begin(), track.name.end()}));
            append(events, noteEvents(track));
            chunks.push_back(trackChunk(std::move(events), tune.lengthTicks));
        }
    }

    std::vector<std::uint8_t> file {'M', 'T', 'h', 'd'};
    appendNumber(file, 6, 4);
    appendNumber(file, std::uint32_t(format), 2);
    appendNumber(file, std::uint32_t(chunks.size()), 2);
    appendNumber(file, std::uint32_t(tune.ticksPerQuarter), 2);
    for (const std::vector<std::uint8_t>& chunk : chunks)
        file.insert(file.end(), chunk.begin(), chunk.end());
    return file;
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<BuiltResource> buildTunes(const std::filesystem::path& assetsFolder)
{
    std::vector<BuiltResource> built;
    for (const TuneResource& resource : kTunes) {
        const Tune tune
            = parseTune(readText(assetsFolder / resource.source), resource.source, resource.ticksPerQuarter);
        if (resource.format == 1 && tune.tracks.size() != resource.tracks)
            throw std::runtime_error(std::string(resource.source) + ": needs exactly " + std::to_string(resource.tracks)
                + " tracks, has " + std::to_string(tune.tracks.size()));
        built.push_back({resource.name, kMusicType, midiFile(tune, resource.format)});
    }
    return built;
}

}  // namespace assets
