// The opening drawing of the name screen: the countryside of OpeningScene.cpp as line art with
// exactly 752 white areas, resource "opening" of type "image" (a one-bit BMP like the colouring
// pages), and its region table, resource "openingregions" of type "table", found by the region
// pass and coloured from assets/opening/schemes.txt by what each area shows.
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "BuiltResource.h"
#include "LineArt.h"
#include "OpeningScene.h"
#include "dabwick/OpeningTable.h"
#include "dabwick/Regions.h"
#include "raster/BmpCodec.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"

namespace assets {

namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 444;
constexpr int kFrame = 4;
// Specks left where lines nearly touch are closed before the areas are counted.
constexpr int kSpeck = 8;
// The drawing may come out a few areas over: the smallest are closed, up to this size. More than
// that is a change to the drawing that a person should make.
constexpr int kLargestToClose = 60;
// Distinct colours in each scheme.
constexpr std::array<std::size_t, dabwick::kOpeningSchemes> kSchemeColours = {32, 26, 29, 33};

// One white area of the drawing and what the plan says it shows.
struct Area {
    dabwick::Region region;
    Kind kind = Kind::Sky;
    int variant = 0;
};

// The kind and variant most of each area's pixels carry on the plan.
std::vector<Area> describeAreas(const raster::Bitmap& art, const QImage& plan)
{
    const std::vector<dabwick::Region> regions = dabwick::findRegions(art);
    // Each area is filled with its own number, which no area shares with black or white.
    raster::Bitmap labels = art;
    for (std::size_t i = 0; i < regions.size(); ++i)
        raster::floodFillSurface(
            labels, raster::Brush(raster::Colour(std::uint32_t(i + 1)), raster::BrushStyle::Solid), regions[i].seed);
    std::vector<std::map<QRgb, int>> votes(regions.size());
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t label = labels.pixel(x, y).value();
            if (label != 0)
                ++votes[label - 1][plan.pixel(x, y) & 0xFFFFFFu];
        }
    }
    std::vector<Area> areas;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const auto most = std::max_element(
            votes[i].begin(), votes[i].end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        areas.push_back({regions[i], planKind(most->first), planVariant(most->first)});
    }
    return areas;
}

void closeSmallest(raster::Bitmap& art, std::vector<Area> areas, std::size_t excess)
{
    std::erase_if(areas, [](const Area& a) { return a.kind == Kind::Letter || a.kind == Kind::Ladybird; });
    std::stable_sort(
        areas.begin(), areas.end(), [](const Area& a, const Area& b) { return a.region.area < b.region.area; });
    if (areas.size() < excess || areas[excess - 1].region.area > kLargestToClose)
        throw std::runtime_error("opening drawing: " + std::to_string(excess)
            + " areas too many to close the smallest; take some detail out of OpeningScene.cpp");
    for (std::size_t i = 0; i < excess; ++i)
        raster::floodFillSurface(art, raster::Brush(raster::kBlack, raster::BrushStyle::Solid), areas[i].region.seed);
}

// Sprinkles little round pebbles over open grass and hillside, each a new area, spread evenly from the left.
void addPebbles(raster::Bitmap& art, QImage& plan, std::size_t missing)
{
    constexpr int kRoom = 6;
    const auto fits = [&](int cx, int cy) {
        for (int y = cy - kRoom; y <= cy + kRoom; ++y) {
            for (int x = cx - kRoom; x <= cx + kRoom; ++x) {
                const Kind kind = planKind(plan.pixel(x, y));
                if (art.pixel(x, y) != raster::kWhite || (kind != Kind::Grass && kind != Kind::Hills))
                    return false;
            }
        }
        return true;
    };
    std::vector<raster::Point> spots;
    for (int x = 12; x < kWidth - 12; x += 5) {
        for (int y = 200; y < 414; y += 5) {
            if (fits(x, y))
                spots.push_back({x, y});
        }
    }
    // Evenly spread first, then wherever room is left.
    const double stride = std::max(1.0, double(spots.size()) / double(missing));
    std::vector<raster::Point> tries;
    for (double next = 0; next < double(spots.size()); next += stride)
        tries.push_back(spots[std::size_t(next)]);
    tries.insert(tries.end(), spots.begin(), spots.end());
    std::size_t added = 0;
    for (const raster::Point at : tries) {
        if (added == missing || !fits(at.x, at.y))
            continue;
        for (int y = at.y - 5; y <= at.y + 5; ++y) {
            for (int x = at.x - 5; x <= at.x + 5; ++x) {
                const double d = std::hypot(x - at.x, y - at.y);
                if (d >= 2.6 && d <= 4.3)
                    art.setPixel(x, y, raster::kBlack);
                else if (d < 2.6)
                    plan.setPixel(x, y, qRgb(0, 0, int(Kind::Pebble)));
            }
        }
        ++added;
    }
    if (added < missing)
        throw std::runtime_error("opening drawing: " + std::to_string(missing - added)
            + " areas short and no room left for pebbles; add detail to OpeningScene.cpp");
}

