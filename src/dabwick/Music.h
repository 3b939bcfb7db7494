#pragma once

#include <functional>
#include <string>

namespace dabwick {

// The media player as the windows use it: set the file name, open, play with a notice at the
// end, stop, rewind, close. The program's is FluidSynth (platform::MidiPlayer) with the notice
// carried over to the UI thread; tests use a stand-in. Failures are silent: open() and play()
// return false and the program goes on without sound.
class Music {
public:
    using EndNotice = std::function<void()>;

    virtual ~Music() = default;
    virtual void setFileName(const std::string& path) = 0;
    virtual bool open() = 0;
    // Plays on from where the piece stands, or from the beginning once it has played to its end.
    // onEnd runs on the UI thread when the piece reaches its end, unless stop(), rewind(),
    // close() or another play() comes first.
    virtual bool play(EndNotice onEnd) = 0;
    virtual void stop() = 0;
    virtual void rewind() = 0;
    virtual void close() = 0;
};

}  // namespace dabwick
