#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "dabwick/DataFolderContent.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/PaletteStrip.h"
#include "dabwick/Palettes.h"
#include "dabwick/Resources.h"
#include "raster/Blit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;

namespace {

std::string resourceText(const std::string& name, const std::string& type)
{
    const Resource* resource = builtInResources().find(name, type);
    return resource ? std::string(resource->bytes.begin(), resource->bytes.end()) : std::string();
}

// A palette of one colour all over, so where it lands on the strip is plain to see.
void writePalette(const TempFolder& temp, const std::string& name, int width, int height, raster::Colour colour)
{
    temp.writeBitmap(std::string(kPaletteFolder) + name, raster::Bitmap(width, height, colour));
}

raster::Bitmap paletteAreaOf(const PaletteStrip& strip)
{
    return raster::cropped(strip.image(),
        {kPaletteArea.x, kPaletteArea.y, kPaletteArea.x + kPaletteWidth, kPaletteArea.y + kPaletteHeight});
}

// Everything but the palette area: the fixed squares, rules and frame.
raster::Bitmap withoutPaletteArea(const PaletteStrip& strip)
{
    raster::Bitmap rest = strip.image();
    raster::copyBitmap(rest, kPaletteArea, raster::Bitmap(kPaletteWidth, kPaletteHeight, raster::kBlack));
    return rest;
}

class PaletteFolder : public ::testing::Test {
protected:
    std::string folder() const { return temp.path() + kPaletteFolder; }
    void install() const { InstallPalettes(content); }

    TempFolder temp;
    FirstRunRecord record {temp.path() + "dabwick.qy", temp.path(), false};
    const DataFolderContent content {builtInResources(), record, temp.path()};
};

}  // namespace

// A file whose name differs from a built-in palette's only in case is that palette, and stays.
TEST_F(PaletteFolder, EveryPaletteIsWrittenAsItsResourceUnlessItIsThere)
{
    temp.write(std::string(kPaletteFolder) + "OCEAN.DWL", "kept");
    install();
    for (std::size_t i = 0; i < kPaletteNames.size(); ++i) {
        const std::string file = std::string(kPaletteFolder) + kPaletteNames[i] + ".dwl";
        if (kPaletteNames[i] != std::string_view("Ocean")) {
            EXPECT_EQ(temp.read(file), resourceText("palette" + std::to_string(i + 1), "palette")) << file;
        }
    }
    EXPECT_FALSE(temp.exists(std::string(kPaletteFolder) + "Ocean.dwl"));
    EXPECT_EQ(temp.read(std::string(kPaletteFolder) + "OCEAN.DWL"), "kept");
    EXPECT_EQ(ListPalettes(temp.path()),
        (std::vector<std::string> {
            "Dark", "Gradient", "Hot", "Indoors", "OCEAN", "Outdoors", "Sepa", "Shades of grey"}));
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";
}

TEST_F(PaletteFolder, FolderThatCannotBeMadeIsRecordedAndLeftAlone)
{
    // A file where the folder should be: nothing can be written below it.
    temp.write("Color palettes", "a file in the way");
    install();
    EXPECT_EQ(temp.read("Color palettes"), "a file in the way");
    EXPECT_NE(temp.read("dabwick.qy").find("Unable to create Resource "), std::string::npos);
    EXPECT_TRUE(ListPalettes(temp.path()).empty());
}

TEST_F(PaletteFolder, ListingTakesEveryPaletteFileByItsName)
{
    const char* files[] = {"Mine.dwl", "Birthday party.DWL", " Padded.dwl ", "Copy.dwl2", "notes.txt", "Mine.bmp"};
    for (const char* file : files)
        temp.write(std::string(kPaletteFolder) + file, "any content: listing does not read files");
    temp.makeFolder(std::string(kPaletteFolder) + "Folder.dwl");
    // Trimmed, the last four characters gone (even of a name whose extension runs on), sorted by
    // letters; other files and folders are not palettes.
    const std::vector<std::string> expected = {"Birthday party", "Copy.", "Mine", "Padded"};
    EXPECT_EQ(ListPalettes(temp.path()), expected);
}

class PaletteChoice : public PaletteFolder {
protected:
    PaletteChoice() { install(); }

    // The chooser's change handler; records whether the strip changed.
    bool choose(const std::string& text) { return strip.cbpaletteChange(text, temp.path(), dialogs); }

    PaletteStrip strip = PaletteStrip::builtIn(builtInResources());
    const raster::Bitmap fixedParts = withoutPaletteArea(strip);
    ScriptedDialogs dialogs;
};

// A typed name finds its file whatever the case, and "<Main>" brings the built-in palette back.
TEST_F(PaletteChoice, UserBitmapOfPaletteSizeIsListedAndShown)
{
    const raster::Bitmap atStart = strip.image();
    const raster::Colour teal = raster::Colour::rgb(20, 160, 150);
    writePalette(temp, "My colours.DWL", 90, 390, teal);
    const std::vector<std::string> listed = ListPalettes(temp.path());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "My colours"), listed.end());

    EXPECT_TRUE(choose("mY COLOURS"));
    EXPECT_EQ(paletteAreaOf(strip), raster::Bitmap(90, 390, teal));
    EXPECT_EQ(withoutPaletteArea(strip), fixedParts) << "only the palette area changes";
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(choose("<Main>"));
    EXPECT_EQ(strip.image(), atStart);
}

TEST_F(PaletteChoice, ChoicesThatShowNothingLeaveTheStripAsItWas)
{
    const raster::Colour red = raster::Colour::rgb(200, 0, 0);
    writePalette(temp, "Red.dwl", 90, 390, red);
    writePalette(temp, "Wide.dwl", 91, 390, raster::Colour::rgb(1, 2, 3));
    writePalette(temp, "Short.dwl", 90, 389, raster::Colour::rgb(1, 2, 3));
    ASSERT_TRUE(choose("Red"));
    const raster::Bitmap shown = strip.image();

    struct Case {
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {"Wide", "one pixel too wide"},
        {"Short", "one pixel too short"},
        {"Gone", "no such file"},
        {"", "nothing typed"},
        {"<main>", "only the exact first item means the main palette"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(choose(c.text)) << c.why;
        EXPECT_EQ(strip.image(), shown) << c.why;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << "wrong sizes and missing files are ignored silently";
}

TEST_F(PaletteChoice, BrokenFileIsNamedInAWarningAndLeavesTheStrip)
{
    const std::string broken = temp.write(std::string(kPaletteFolder) + "Broken.dwl", "BM but no bitmap follows");
    const raster::Bitmap shown = strip.image();

    EXPECT_FALSE(choose("Broken"));
    EXPECT_EQ(strip.image(), shown);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("warning: Palette error: The palette \"Broken\" can not be loaded:", 0), 0u)
        << dialogs.shown[0];
    EXPECT_EQ(temp.read(std::string(kPaletteFolder) + "Broken.dwl"), "BM but no bitmap follows") << "never rewritten";
}

TEST(PaletteStripShape, WrongSizedImagesStillMakeAStripOfTheRightShape)
{
    const PaletteStrip strip(raster::Bitmap(10, 10, raster::kBlack), raster::Bitmap(3, 3, raster::kBlack));
    EXPECT_EQ(strip.image(), raster::Bitmap(96, 464, raster::kWhite));
}
