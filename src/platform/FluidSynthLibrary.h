#pragma once

#include <fluidsynth.h>

// FluidSynth is loaded when the first tune opens, not with the program: it brings some forty
// libraries of its own (sound servers, codecs), and loading them would keep the child waiting
// for the first window. Only the functions the player uses are looked up.
#define DABWICK_FLUIDSYNTH_FUNCTIONS(X)                                                                                \
    X(fluid_set_log_function)                                                                                          \
    X(new_fluid_settings)                                                                                              \
    X(delete_fluid_settings)                                                                                           \
    X(fluid_settings_setstr)                                                                                           \
    X(fluid_settings_setint)                                                                                           \
    X(fluid_settings_setnum)                                                                                           \
    X(new_fluid_synth)                                                                                                 \
    X(delete_fluid_synth)                                                                                              \
    X(fluid_synth_sfload)                                                                                              \
    X(new_fluid_audio_driver)                                                                                          \
    X(delete_fluid_audio_driver)                                                                                       \
    X(new_fluid_player)                                                                                                \
    X(delete_fluid_player)                                                                                             \
    X(fluid_player_add_mem)                                                                                            \
    X(fluid_player_set_tick_callback)                                                                                  \
    X(fluid_player_play)                                                                                               \
    X(fluid_player_stop)                                                                                               \
    X(fluid_player_seek)

namespace platform {

struct FluidSynthLibrary {
#define DABWICK_FLUIDSYNTH_MEMBER(name) decltype(&::name) name = nullptr;
    DABWICK_FLUIDSYNTH_FUNCTIONS(DABWICK_FLUIDSYNTH_MEMBER)
#undef DABWICK_FLUIDSYNTH_MEMBER
    // OpenMP's, when FluidSynth uses it: sets how many threads the calling thread's parallel
    // work may use. Null when FluidSynth was built without OpenMP.
    void (*omp_set_num_threads)(int) = nullptr;

    // The library, loaded on the first call from whichever thread makes it, and kept for the
    // rest of the run; null when it is not installed or lacks one of the functions.
    static const FluidSynthLibrary* get();
};

}  // namespace platform
