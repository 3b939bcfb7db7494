#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureDocument.h"

// A fresh picture and its engine, with helpers that move the mouse the way a child does.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() : engine(doc)
    {
        doc.history.setHistoryFlag();
        doc.StartNewDrawing();
        engine.ResetTools();
    }

    // Press, move through the points, release at the last one.
    void stroke(const std::vector<raster::Point>& points)
    {
        engine.IMpadMouseDown(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            engine.IMpadMouseMove(points[i], true);
        engine.IMpadMouseUp(points.back());
    }
    void click(raster::Point at) { stroke({at}); }

    void useColour(raster::Colour c)
    {
        engine.paintSwatch(c);
        engine.applyColourToPad(c);
    }

    raster::Colour at(int x, int y) const { return doc.picture.pixel(x, y); }
    raster::Colour lineAt(int x, int y) const { return doc.lineArt.pixel(x, y); }

    dabwick::PictureDocument doc;
    dabwick::DrawingEngine engine;
};
