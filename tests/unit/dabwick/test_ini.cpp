#include <gtest/gtest.h>

#include "dabwick/IniFile.h"
#include "support/TempFolder.h"

using namespace dabwick;

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    const IniFile ini = IniFile::parse("; settings\r\n[Quillory.Data]\r\n Flag = 1 \r\nPath=\"/opt/dw/\"\r\n"
                                       "[Player]\nspeed=12x\nnegative=-3\nplus=+4\nempty=\nsaid=she said \"hi\"\n");
    EXPECT_EQ(ini.readString("quillory.data", "PATH", "?"), "/opt/dw/");
    EXPECT_EQ(ini.readString("Player", "said", "?"), "she said \"hi\"") << "only a quoted value loses its quotes";
    EXPECT_TRUE(ini.readBool("QUILLORY.DATA", "flag", false));

    struct Case {
        const char* key;
        int expected;
    };
    for (const Case& c : {Case{"speed", 9}, Case{"negative", -3}, Case{"plus", 4}, Case{"empty", 9}, Case{"none", 9}})
        EXPECT_EQ(ini.readInteger("Player", c.key, 9), c.expected) << c.key;
    EXPECT_EQ(ini.value("Missing", "speed"), std::nullopt);
}

TEST(IniFile, WritesOneLineAndKeepsEveryOtherByte)
{
    const std::string original = "; keep me\r\n[Software]\r\nPaint=\r\n\r\n[Software.Dabwick]\r\nVersion=2.0.4\r\n"
                                 "odd line without equals\r\n";
    IniFile ini = IniFile::parse(original);
    ini.writeString("SOFTWARE.dabwick", "version", "2.0.5");
    ini.writeString("Software", "Dabwick", "");
    ini.writeString("AllSoftware", "Dabwick", "");

    EXPECT_EQ(ini.text(), "; keep me\r\n[Software]\r\nPaint=\r\nDabwick=\n\r\n[Software.Dabwick]\r\nversion=2.0.5\n"
                          "odd line without equals\r\n[AllSoftware]\nDabwick=\n");
}

TEST(IniFile, ValuesCannotInjectLines)
{
    IniFile ini;
    ini.writeString("Quillory.LastError", "Description", "Unable to create Resource /x\n[Quillory.Data]\nFlag=1");
    const IniFile reread = IniFile::parse(ini.text());
    EXPECT_EQ(reread.value("Quillory.Data", "Flag"), std::nullopt);
    EXPECT_EQ(reread.readString("Quillory.LastError", "Description", ""),
              "Unable to create Resource /x [Quillory.Data] Flag=1");
}

TEST(IniFile, RefusesFilesItCannotKeepIntact)
{
    TempFolder temp;
    IniFile ini;
    EXPECT_TRUE(loadIniFile(temp.path() + "missing.ini", ini));
    EXPECT_EQ(ini.text(), "");

    const std::string binary = temp.write("binary.ini", std::string("[a]\nb=1\n\0\x01", 10));
    EXPECT_FALSE(loadIniFile(binary, ini));
    const std::string huge = temp.write("huge.ini", std::string(IniFile::kMaxFileBytes + 1, 'x'));
    EXPECT_FALSE(loadIniFile(huge, ini));

    const std::string path = temp.write("ok.ini", "[a]\nb=1\n");
    ASSERT_TRUE(loadIniFile(path, ini));
    ini.writeInteger("a", "c", 2);
    ASSERT_TRUE(saveIniFile(path, ini));
    EXPECT_EQ(temp.read("ok.ini"), "[a]\nb=1\nc=2\n");
}
