// The raster library's heavy operations on a pad-sized picture, beside memcpy and OpenCV.

#include <benchmark/benchmark.h>

// OpenCV's headers mix enumerations in arithmetic, which C++20 warns about; the warning is theirs.
#include <cstring>
#include <functional>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "bench/BenchSupport.h"
#include "raster/Blit.h"
#include "raster/Brush.h"
#include "raster/FloodFill.h"
#include "unit/support/TestPictures.h"

namespace {

using namespace raster;

// Fills alternate between two colours, so that every iteration repaints the whole area again
// without restoring the picture between iterations.
const Colour kPaints[2] = {Colour::rgb(250, 40, 40), Colour::rgb(40, 40, 250)};

void memcpyPicture(benchmark::State& state)
{
    const Bitmap source = bench::openPage();
    std::vector<std::uint8_t> target(source.bytes().size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.bytes().data(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memcpyPicture)->Name(bench::kMemcpyReference);

// The pages the fills run on, and the seeds that together fill all of each page's white.
struct FillCase {
    Bitmap page;
    std::vector<Point> seeds;
};

FillCase openCase()
{
    return {bench::openPage(), {{330, 222}}};
}

FillCase squaresCase()
{
    return {bench::squaresPage(), bench::squareSeeds()};
}

FillCase mazeCase()
{
    return {testsupport::spiralMaze(bench::kPadWidth, bench::kPadHeight), {{1, 1}}};
}

using Filler = std::function<void(Bitmap&, Point, Colour)>;

void fillBench(benchmark::State& state, FillCase (*makeCase)(), const Filler& fill)
{
    FillCase c = makeCase();
    int round = 0;
    for (auto _ : state) {
        for (const Point seed : c.seeds)
            fill(c.page, seed, kPaints[round & 1]);
        ++round;
        benchmark::ClobberMemory();
    }
}

void borderFill(Bitmap& page, Point seed, Colour paint)
{
    floodFillBorder(page, Brush(paint, BrushStyle::Solid), seed, kBlack);
}

void hatchBorderFill(Bitmap& page, Point seed, Colour paint)
{
    floodFillBorder(page, Brush(paint, BrushStyle::DiagonalCross), seed, kBlack);
}

void surfaceFill(Bitmap& page, Point seed, Colour paint)
{
    floodFillSurface(page, Brush(paint, BrushStyle::Solid), seed);
}

// A hatch cuts the surface it leaves between its lines into diamonds, so this one starts every
// iteration from a fresh page; the copy is not timed.
void hatchSurfaceBench(benchmark::State& state)
{
    const FillCase fresh = openCase();
    Bitmap page = fresh.page;
    for (auto _ : state) {
        state.PauseTiming();
        copyBitmap(page, {0, 0}, fresh.page);
        state.ResumeTiming();
        floodFillSurface(page, Brush(kPaints[0], BrushStyle::DiagonalCross), fresh.seeds[0]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(hatchSurfaceBench)->Name("surfaceFill/open diagonal cross");

// OpenCV's fill of the seed's colour, 4-connected, on the same bytes: the same work as both of ours
// on these pages, where each area is one colour bounded by black.
void openCvFill(Bitmap& page, Point seed, Colour paint)
{
    cv::Mat image(page.height(), page.width(), CV_8UC3, page.row(0));
    cv::floodFill(image, cv::Point(seed.x, seed.y), cv::Scalar(paint.blue(), paint.green(), paint.red()), nullptr,
        cv::Scalar(), cv::Scalar(), 4);
}

BENCHMARK_CAPTURE(fillBench, open, openCase, borderFill)->Name("borderFill/open");
BENCHMARK_CAPTURE(fillBench, squares, squaresCase, borderFill)->Name("borderFill/squares");
BENCHMARK_CAPTURE(fillBench, maze, mazeCase, borderFill)->Name("borderFill/maze");
BENCHMARK_CAPTURE(fillBench, hatch, openCase, hatchBorderFill)->Name("borderFill/open diagonal cross");
BENCHMARK_CAPTURE(fillBench, surfaceOpen, openCase, surfaceFill)->Name("surfaceFill/open");
BENCHMARK_CAPTURE(fillBench, surfaceSquares, squaresCase, surfaceFill)->Name("surfaceFill/squares");
BENCHMARK_CAPTURE(fillBench, surfaceMaze, mazeCase, surfaceFill)->Name("surfaceFill/maze");
BENCHMARK_CAPTURE(fillBench, cvOpen, openCase, openCvFill)->Name("opencv floodFill/open");
BENCHMARK_CAPTURE(fillBench, cvSquares, squaresCase, openCvFill)->Name("opencv floodFill/squares");
BENCHMARK_CAPTURE(fillBench, cvMaze, mazeCase, openCvFill)->Name("opencv floodFill/maze");

}  // namespace
