#include "music/MidiFileSummary.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

namespace {

class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    bool atEnd() const { return at_ == bytes_.size(); }

    std::uint32_t take(int count)
    {
        if (bytes_.size() - at_ < std::size_t(count))
            throw std::runtime_error("runs past the end at byte " + std::to_string(at_));
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | bytes_[at_++];
        return value;
    }

    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t byte = take(1);
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                return value;
        }
        throw std::runtime_error("variable-length number longer than 4 bytes");
    }

    std::span<const std::uint8_t> slice(std::uint32_t count)
    {
        if (bytes_.size() - at_ < count)
            throw std::runtime_error("chunk length " + std::to_string(count) + " runs past the end of the file");
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

MidiTrackSummary readTrack(std::span<const std::uint8_t> chunk, MidiFileSummary& file)
{
    MidiTrackSummary track;
    Cursor events(chunk);
    std::map<std::pair<int, int>, int> sounding;
    std::set<int> programmed, noted;
    std::uint8_t running = 0;
    for (;;) {
        track.lengthTicks += events.variableLength();
        std::uint32_t first = events.take(1);
        std::uint8_t status = std::uint8_t(first);
        if (first < 0x80) {
            if (running == 0)
                throw std::runtime_error("data byte with no running status");
            status = running;
        } else {
            first = events.take(1);
        }
        if (status == 0xFF) {
            const std::uint32_t type = first;
            const std::uint32_t length = events.variableLength();
            const auto data = events.slice(length);
            if (type == 0x51) {
                if (length != 3)
                    throw std::runtime_error("tempo event of length " + std::to_string(length));
                track.hasTempo = true;
                file.microsecondsPerQuarter = std::uint32_t(data[0]) << 16 | data[1] << 8 | data[2];
            }
            if (type == 0x2F) {
                if (length != 0 || !events.atEnd())
                    throw std::runtime_error("End of Track is not the chunk's last event");
                break;
            }
            continue;
        }
        if (status < 0x80 || status >= 0xF0)
            throw std::runtime_error("unexpected status byte " + std::to_string(status));
        running = status;
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        if (first >= 0x80)
            throw std::runtime_error("status byte where data was due");
        if (kind == 0xC0) {
            programmed.insert(channel);
            continue;
        }
        if (kind == 0xD0)
            continue;
        const std::uint32_t second = events.take(1);
        if (second >= 0x80)
            throw std::runtime_error("status byte where data was due");
        const bool on = kind == 0x90 && second > 0;
        const bool off = kind == 0x80 || (kind == 0x90 && second == 0);
        const std::pair<int, int> note {channel, int(first)};
        if (on) {
            ++track.noteOns;
            ++sounding[note];
            if (noted.insert(channel).second) {
                track.channelsWithNotes.push_back(channel);
                if (!programmed.count(channel))
                    track.channelsWithoutProgram.push_back(channel);
            }
        } else if (off) {
            ++track.noteOffs;
            if (sounding[note]-- <= 0)
                throw std::runtime_error("note-off of key " + std::to_string(first) + " that was not sounding");
        }
    }
    for (const auto& [note, count] : sounding) {
        if (count != 0)
            throw std::runtime_error("key " + std::to_string(note.second) + " still sounding at End of Track");
    }
    return track;
}

}  // namespace

MidiFileSummary summarizeMidiFile(std::span<const std::uint8_t> bytes)
{
    MidiFileSummary file;
    try {
        Cursor cursor(bytes);
        if (cursor.take(4) != 0x4D546864 || cursor.take(4) != 6)
            throw std::runtime_error("header is not MThd of length 6");
        file.format = int(cursor.take(2));
        file.declaredTracks = int(cursor.take(2));
        file.division = int(cursor.take(2));
        while (!cursor.atEnd()) {
            if (cursor.take(4) != 0x4D54726B)
                throw std::runtime_error("a chunk that is not MTrk");
            const std::uint32_t length = cursor.take(4);
            file.tracks.push_back(readTrack(cursor.slice(length), file));
            ++file.trackChunks;
        }
    } catch (const std::runtime_error& error) {
        file.problem = error.what();
    }
    return file;
}
