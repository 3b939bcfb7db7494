// Palettes: the colour lists in assets/palettes/ become the eight palette files (resources
// "palette1" to "palette8" of type "palette": 8-bit BMPs of exactly 36958 bytes at 3780 pixels per
// metre), the main palette and the palette strip (24-bit BMPs of type "image").
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "BuiltResource.h"
#include "dabwick/PaletteStrip.h"
#include "dabwick/Palettes.h"
#include "raster/BmpCodec.h"

namespace assets {

namespace {

constexpr int kColumns = 6;
constexpr int kRows = 26;
constexpr int kSquare = 13;
constexpr int kPitch = 15;  // a square and the 2-pixel white gap after it
constexpr std::int32_t kPixelsPerMetre = 3780;

// The words of one line of a source file, its comment removed.
struct SourceLine {
    int number;
    std::vector<std::string> words;
};

class Source {
public:
    explicit Source(const std::filesystem::path& file)
        : file_(file)
    {
        std::ifstream in(file);
        if (!in)
            throw std::runtime_error(file.string() + ": cannot be read");
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            std::istringstream words(text.substr(0, text.find("//")));
            SourceLine line {number, {}};
            for (std::string word; words >> word;)
                line.words.push_back(word);
            if (!line.words.empty())
                lines_.push_back(std::move(line));
        }
    }

    const std::vector<SourceLine>& lines() const { return lines_; }

    [[noreturn]] void fail(const SourceLine& line, const std::string& what) const
    {
        throw std::runtime_error(file_.string() + ":" + std::to_string(line.number) + ": " + what);
    }

