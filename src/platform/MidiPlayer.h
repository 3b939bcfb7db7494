#pragma once

#include <functional>
#include <memory>
#include <string>

// Plays one MIDI file through FluidSynth with a General MIDI soundfont, shaped like the
// media-player control the program was designed around: set the file name, open, play with a
// notice at the end, stop, rewind, close. Music is decoration, so nothing here fails loudly: a
// missing soundfont, no audio device or a missing or broken file only means silence, and open()
// or play() returning false. No member throws; FluidSynth's own log is kept quiet.
//
// Threading: call the members from one thread at a time; open() may run on a worker thread
// that the UI thread waits for before it calls the player again. The end-of-play notice runs
// on FluidSynth's audio thread; the UI layer must marshal it to the UI thread (a queued call)
// and must not call the player from inside the notice.
namespace platform {

inline constexpr const char* kSystemSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

// Where the player finds its instruments and sends its sound. The defaults suit the program;
// tests send the sound to a file so that they need no sound card.
struct MidiOutput {
    std::string soundFont = kSystemSoundFont;
    // A FluidSynth audio driver name. Empty tries PulseAudio (which PipeWire also serves),
    // PipeWire and ALSA in turn and keeps the first that opens, when there is a sound card or
    // a sound server to try at all.
    std::string audioDriver;
    // With audioDriver "file": raw 16-bit stereo samples at 44100 Hz are written here.
    std::string audioFile;
};

class MidiPlayer {
public:
    using EndNotice = std::function<void()>;

    explicit MidiPlayer(MidiOutput output = {});
    // Stops and frees everything; no notice runs once the destructor has begun.
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Names the MIDI file that the next open() loads.
    void setFileName(std::string path);

    // Closes whatever is open, then loads the soundfont and the file and opens the audio
    // device, positioned at the beginning. False, in silence, when any of them fails.
    bool open();

    // Starts playing from the current position; a piece that has played to its end starts
    // again from the beginning. onEnd runs once, on FluidSynth's thread, when the piece
    // reaches its end, unless stop(), rewind(), close() or another play() comes first (the
    // last replaces it). False when nothing is open.
    bool play(EndNotice onEnd);

    // Pauses where the piece stands and cancels the notice. Safe at any time, also twice.
    void stop();

    // Stops and moves to the beginning. Safe at any time.
    void rewind();

    // Stops and releases the synthesizer and the audio device. Safe at any time, also twice.
    void close();

private:
    struct Session;

    MidiOutput output_;
    std::string fileName_;
    std::unique_ptr<Session> session_;
};

}  // namespace platform
