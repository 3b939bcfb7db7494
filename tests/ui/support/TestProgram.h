#pragma once

#include "dabwick/FirstRunRecord.h"
#include "dabwick/ProgramPlaces.h"
#include "dabwick/Resources.h"
#include "support/TempFolder.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/ProgramContext.h"

// What a window test needs of the running program: a fresh temporary data folder, the real
// built-in content and real message boxes (answered with ModalDriver).
struct TestProgram {
    TempFolder temp;
    TempFolder config;  // the user's configuration folder, apart from the data
    MessageBoxPrompts prompts;
    ProgramContext context {placesIn(temp, config),
        dabwick::FirstRunRecord(temp.path() + "dabwick.qy", temp.path(), false), dabwick::builtInResources(), prompts};

    static dabwick::ProgramPlaces placesIn(const TempFolder& folder, const TempFolder& config)
    {
        dabwick::ProgramPlaces places;
        places.dataFolder = folder.path();
        places.launchFolder = folder.path();
        places.registryFolder = config.path();
        return places;
    }
};
