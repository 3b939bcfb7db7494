#pragma once

#include "dabwick/FirstRunRecord.h"
#include "dabwick/ProgramPlaces.h"
#include "dabwick/Prompts.h"
#include "platform/MidiPlayer.h"

namespace dabwick {
class ResourceTable;
}

// What every window needs to know about the running program: where its files are, the
// first-run record that notes file errors, the built-in content, the message boxes and where
// the music goes.
struct ProgramContext {
    dabwick::ProgramPlaces places;
    dabwick::FirstRunRecord record;
    const dabwick::ResourceTable& resources;
    dabwick::Prompts& prompts;
    platform::MidiOutput music = {};
};
