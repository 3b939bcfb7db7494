#include "support/AsciiBitmap.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace testsupport {

using raster::Bitmap;
using raster::Colour;

namespace {

constexpr std::array<std::pair<char, Colour>, 10> kLetters {{
    {'#', Colour::rgb(0, 0, 0)},
    {'.', Colour::rgb(255, 255, 255)},
    {'r', Colour::rgb(255, 0, 0)},
    {'g', Colour::rgb(0, 255, 0)},
    {'b', Colour::rgb(0, 0, 255)},
    {'y', Colour::rgb(255, 255, 0)},
    {'c', Colour::rgb(0, 255, 255)},
    {'m', Colour::rgb(255, 0, 255)},
    {'o', Colour::rgb(128, 128, 0)},
    {'M', Colour::rgb(128, 0, 0)},
}};

constexpr int kListedPixels = 5;

std::string hex(Colour c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02x%02x%02x", c.red(), c.green(), c.blue());
    return text;
}

}  // namespace

Colour colourOfLetter(char letter)
{
    for (const auto& [l, c] : kLetters) {
        if (l == letter)
            return c;
    }
    throw std::invalid_argument(std::string("no colour for letter ") + letter);
}

char letterOfColour(Colour colour)
{
    for (const auto& [l, c] : kLetters) {
        if (c == colour)
            return l;
    }
    return '?';
}

Bitmap bitmapFromAscii(std::initializer_list<std::string_view> rows)
{
    return bitmapFromAscii(std::vector<std::string_view>(rows));
}

Bitmap bitmapFromAscii(const std::vector<std::string_view>& rows, int scale)
{
    const int width = rows.empty() ? 0 : int(rows.front().size());
    Bitmap bitmap(width * scale, int(rows.size()) * scale);
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::string_view row = rows[std::size_t(y / scale)];
        if (int(row.size()) != width)
            throw std::invalid_argument("ASCII bitmap rows differ in length");
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, colourOfLetter(row[std::size_t(x / scale)]));
    }
    return bitmap;
}

::testing::AssertionResult sameBitmap(const Bitmap& expected, const Bitmap& actual)
{
    if (expected.width() != actual.width() || expected.height() != actual.height()) {
        return ::testing::AssertionFailure()
            << "size differs: expected " << expected.width() << "x" << expected.height() << ", actual "
            << actual.width() << "x" << actual.height();
    }
    int count = 0;
    std::string listed;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) != actual.pixel(x, y) && count++ < kListedPixels) {
                listed += "  (" + std::to_string(x) + ", " + std::to_string(y) + ") expected "
                    + hex(expected.pixel(x, y)) + ", actual " + hex(actual.pixel(x, y)) + "\n";
            }
        }
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " pixels differ, the first:\n" << listed;
}

}  // namespace testsupport
