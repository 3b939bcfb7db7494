// What the drawing tools cost under the mouse, on a pad whose line art is a page of small
// squares: one mouse-move step of the crayon and the marker, the whole-picture passes that end
// a stroke, and a full-pad fill.

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/LayerPasses.h"
#include "dabwick/PictureDocument.h"

namespace {

using dabwick::DrawingEngine;
using dabwick::PictureDocument;
using dabwick::ToolButton;

// A document whose picture and line art hold the squares page, and its engine with a tool.
struct Pad {
    PictureDocument doc;
    DrawingEngine engine {doc};

    Pad(ToolButton tool, int size)
    {
        doc.lineArt = bench::squaresPage();
        doc.picture = doc.lineArt;
        engine.pressToolButton(tool);
        engine.paintSwatch(raster::Colour::rgb(200, 120, 40));
        engine.applyColourToPad(engine.currentColour());
        while (engine.ShownSize != size)
            engine.btnplusClick();
    }
};

// Mouse-move steps of 20 pixels, back and forth, with the button held.
void segmentStep(benchmark::State& state, ToolButton tool)
{
    Pad pad(tool, 100);
    pad.engine.IMpadMouseDown({300, 200});
    int step = 0;
    for (auto _ : state) {
        pad.engine.IMpadMouseMove({(step++ & 1) ? 300 : 320, 200}, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(segmentStep, crayon, ToolButton::crayonbutton)->Name("crayon/segment 100 wide 20 long");
BENCHMARK_CAPTURE(segmentStep, marker, ToolButton::markerbutton)->Name("marker/segment 100 wide 20 long");

void markerClosingPass(benchmark::State& state)
{
    Pad pad(ToolButton::markerbutton, 20);
    const raster::Rect whole = raster::Rect::fromSize(bench::kPadWidth, bench::kPadHeight);
    for (auto _ : state) {
        dabwick::LiftZeroChannels(pad.doc.picture, whole);
        dabwick::RestoreLineArt(pad.doc.picture, pad.doc.lineArt, whole);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(markerClosingPass)->Name("marker/closing pass");

void outlinePass(benchmark::State& state)
{
    Pad pad(ToolButton::fillbutton, 5);
    for (const raster::Point seed : bench::squareSeeds())
        pad.engine.IMpadMouseDown(seed);
    for (auto _ : state) {
        pad.engine.OutlinePicture();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(outlinePass)->Name("outline/pass");

// The fill tool's whole mouse-down: the flood fill, the line art put back and the undo record.
void padFill(benchmark::State& state)
{
    PictureDocument doc;
    DrawingEngine engine {doc};
    engine.pressToolButton(ToolButton::fillbutton);
    int round = 0;
    for (auto _ : state) {
        engine.paintSwatch(raster::Colour(round++ & 1 ? 0x3030F0 : 0xF03030));
        engine.applyColourToPad(engine.currentColour());
        engine.IMpadMouseDown({330, 222});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(padFill)->Name("fill tool/open pad");

}  // namespace
