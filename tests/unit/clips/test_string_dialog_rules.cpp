#include <gtest/gtest.h>

#include "dabwick/StringDialogRules.h"

using namespace dabwick;
using Type = TqyStringDialogCharacterType;
using Kind = TqyStringDialogType;

TEST(StringDialogRules, TypingAndStartingTextFollowTheSameRules)
{
    struct Case {
        Type type;
        Kind kind;
        TqyCharCase charCase;
        int maxLength;
        const char* text;
        const char* typed;  // what typing or pasting the text leaves
        const char* starting;  // what the dialog starts with when given the text
    };
    const Case cases[] = {
        {Type::sdcBoth, Kind::sddFileName, TqyCharCase::Normal, 20, " My cat: 2.0?", " My cat 20", ""},
        {Type::sdcBoth, Kind::sddFileName, TqyCharCase::Normal, 20, " Leading space", " Leading space",
            " Leading space"},
        {Type::sdcBoth, Kind::sddFileName, TqyCharCase::Normal, 5, "abcdefg", "abcde", "abcde"},
        {Type::sdcBoth, Kind::sddGeneral, TqyCharCase::Normal, 0, "a/b.c", "a/b.c", "a/b.c"},
        {Type::sdcNumbers, Kind::sddGeneral, TqyCharCase::Normal, 0, "5+3*2 = $10.5%", "5+3*2=$10.5%", ""},
        {Type::sdcLetters, Kind::sddGeneral, TqyCharCase::Upper, 0, "Room 101", "ROOM ", ""},
        {Type::sdcBoth, Kind::sddFileName, TqyCharCase::Normal, 3, "\xC3\xA9t\xC3\xA9s", "\xC3\xA9t\xC3\xA9",
            "\xC3\xA9t\xC3\xA9"},
    };
    for (const Case& c : cases) {
        StringDialogRules rules;
        rules.CharType = c.type;
        rules.DialogType = c.kind;
        rules.CharCase = c.charCase;
        rules.MaxLength = c.maxLength;
        EXPECT_EQ(rules.filtered(c.text), c.typed) << c.text;
        EXPECT_EQ(rules.startingText(c.text), c.starting) << c.text;
    }
    // Editing keys carry control characters and always go through; a refused letter does not.
    StringDialogRules rules;
    rules.DialogType = Kind::sddFileName;
    EXPECT_FALSE(rules.refusesKey("\b"));
    EXPECT_FALSE(rules.refusesKey("a"));
    EXPECT_TRUE(rules.refusesKey("."));
}
