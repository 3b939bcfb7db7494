#pragma once

#include <QObject>

#include "dabwick/Music.h"
#include "platform/MidiPlayer.h"

// The MIDI player as the windows use it: its end notice, which FluidSynth raises on its own
// thread, is carried over to the UI thread as a queued call. Notices still on their way when
// this object goes are dropped with it.
class QueuedMusic : public QObject, public dabwick::Music {
    Q_OBJECT
public:
    explicit QueuedMusic(platform::MidiOutput output = {}, QObject* parent = nullptr);

    void setFileName(const std::string& path) override { midi_.setFileName(path); }
    bool open() override { return midi_.open(); }
    bool play(EndNotice onEnd) override;
    void stop() override { midi_.stop(); }
    void rewind() override { midi_.rewind(); }
    void close() override { midi_.close(); }

private:
    platform::MidiPlayer midi_;
};
