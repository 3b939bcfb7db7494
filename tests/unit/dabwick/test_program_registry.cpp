// "Quillory.ini", the registry the maker's programs share.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dabwick/IniFile.h"
#include "dabwick/ProgramRegistry.h"
#include "support/TempFolder.h"

using namespace dabwick;

TEST(ProgramRegistry, WritesTheEntryKeepsOtherProgramsAndRemembersAMove)
{
    TempFolder config;
    config.write("Quillory.ini", "; shared\n[Software]\nPainter=\n[Software.Painter]\nVersion=1.0\n");
    ASSERT_TRUE(RegisterProgram(config.path(), "/opt/a/", dabwickRegistration(), "06/12/2026 10:00:00"));
    ASSERT_TRUE(RegisterProgram(config.path(), "/opt/a/", dabwickRegistration(), "07/12/2026 11:00:00"));

    IniFile ini;
    ASSERT_TRUE(loadIniFile(config.path() + "Quillory.ini", ini));
    EXPECT_EQ(ini.value("Software.Painter", "Version"), "1.0");
    EXPECT_EQ(ini.value("Software", "Painter"), "");
    EXPECT_EQ(ini.value("Software", "Dabwick"), "");
    EXPECT_EQ(ini.value("AllSoftware", "Dabwick"), "");
    EXPECT_EQ(ini.value("Software.Dabwick", "LastRun"), "07/12/2026 11:00:00");
    EXPECT_FALSE(ini.value("Software.Dabwick", "OldPath")) << "the same folder, so no move";

    ASSERT_TRUE(RegisterProgram(config.path(), "/opt/b/", dabwickRegistration(), "08/12/2026 12:00:00"));
    ASSERT_TRUE(loadIniFile(config.path() + "Quillory.ini", ini));
    EXPECT_EQ(ini.value("Software.Dabwick", "FilePath"), "/opt/b/");
    EXPECT_EQ(ini.value("Software.Dabwick", "OldPath"), "/opt/a/");
    EXPECT_EQ(ini.value("Software.Dabwick", "OldPathDate"), "07/12/2026 11:00:00");

    // Another program's reader must make sense of the file: one of each section, every key found.
    const std::string check = "python3 -c \"import configparser, sys; c = configparser.RawConfigParser(); "
                              "c.read(sys.argv[1]); assert c['Software.Dabwick']['version'] == '2.0.5'; "
                              "assert c['Software.Painter']['version'] == '1.0'\" '"
        + config.path() + "Quillory.ini'";
    EXPECT_EQ(std::system(check.c_str()), 0);
}
