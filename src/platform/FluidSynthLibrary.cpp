#include "platform/FluidSynthLibrary.h"

#include <dlfcn.h>
#include <optional>

namespace platform {

namespace {

constexpr const char* kLibraryName = "libfluidsynth.so.3";

template <typename Function> bool lookUp(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

std::optional<FluidSynthLibrary> load()
{
    // Never closed: FluidSynth's threads may still be winding down when the program ends.
    void* library = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    FluidSynthLibrary functions;
#define DABWICK_FLUIDSYNTH_LOOK_UP(name) &&lookUp(library, #name, functions.name)
    if (!(true DABWICK_FLUIDSYNTH_FUNCTIONS(DABWICK_FLUIDSYNTH_LOOK_UP)))
        return std::nullopt;
#undef DABWICK_FLUIDSYNTH_LOOK_UP
    lookUp(library, "omp_set_num_threads", functions.omp_set_num_threads);  // found among its libraries
    return functions;
}

}  // namespace

const FluidSynthLibrary* FluidSynthLibrary::get()
{
    static const std::optional<FluidSynthLibrary> library = load();
    return library ? &*library : nullptr;
}

}  // namespace platform
