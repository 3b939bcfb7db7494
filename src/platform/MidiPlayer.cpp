#include "platform/MidiPlayer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FluidSynthLibrary.h"

// How the end is noticed: FluidSynth's player keeps "playing" after the last event while the
// sound dies away (and a little longer), so its status is no use for a notice at the end of
// the music. Instead the player's tick callback compares each new tick with the piece's
// length, which we read from the file ourselves at open() and which also lets open() refuse a
// broken file up front instead of playing silence that never ends.
namespace platform {

namespace {

constexpr std::size_t kLargestMidiFile = 4 << 20;
constexpr int kVoices = 64;
constexpr double kGain = 0.5;  // FluidSynth's default of 0.2 is faint beside other programs
constexpr const char* kDriversToTry[] = {"pulseaudio", "pipewire", "alsa"};

// Reads big-endian numbers and MIDI variable-length quantities, refusing to run past the end.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : at_(data)
        , end_(data + size)
    {
    }

    bool empty() const { return at_ == end_; }
    std::size_t left() const { return std::size_t(end_ - at_); }
    const std::uint8_t* position() const { return at_; }

    std::optional<std::uint32_t> number(int byteCount)
    {
        if (left() < std::size_t(byteCount))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < byteCount; ++i)
            value = value << 8 | *at_++;
        return value;
    }

    std::optional<std::uint32_t> variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && !empty(); ++i) {
            const std::uint8_t byte = *at_++;
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    }

    bool skip(std::size_t count)
    {
        if (left() < count)
            return false;
        at_ += count;
        return true;
    }

private:
    const std::uint8_t* at_;
    const std::uint8_t* end_;
};

// The length in ticks of one track chunk's events, up to its End of Track.
std::optional<std::uint64_t> trackLength(ByteReader track)
{
    std::uint64_t ticks = 0;
    std::uint8_t runningStatus = 0;
    for (;;) {
        const auto delta = track.variableLength();
        const auto first = track.number(1);
        if (!delta || !first)
            return std::nullopt;
        ticks += *delta;
        const std::uint8_t status = *first >= 0x80 ? std::uint8_t(*first) : runningStatus;
        if (status == 0xFF) {
            const auto type = track.number(1);
            const auto length = type ? track.variableLength() : std::nullopt;
            if (!length || !track.skip(*length))
                return std::nullopt;
            if (*type == 0x2F)
                return ticks;
        } else if (status == 0xF0 || status == 0xF7) {
            const auto length = track.variableLength();
            if (!length || !track.skip(*length))
                return std::nullopt;
            runningStatus = 0;
        } else if (status >= 0x80 && status < 0xF0) {
            runningStatus = status;
            const int kind = status & 0xF0;
            int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (*first < 0x80)
                --dataBytes;  // running status: the byte read was already data
            for (int i = 0; i < dataBytes; ++i) {
                const auto data = track.number(1);
                if (!data || *data >= 0x80)
                    return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
}

// The length in ticks of a standard MIDI file of format 0 or 1, or nothing when the bytes
// are not one.
std::optional<std::uint32_t> midiLength(const std::vector<std::uint8_t>& bytes)
{
    ByteReader file(bytes.data(), bytes.size());
    const auto id = file.number(4);
    const auto headerLength = file.number(4);
    if (id != 0x4D546864 || !headerLength || *headerLength < 6)  // "MThd"
        return std::nullopt;
    const auto format = file.number(2);
    const auto trackCount = file.number(2);
    const auto division = file.number(2);
    // Only ticks per quarter note count time here; a division with the top bit set counts frames.
    if (!format || !trackCount || !division || *format > 1 || *trackCount == 0 || *division == 0 || *division >= 0x8000
        || !file.skip(*headerLength - 6))
        return std::nullopt;

    std::uint64_t longest = 0;
    for (std::uint32_t found = 0; found < *trackCount;) {
        const auto chunkId = file.number(4);
        const auto chunkLength = file.number(4);
        if (!chunkLength || file.left() < *chunkLength)
            return std::nullopt;
        if (chunkId == 0x4D54726B) {  // "MTrk"; other chunks are skipped, as the format allows
            const auto length = trackLength(ByteReader(file.position(), *chunkLength));
            if (!length)
                return std::nullopt;
            longest = std::max(longest, *length);
            ++found;
        }
        file.skip(*chunkLength);
    }
    if (longest > 0x7FFFFFFF)  // beyond what FluidSynth's tick counter holds
        return std::nullopt;
    return std::uint32_t(longest);
}

std::optional<std::vector<std::uint8_t>> readMidiFile(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kLargestMidiFile)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof())
        return std::nullopt;
    return bytes;
}

// Only reached once open() has found the library.
const FluidSynthLibrary& fluid()
{
    return *FluidSynthLibrary::get();
}

// The child never sees a console, and FluidSynth's warnings would only clutter a terminal.
void quietFluidSynth()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid().fluid_set_log_function(level, nullptr, nullptr);  // no function: the level is dropped
    });
}

