#include <gtest/gtest.h>

#include "dabwick/Names.h"
#include "support/TempFolder.h"

using namespace dabwick;

TEST(Names, MasksMatchWithoutRegardToCase)
{
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"Cat.dwb", "*.dwb*", true},        {"Cat.DWB", "*.dwb*", true},
        {"Cat.dwbx", "*.dwb*", true},       {"Cat.dwb.bak", "*.dwb*", true},
        {"Cat.bmp", "*.dwb*", false},       {"dwb", "*.dwb*", false},
        {".dwb", "*.dwb*", true},           {"Hot.dwl", "*.dwl*", true},
        {"a.b", "*.*", true},               {"noext", "*.*", false},
        {"abc", "a?c", true},               {"ac", "a?c", false},
        {"abd", "a?c", false},
        {"aaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*b", true},
        {"aaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*b", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
    // A mask cut from longer text ends where it is cut, whatever follows it in memory.
    EXPECT_TRUE(matchesMask("abxb", std::string_view("a*b*").substr(0, 3)));
}

TEST(Names, SortsAndComparesWithoutRegardToCase)
{
    EXPECT_TRUE(sameNameIgnoringCase("Ann's folder", "ANN'S FOLDER"));
    EXPECT_FALSE(sameNameIgnoringCase("Ann", "Anna"));
    EXPECT_TRUE(lessIgnoringCase("beware of dog", "Boy and his dog"));
    EXPECT_TRUE(lessIgnoringCase("<Text>", "Animals"));
    EXPECT_EQ(toUpperAscii("zebra boat-é"), "ZEBRA BOAT-é");
}

TEST(Names, LookupsResolveToTheSpellingOnDisk)
{
    TempFolder temp;
    temp.write("Ann's folder/Dabwick/Boat.dwb", "x");
    temp.makeFolder("Clips/Animals");

    EXPECT_EQ(findEntry(temp.path(), "ann's FOLDER"), std::optional<std::string>("Ann's folder"));
    EXPECT_EQ(findEntry(temp.path(), "nobody"), std::nullopt);
    for (const char* notAName : {"", ".", ".."})
        EXPECT_EQ(findEntry(temp.path(), notAName), std::nullopt) << '"' << notAName << '"';
    EXPECT_EQ(resolveIgnoringCase(temp.path() + "ANN'S FOLDER/dabwick/boat.DWB"),
              temp.path() + "Ann's folder/Dabwick/Boat.dwb");
    // Components that do not exist yet keep the caller's spelling.
    EXPECT_EQ(resolveIgnoringCase(temp.path() + "ann's folder/dabwick/user's clips/"),
              temp.path() + "Ann's folder/Dabwick/user's clips/");
    EXPECT_TRUE(existsIgnoringCase(temp.path() + "clips/ANIMALS"));
    EXPECT_FALSE(existsIgnoringCase(temp.path() + "clips/Food"));
}

TEST(Names, ListingsFilterByKindAndMaskAndSortIgnoringCase)
{
    TempFolder temp;
    for (const char* name : {"zebra.dwb", "Apple.DWB", "boat.dwb", "boat.bmp", "note.txt"})
        temp.write(std::string("pics/") + name, "x");
    temp.makeFolder("pics/folder.dwb");

    EXPECT_EQ(listFolder(temp.path() + "PICS/", "*.dwb*", EntryKind::Files),
              (std::vector<std::string>{"Apple.DWB", "boat.dwb", "zebra.dwb"}));
    EXPECT_EQ(listFolder(temp.path() + "pics/", "*", EntryKind::Folders), (std::vector<std::string>{"folder.dwb"}));
    EXPECT_TRUE(listFolder(temp.path() + "missing/", "*", EntryKind::Files).empty());
}
