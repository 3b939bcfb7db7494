#pragma once

#include <cstdint>

namespace raster {

// A 24-bit RGB value with red in the lowest byte, as the picture files and palettes store it.
class Colour {
public:
    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t value) : value_(value & 0xFFFFFFu) {}

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return Colour(std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16);
    }

    constexpr std::uint8_t red() const { return std::uint8_t(value_); }
    constexpr std::uint8_t green() const { return std::uint8_t(value_ >> 8); }
    constexpr std::uint8_t blue() const { return std::uint8_t(value_ >> 16); }
    constexpr std::uint32_t value() const { return value_; }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    std::uint32_t value_ = 0;
};

inline constexpr Colour kBlack{0x000000};
inline constexpr Colour kWhite{0xFFFFFF};

}  // namespace raster
