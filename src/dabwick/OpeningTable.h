#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "raster/Colour.h"

namespace dabwick {

inline constexpr int kOpeningEntries = 752;
inline constexpr int kOpeningSchemes = 4;

// The region table of the opening drawing: one entry per white area, in scan order of the
// seeds (each area's first pixel), with the area's colour in each of the four schemes.
struct OpeningTable {
    std::array<std::int32_t, kOpeningEntries> seedY {};
    std::array<std::int32_t, kOpeningEntries> seedX {};
    std::array<std::array<raster::Colour, kOpeningEntries>, kOpeningSchemes> colours {};
};

// As built into the program: the six arrays one after another (seed rows, seed columns, then the
// colours of schemes 0 to 3), each entry a 32-bit little-endian integer.
std::vector<std::uint8_t> encodeOpeningTable(const OpeningTable& table);
// Nothing for bytes of any other length.
std::optional<OpeningTable> decodeOpeningTable(std::span<const std::uint8_t> bytes);

}  // namespace dabwick