// Whether the drivers we try could find anything to play through: a sound card or a sound
// server's socket. Without either, FluidSynth is not even loaded.
bool soundCanBeHeard()
{
    std::error_code error;
    if (std::filesystem::exists("/dev/snd", error) || std::getenv("PULSE_SERVER") || std::getenv("PIPEWIRE_REMOTE"))
        return true;
    std::vector<std::string> sockets {"/run/pulse/native"};
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        sockets.push_back(std::string(runtime) + "/pulse/native");
        sockets.push_back(std::string(runtime) + "/pipewire-0");
    }
    return std::any_of(sockets.begin(), sockets.end(),
        [&](const std::string& socket) { return std::filesystem::exists(socket, error); });
}

fluid_audio_driver_t* openAudio(fluid_settings_t* settings, fluid_synth_t* synth, const MidiOutput& output)
{
    if (!output.audioFile.empty()) {
        fluid().fluid_settings_setstr(settings, "audio.file.name", output.audioFile.c_str());
        fluid().fluid_settings_setstr(settings, "audio.file.type", "raw");
        fluid().fluid_settings_setstr(settings, "audio.file.format", "s16");
    }
    if (!output.audioDriver.empty()) {
        fluid().fluid_settings_setstr(settings, "audio.driver", output.audioDriver.c_str());
        return fluid().new_fluid_audio_driver(settings, synth);
    }
    std::error_code error;
    const bool hasSoundCard = std::filesystem::exists("/dev/snd", error);
    for (const char* driver : kDriversToTry) {
        // Without a sound card ALSA cannot open anything and only prints its complaints.
        if ((driver == std::string_view("alsa") && !hasSoundCard)
            || fluid().fluid_settings_setstr(settings, "audio.driver", driver) != FLUID_OK)
            continue;
        if (fluid_audio_driver_t* opened = fluid().new_fluid_audio_driver(settings, synth))
            return opened;
    }
    return nullptr;
}

}  // namespace

// One open file with its synthesizer and audio device. The audio thread reaches it only
// through onTick(); the mutex keeps the notice and the end state consistent between the two.
struct MidiPlayer::Session {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::uint32_t lengthTicks = 0;

    std::mutex mutex;
    EndNotice notice;
    bool atEnd = false;
    // After a jump back to the start, ticks still counting from before the jump are ignored
    // until the first tick inside the piece arrives.
    bool awaitingStart = false;

    ~Session()
    {
        // The audio thread goes first, so nothing renders while the player and synth go.
        if (driver)
            fluid().delete_fluid_audio_driver(driver);
        if (player)
            fluid().delete_fluid_player(player);
        if (synth)
            fluid().delete_fluid_synth(synth);
        if (settings)
            fluid().delete_fluid_settings(settings);
    }

    // Pauses at the beginning of the piece. The caller holds the mutex.
    void moveToStart()
    {
        fluid().fluid_player_stop(player);
        fluid().fluid_player_seek(player, 0);
        atEnd = false;
        awaitingStart = true;
    }

