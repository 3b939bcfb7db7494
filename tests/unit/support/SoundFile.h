#pragma once

#include <cstdint>
#include <string>

// True when raw 16-bit samples, as FluidSynth's file driver writes them, hold something
// louder than silence.
inline bool holdsSound(const std::string& samples)
{
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
        const int sample = std::int16_t(std::uint8_t(samples[i]) | std::uint8_t(samples[i + 1]) << 8);
        if (sample > 300 || sample < -300)
            return true;
    }
    return false;
}
