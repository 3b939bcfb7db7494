#include <gtest/gtest.h>

#include "dabwick/PictureDocument.h"

using namespace dabwick;
using raster::Colour;

namespace {

// One "stroke": a mark at a place of its own, so every state of the picture differs.
void stroke(PictureDocument& doc, int number)
{
    doc.picture.setPixel(number, number, Colour(0x0000FF));
    doc.lineArt.setPixel(number, number, raster::kBlack);
    doc.MarkChanged();
    doc.RecordUndoStep();
}

bool hasMark(const PictureDocument& doc, int number)
{
    return doc.picture.pixel(number, number) == Colour(0x0000FF) && doc.lineArt.pixel(number, number) == raster::kBlack;
}

class UndoTest : public ::testing::Test {
protected:
    UndoTest()
    {
        doc.history.setHistoryFlag();  // as the start-up does once
        doc.StartNewDrawing();
    }
    PictureDocument doc;
};

}  // namespace

TEST_F(UndoTest, UndoingEveryChangeOfANewDrawingLeavesItUnchanged)
{
    for (int i = 1; i <= 3; ++i)
        stroke(doc, i);
    for (int i = 0; i < 3; ++i)
        doc.UndoLastChange();
    EXPECT_EQ(doc.picture, doc.blank);
    EXPECT_EQ(doc.lineArt, doc.blank);
    EXPECT_FALSE(doc.changed);
    EXPECT_EQ(doc.buttons, DocumentButtons{});
}

// Ten strokes wrap the ring twice; five undos walk back through strokes 9 to 5 in order, and the
// picture stays changed for the rest of the run.
TEST_F(UndoTest, AnOverflowedRingStepsBackInOrderAndKeepsThePictureChanged)
{
    for (int i = 1; i <= 10; ++i)
        stroke(doc, i);
    for (int undone = 10; undone > 5; --undone) {
        doc.UndoLastChange();
        EXPECT_FALSE(hasMark(doc, undone));
        EXPECT_TRUE(hasMark(doc, undone - 1));
    }
    EXPECT_FALSE(doc.buttons.undo);
    EXPECT_TRUE(doc.buttons.save);
    EXPECT_TRUE(doc.changed);

    doc.UndoLastChange();  // the button is off; a stray call changes nothing
    EXPECT_TRUE(hasMark(doc, 5));

    doc.StartNewDrawing();
    EXPECT_FALSE(doc.buttons.save);
    stroke(doc, 11);
    doc.UndoLastChange();
    EXPECT_EQ(doc.picture, doc.blank);
    EXPECT_TRUE(doc.buttons.save) << "the history flag stays clear after an overflow";
    EXPECT_TRUE(doc.changed);
}

TEST_F(UndoTest, UndoBackToALoadedPictureKeepsButtonsByKind)
{
    struct Case {
        PictureKind kind;
        bool print;
        bool clear;
    };
    for (const Case c : {Case{PictureKind::ColouringPage, true, false}, Case{PictureKind::ChildPicture, true, true}}) {
        PictureDocument loaded;
        loaded.history.setHistoryFlag();
        loaded.ResetPicture();
        loaded.picture.setPixel(0, 0, raster::kBlack);
        loaded.lineArt = loaded.picture;
        loaded.history.setFirstState(loaded.picture, loaded.lineArt);
        loaded.kind = c.kind;
        loaded.buttons.print = true;
        loaded.buttons.clear = c.kind == PictureKind::ChildPicture;

        stroke(loaded, 5);
        loaded.UndoLastChange();
        EXPECT_EQ(loaded.picture.pixel(0, 0), raster::kBlack);
        EXPECT_FALSE(hasMark(loaded, 5));
        EXPECT_EQ(loaded.buttons.print, c.print);
        EXPECT_EQ(loaded.buttons.clear, c.clear);
        EXPECT_FALSE(loaded.buttons.save);
    }
}
