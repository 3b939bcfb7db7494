#include "dabwick/OpeningTable.h"

namespace dabwick {

namespace {

constexpr std::size_t kArrays = 2 + kOpeningSchemes;
constexpr std::size_t kBytes = kArrays * kOpeningEntries * 4;

}  // namespace

std::vector<std::uint8_t> encodeOpeningTable(const OpeningTable& table)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kBytes);
    const auto put = [&bytes](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(std::uint8_t(value >> shift));
    };
    for (const std::int32_t y : table.seedY)
        put(std::uint32_t(y));
    for (const std::int32_t x : table.seedX)
        put(std::uint32_t(x));
    for (const auto& scheme : table.colours) {
        for (const raster::Colour colour : scheme)
            put(colour.value());
    }
    return bytes;
}

std::optional<OpeningTable> decodeOpeningTable(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != kBytes)
        return std::nullopt;
    std::size_t at = 0;
    const auto next = [&bytes, &at] {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= std::uint32_t(bytes[at++]) << shift;
        return value;
    };
    OpeningTable table;
    for (std::int32_t& y : table.seedY)
        y = std::int32_t(next());
    for (std::int32_t& x : table.seedX)
        x = std::int32_t(next());
    for (auto& scheme : table.colours) {
        for (raster::Colour& colour : scheme)
            colour = raster::Colour(next());
    }
    return table;
}

}  // namespace dabwick
