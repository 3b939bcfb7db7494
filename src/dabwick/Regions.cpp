#include "dabwick/Regions.h"

#include <cstring>

#include "dabwick/PixelBytes.h"

namespace dabwick {

namespace {

using namespace pixelbytes;

// A row's stretch of non-black pixels, [left, right), and the index of the first run in scan order
// of the region it belongs to.
struct Run {
    int y;
    int left;
    int right;
    std::size_t first;
};

// Appends the row's runs. Inside a run, the next eight pixels are passed at once when they hold no
// zero byte or when they are all the colour of the pixel before them: the inside of an area goes
// by eight pixels at a time, whatever its colour.
void findRuns(const raster::Bitmap& picture, int y, std::vector<Run>& runs)
{
    const std::uint8_t* row = picture.row(y);
    const int w = picture.width();
    int x = 0;
    while (x < w) {
        while (x < w && isBlack(row + x * 3))
            ++x;
        if (x == w)
            break;
        const int left = x;
        for (;;) {  // pixel x is not black
            const std::uint8_t* p = row + x * 3;
            if (x + kBlockPixels < w && (std::memcmp(p, p + 3, kBlockPixels * 3) == 0 || !blockMayHoldBlack(p + 3))) {
                x += kBlockPixels;
                continue;
            }
            ++x;
            if (x == w || isBlack(row + x * 3))
                break;
        }
        runs.push_back({y, left, x, runs.size()});
    }
}

std::size_t firstOf(std::vector<Run>& runs, std::size_t i)
{
    while (runs[i].first != i) {
        runs[i].first = runs[runs[i].first].first;  // halves the path for the next search
        i = runs[i].first;
    }
    return i;
}

// Every run of the picture in scan order, each joined through the runs above and below that it
// touches side by side; a region's first run is its seed's.
std::vector<Run> regionRuns(const raster::Bitmap& picture)
{
    std::vector<Run> runs;
    std::size_t above = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const std::size_t begin = runs.size();
        findRuns(picture, y, runs);
        // Runs of both rows are sorted by column: walk them together and join those that overlap.
        for (std::size_t a = above, b = begin; a < begin && b < runs.size();) {
            if (runs[a].left < runs[b].right && runs[b].left < runs[a].right) {
                const std::size_t ra = firstOf(runs, a);
                const std::size_t rb = firstOf(runs, b);
                runs[std::max(ra, rb)].first = std::min(ra, rb);
            }
            if (runs[a].right < runs[b].right)
                ++a;
            else
                ++b;
        }
        above = begin;
    }
    for (std::size_t i = 0; i < runs.size(); ++i)
        runs[i].first = firstOf(runs, i);
    return runs;
}

}  // namespace

std::vector<Region> findRegions(const raster::Bitmap& picture)
{
    const std::vector<Run> runs = regionRuns(picture);
    std::vector<Region> regions;
    std::vector<std::size_t> regionOfRun(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        if (run.first == i) {
            regionOfRun[i] = regions.size();
            regions.push_back({{run.left, run.y}, 0});
        }
        regions[regionOfRun[run.first]].area += run.right - run.left;
    }
    return regions;
}

std::vector<ColouredRegion> takeColouredRegions(raster::Bitmap& picture, const std::function<void(int row)>& beforeRow)
{
    const std::vector<Run> runs = regionRuns(picture);
    std::vector<ColouredRegion> regions;
    std::size_t i = 0;
    for (int y = 0; y < picture.height(); ++y) {
        if (beforeRow)
            beforeRow(y);
        for (; i < runs.size() && runs[i].y == y; ++i) {
            const Run& run = runs[i];
            std::uint8_t* start = picture.row(y) + std::size_t(run.left) * 3;
            // The region is all one colour, so each of its runs can tell by its own first pixel.
            if (!isColoured(start))
                continue;
            if (run.first == i)
                regions.push_back({{run.left, y}, picture.pixel(run.left, y)});
            std::memset(start, 0xFF, std::size_t(run.right - run.left) * 3);
        }
    }
    return regions;
}

}  // namespace dabwick