    raster::Colour colour(const SourceLine& line, const std::string& word) const
    {
        if (word.size() != 7 || word[0] != '#'
            || word.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
            fail(line, "\"" + word + "\" is not a colour of the form #rrggbb");
        const std::uint32_t rgb = std::stoul(word.substr(1), nullptr, 16);
        return raster::Colour::rgb(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    }

    int number(const SourceLine& line, const std::string& word, int low, int high) const
    {
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(word, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != word.size() || value < low || value > high)
            fail(line, "\"" + word + "\" is not a number from " + std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

private:
    std::filesystem::path file_;
    std::vector<SourceLine> lines_;
};

void fillSquare(raster::Bitmap& image, int left, int top, int size, raster::Colour colour)
{
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x)
            image.setPixel(x, y, colour);
    }
}

// A palette: one line per row of squares, up to six colours each; squares not listed stay white.
// Black is every picture's line colour and white its paper, so neither may be a square.
raster::Bitmap buildPalette(const std::filesystem::path& file)
{
    const Source source(file);
    if (source.lines().size() > std::size_t(kRows))
        source.fail(source.lines()[kRows], "a palette has at most " + std::to_string(kRows) + " rows");
    raster::Bitmap palette(dabwick::kPaletteWidth, dabwick::kPaletteHeight, raster::kWhite);
    for (std::size_t row = 0; row < source.lines().size(); ++row) {
        const SourceLine& line = source.lines()[row];
        if (line.words.size() > std::size_t(kColumns))
            source.fail(line, "a row has at most " + std::to_string(kColumns) + " squares");
        for (std::size_t column = 0; column < line.words.size(); ++column) {
            const raster::Colour colour = source.colour(line, line.words[column]);
            if (colour == raster::kBlack || colour == raster::kWhite)
                source.fail(line, "black and white are kept for lines and paper: " + line.words[column]);
            fillSquare(palette, 1 + kPitch * int(column), 1 + kPitch * int(row), kSquare, colour);
        }
    }
    return palette;
}

// The strip, drawn from the words explained at the top of strip.txt.
raster::Bitmap buildStrip(const std::filesystem::path& file)
{
    const Source source(file);
    raster::Bitmap strip;
    int square = 0;
    std::vector<int> columns;
    for (const SourceLine& line : source.lines()) {
        const std::string& word = line.words[0];
        const std::size_t count = line.words.size();
        if (word != "size" && strip.empty())
            source.fail(line, "the strip's size comes first");
        if (word == "size" && count == 3) {
            strip.reset(source.number(line, line.words[1], 1, raster::Bitmap::kMaxSide),
                source.number(line, line.words[2], 1, raster::Bitmap::kMaxSide), raster::kWhite);
        } else if (word == "frame" && count == 2) {
            const int width = source.number(line, line.words[1], 1, std::min(strip.width(), strip.height()) / 2);
            for (int y = 0; y < strip.height(); ++y) {
                for (int x = 0; x < strip.width(); ++x) {
                    const bool edge
                        = x < width || y < width || x >= strip.width() - width || y >= strip.height() - width;
                    if (edge)
                        strip.setPixel(x, y, raster::kBlack);
                }
            }
        } else if (word == "square" && count == 2) {
            square = source.number(line, line.words[1], 1, std::min(strip.width(), strip.height()));
        } else if (word == "columns" && count >= 2) {
            columns.clear();
            for (std::size_t i = 1; i < count; ++i)
                columns.push_back(source.number(line, line.words[i], 0, strip.width() - square));
        } else if (word == "squares" && count >= 2) {
            if (square == 0 || count - 2 != columns.size())
                source.fail(line, "squares need the square size first and one colour for each column");
            const int top = source.number(line, line.words[1], 0, strip.height() - square);
            for (std::size_t i = 0; i < columns.size(); ++i)
                fillSquare(strip, columns[i], top, square, source.colour(line, line.words[i + 2]));
        } else if (word == "rule" && count == 3) {
            const int top = source.number(line, line.words[1], 0, strip.height() - 1);
            const int height = source.number(line, line.words[2], 1, strip.height() - top);
            for (int y = top; y < top + height; ++y) {
                for (int x = 0; x < strip.width(); ++x)
                    strip.setPixel(x, y, raster::kBlack);
            }
        } else {
            source.fail(
                line, "\"" + word + "\" with " + std::to_string(count - 1) + " values is not a word of the strip");
        }
    }
    if (strip.width() != dabwick::kStripWidth || strip.height() != dabwick::kStripHeight)
        throw std::runtime_error(file.string() + ": the strip must be " + std::to_string(dabwick::kStripWidth) + " by "
            + std::to_string(dabwick::kStripHeight));
    return strip;
}

// White first, then each colour the first time it is met in reading order.
std::vector<raster::Colour> colourTable(const raster::Bitmap& image)
{
    std::vector<raster::Colour> table {raster::kWhite};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const raster::Colour c = image.pixel(x, y);
            if (std::find(table.begin(), table.end(), c) == table.end())
                table.push_back(c);
        }
    }
    return table;
}

}  // namespace

std::vector<BuiltResource> buildPalettes(const std::filesystem::path& assetsFolder)
{
    const std::filesystem::path folder = assetsFolder / "palettes";
    const raster::BmpWriteOptions resolution {.pixelsPerMetre = kPixelsPerMetre};
    std::vector<BuiltResource> built;
    for (std::size_t slot = 1; slot <= dabwick::kPaletteNames.size(); ++slot) {
        const std::string name = "palette" + std::to_string(slot);
        const raster::Bitmap palette = buildPalette(folder / (name + ".txt"));
        raster::BmpResult<std::vector<std::uint8_t>> bytes
            = raster::encodeBmp8(palette, colourTable(palette), resolution);
        if (!bytes)
            throw std::runtime_error(name + ": " + bytes.error);
        built.push_back({name, dabwick::kPaletteType, std::move(*bytes.value)});
    }
    built.push_back({dabwick::kMainPaletteResource, dabwick::kStripType,
        raster::encodeBmp24(buildPalette(folder / "main.txt"), resolution)});
    built.push_back({dabwick::kStripResource, dabwick::kStripType,
        raster::encodeBmp24(buildStrip(folder / "strip.txt"), resolution)});
    return built;
}

}  // namespace assets