    static int onTick(void* data, int tick)
    {
        Session& session = *static_cast<Session*>(data);
        std::lock_guard lock(session.mutex);
        if (tick < 0 || std::uint32_t(tick) < session.lengthTicks) {
            session.awaitingStart = false;
            return FLUID_OK;
        }
        if (session.atEnd || session.awaitingStart)
            return FLUID_OK;
        session.atEnd = true;
        if (session.notice) {
            const EndNotice notice = std::move(session.notice);
            session.notice = nullptr;
            notice();
        }
        return FLUID_OK;
    }
};

MidiPlayer::MidiPlayer(MidiOutput output)
    : output_(std::move(output))
{
}

MidiPlayer::~MidiPlayer()
{
    close();
}

void MidiPlayer::setFileName(std::string path)
{
    fileName_ = std::move(path);
}

bool MidiPlayer::open()
{
    close();
    const auto bytes = readMidiFile(fileName_);
    const auto length = bytes ? midiLength(*bytes) : std::nullopt;
    std::error_code error;
    if (!length || !std::filesystem::is_regular_file(output_.soundFont, error)
        || (output_.audioDriver.empty() && !soundCanBeHeard()) || !FluidSynthLibrary::get())
        return false;
    quietFluidSynth();

    auto session = std::make_unique<Session>();
    session->lengthTicks = *length;
    session->settings = fluid().new_fluid_settings();
    if (!session->settings)
        return false;
    fluid().fluid_settings_setint(session->settings, "synth.lock-memory", 0);
    fluid().fluid_settings_setnum(session->settings, "synth.gain", kGain);
    // Memory: only the instruments a tune asks for are loaded, and our tunes never sound more
    // than a few dozen voices at once; the defaults would hold every sample and 256 voices.
    fluid().fluid_settings_setint(session->settings, "synth.dynamic-sample-loading", 1);
    fluid().fluid_settings_setint(session->settings, "synth.polyphony", kVoices);
    // FluidSynth 2.3's reverb mixes in memory it never cleared: on a heap that held other data
    // before, the device roars at full scale from the moment it opens. Our tunes need no reverb.
    fluid().fluid_settings_setint(session->settings, "synth.reverb.active", 0);
    session->synth = fluid().new_fluid_synth(session->settings);
    if (!session->synth)
        return false;
    // The audio device first: without one, loading the soundfont would be wasted work. Until
    // the player starts, the device only plays silence.
    session->driver = openAudio(session->settings, session->synth, output_);
    if (!session->driver)
        return false;
    // FluidSynth loads the samples with as many threads as there are cores, which would take
    // them from the user interface while the program starts; one is fast enough.
    if (fluid().omp_set_num_threads)
        fluid().omp_set_num_threads(1);
    if (fluid().fluid_synth_sfload(session->synth, output_.soundFont.c_str(), 1) == FLUID_FAILED)
        return false;
    session->player = fluid().new_fluid_player(session->synth);
    if (!session->player || fluid().fluid_player_add_mem(session->player, bytes->data(), bytes->size()) != FLUID_OK)
        return false;
    fluid().fluid_player_set_tick_callback(session->player, &Session::onTick, session.get());
    session_ = std::move(session);
    return true;
}

bool MidiPlayer::play(EndNotice onEnd)
{
    if (!session_)
        return false;
    std::lock_guard lock(session_->mutex);
    if (session_->atEnd)
        session_->moveToStart();
    session_->notice = std::move(onEnd);
    return fluid().fluid_player_play(session_->player) == FLUID_OK;
}

void MidiPlayer::stop()
{
    if (!session_)
        return;
    std::lock_guard lock(session_->mutex);
    session_->notice = nullptr;
    fluid().fluid_player_stop(session_->player);
}

void MidiPlayer::rewind()
{
    if (!session_)
        return;
    std::lock_guard lock(session_->mutex);
    session_->notice = nullptr;
    session_->moveToStart();
}

void MidiPlayer::close()
{
    if (!session_)
        return;
    {
        std::lock_guard lock(session_->mutex);
        session_->notice = nullptr;
    }
    session_.reset();
}

}  // namespace platform