// Colours by kind: a line "kind | scheme 0 | scheme 1 | scheme 2 | scheme 3", each scheme a list
// of colours written rrggbb.
using Schemes = std::map<std::string, std::array<std::vector<raster::Colour>, dabwick::kOpeningSchemes>>;

Schemes readSchemes(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error(file.string() + ": cannot read the colour schemes");
    Schemes schemes;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto broken = [&](const std::string& why) {
            return std::runtime_error(file.string() + ":" + std::to_string(number) + ": " + why);
        };
        std::istringstream fields(line);
        std::string kind, field;
        std::getline(fields, kind, '|');
        kind.erase(std::remove(kind.begin(), kind.end(), ' '), kind.end());
        if (std::find(kKindNames.begin(), kKindNames.end(), kind) == kKindNames.end())
            throw broken("no kind of area is called \"" + kind + "\"");
        auto& lists = schemes[kind];
        for (auto& list : lists) {
            if (!std::getline(fields, field, '|'))
                throw broken("four schemes needed");
            std::istringstream words(field);
            for (std::string word; words >> word;) {
                std::size_t used = 0;
                const unsigned long rgb = word.size() == 6 ? std::stoul(word, &used, 16) : 0;
                if (used != 6 || rgb == 0)
                    throw broken("\"" + word + "\" is not a colour rrggbb other than black");
                list.push_back(raster::Colour::rgb(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)));
            }
            if (list.empty())
                throw broken("a scheme without a colour");
        }
    }
    return schemes;
}

dabwick::OpeningTable tableFor(const std::vector<Area>& areas, const Schemes& schemes)
{
    dabwick::OpeningTable table;
    std::map<Kind, std::size_t> turns;
    for (std::size_t e = 0; e < areas.size(); ++e) {
        const Area& area = areas[e];
        table.seedX[e] = area.region.seed.x;
        table.seedY[e] = area.region.seed.y;
        const std::string name(kKindNames[std::size_t(area.kind)]);
        const auto found = schemes.find(name);
        if (found == schemes.end())
            throw std::runtime_error("opening drawing: the colour schemes have no colours for \"" + name + "\"");
        const std::size_t turn = area.variant > 0 ? std::size_t(area.variant - 1) : turns[area.kind]++;
        for (int s = 0; s < dabwick::kOpeningSchemes; ++s) {
            const auto& list = found->second[std::size_t(s)];
            table.colours[std::size_t(s)][e] = list[turn % list.size()];
        }
    }
    for (int s = 0; s < dabwick::kOpeningSchemes; ++s) {
        std::set<std::uint32_t> distinct;
        for (const raster::Colour colour : table.colours[std::size_t(s)])
            distinct.insert(colour.value());
        if (distinct.size() != kSchemeColours[std::size_t(s)])
            throw std::runtime_error("opening drawing: scheme " + std::to_string(s) + " uses "
                + std::to_string(distinct.size()) + " colours, not " + std::to_string(kSchemeColours[std::size_t(s)]));
    }
    return table;
}

}  // namespace

std::vector<BuiltResource> buildOpening(const std::filesystem::path& assetsFolder)
{
    SceneCanvas canvas(kWidth, kHeight);
    drawOpeningScene(canvas, kFrame);
    raster::Bitmap art = lineArtFrom(canvas.ink());
    closeSpecks(art, kSpeck);
    QImage plan = canvas.plan();
    std::vector<Area> areas = describeAreas(art, plan);
    // Whoever edits the drawing sees how far it is from the count.
    std::fprintf(
        stderr, "dabwick-assets: the opening drawing has %zu areas before the count is made 752\n", areas.size());
    const std::size_t wanted = dabwick::kOpeningEntries;
    if (areas.size() > wanted)
        closeSmallest(art, areas, areas.size() - wanted);
    else if (areas.size() < wanted)
        addPebbles(art, plan, wanted - areas.size());
    areas = describeAreas(art, plan);

    if (areas.size() != wanted)
        throw std::runtime_error("opening drawing: " + std::to_string(areas.size()) + " areas, not 752");
    if (areas.front().region.seed != raster::Point {kFrame, kFrame} || areas.front().kind != Kind::Sky)
        throw std::runtime_error("opening drawing: the first area must be the sky at the frame's corner");
    if (areas.back().kind != Kind::Ladybird)
        throw std::runtime_error("opening drawing: the last area in scan order must be the ladybird at the bottom");

    const dabwick::OpeningTable table = tableFor(areas, readSchemes(assetsFolder / "opening" / "schemes.txt"));
    const raster::Colour twoColours[] = {raster::kBlack, raster::kWhite};
    auto bytes = raster::encodeBmp1(art, twoColours, {.pixelsPerMetre = 2677, .recordImageSize = false});
    if (!bytes)
        throw std::runtime_error("opening drawing: " + bytes.error);
    return {
        {"opening", "image", std::move(*bytes.value)}, {"openingregions", "table", dabwick::encodeOpeningTable(table)}};
}

}  // namespace assets
