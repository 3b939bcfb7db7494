#include <gtest/gtest.h>

#include "dabwick/ChildName.h"
#include "dabwick/CommandLine.h"

using namespace dabwick;

TEST(CommandLine, TheNameComesFromTheUSwitch)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string commandLine;
        std::string name;
    };
    const Case cases[] = {
        {{"-ujohn"}, "/Ujohn", "john"},
        {{"/Uann", "/Xyz"}, "/Uann /Xyz", "ann"},
        {{"/Uann-lee"}, "/Uann/Lee", "ann"},
        {{"/Uann%dlee"}, "/Uann%dlee", "ann-lee"},
        {{"/Uann%Blee"}, "/Uann%Blee", "ann lee"},
        {{"/Uann", "marie"}, "/Uann marie", "ann marie"},
        {{"/Uabc%"}, "/Uabc%", "abc"},
        {{"/U%q%p%s%x"}, "/U%q%p%s%x", "\"%/"},
        {{"  /U  bob  "}, "/U  bob", "bob"},
        {{"/X1"}, "/X1", ""},
        {{}, "", ""},
    };
    for (const Case& c : cases) {
        const std::string line = BuildCommandLine(c.arguments);
        EXPECT_EQ(line, c.commandLine);
        EXPECT_EQ(GetSwitchValue(line, 'u'), c.name) << line;
    }
}

TEST(CommandLine, AValueIsCutTo255CharactersBeforeDecoding)
{
    const std::string line = BuildCommandLine({"/U" + std::string(254, 'a') + "%bz"});
    EXPECT_EQ(GetSwitchValue(line, 'U'), std::string(254, 'a'));  // the '%' is the 255th: a lone escape
    const std::string accented = BuildCommandLine({"/U" + std::string(254, 'a') + "é"});
    EXPECT_EQ(GetSwitchValue(accented, 'U'), std::string(254, 'a')) << "a character is never split";
}

TEST(ChildName, ForbiddenCharactersAreRefusedHoweverTheNameArrives)
{
    struct Case {
        std::string arrived;
        std::string kept;
    };
    const Case cases[] = {
        {GetSwitchValue(BuildCommandLine({"/Uabc%s..%s..%setc"}), 'U'), "abcetc"},
        {"ann/../../etc", "annetc"},
        {"a\\b:c*d?e\"f<g>h|i.j", "abcdefghij"},
        {"tab\there\nline", "tabhereline"},
        {"Zoë the great explorer", "Zoë the great explor"},
        {std::string(25, 'x'), std::string(20, 'x')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cleanName(c.arrived), c.kept) << c.arrived;

    EXPECT_TRUE(isBlankName(""));
    EXPECT_TRUE(isBlankName(std::string(20, ' ')));
    EXPECT_FALSE(isBlankName(" a "));
}
