#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "dabwick/PaletteDropDown.h"

using dabwick::DropDownPlace;
using dabwick::dropDownWidth;

TEST(DropDownWidth, FixedOrMeasuredAndKeptOnTheScreen)
{
    // Text widths as a font would give them.
    const std::map<std::string, int> widths
        = {{"<Main>", 40}, {"Dark", 30}, {"Shades of grey", 90}, {"Hot", 20}, {"Hotter", 95}, {"Longest", 120}};
    const auto measure = [&](const std::string& item) { return widths.at(item); };
    const int kScroll = 17;
    struct Case {
        std::vector<std::string> items;
        DropDownPlace place;
        int expected;
        const char* why;
    };
    const Case cases[] = {
        {{"<Main>", "Dark"}, {0, kScroll, 4, 97, 1920}, 97, "narrow items: the list is as wide as the box"},
        {{"<Main>", "Shades of grey"}, {0, kScroll, 4, 97, 1920}, 90 + 17 + 8 + 8, "widest item plus 8"},
        {{"Shades of grey", "Longest"}, {0, kScroll, 4, 50, 1920}, 120 + 17 + 8 + 8, "a much wider item wins"},
        {{"Longest"}, {0, kScroll, 1767, 50, 1920}, 153, "ending exactly at the edge is not past it"},
        {{"Longest"}, {0, kScroll, 1768, 50, 1920}, 150, "one past the edge is narrowed"},
        {{"Longest"}, {0, kScroll, 1900, 50, 1920}, 50, "never narrower than the box"},
        {{"Longest"}, {250, kScroll, 4, 97, 1920}, 250, "a fixed width is used as it is"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dropDownWidth(c.items, measure, c.place), c.expected) << c.why;
}
