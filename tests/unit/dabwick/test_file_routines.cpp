#include <filesystem>
#include <gtest/gtest.h>

#include "dabwick/FileRoutines.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/IniFile.h"
#include "dabwick/ProgramPlaces.h"
#include "dabwick/Resources.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace dabwick;
namespace fs = std::filesystem;

namespace {

const std::uint8_t kTune[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
const Resource kEntries[] = {{"openmusic", "MUSIC", kTune}};

IniFile readIni(const std::string& path)
{
    IniFile ini;
    EXPECT_TRUE(loadIniFile(path, ini));
    return ini;
}

}  // namespace

TEST(FileRoutines, CanWriteFolderProbesWithoutLeavingTraces)
{
    TempFolder temp;
    const std::string folder = temp.makeFolder("Data");
    EXPECT_TRUE(CanWriteFolder(folder));
    EXPECT_TRUE(CanWriteFolder(temp.path() + "DATA/"));
    EXPECT_FALSE(temp.exists("Data/MYLIB000.TMP"));

    EXPECT_FALSE(CanWriteFolder(temp.path() + "missing/"));
    EXPECT_FALSE(temp.exists("missing"));
    EXPECT_FALSE(CanWriteFolder(temp.write("plain-file", "x") + "/"));
    EXPECT_FALSE(CanWriteFolder("/proc/self/"));  // read-only for everyone, root included

    // A probe file that is already there is the user's file: it stays as it was.
    temp.write("Data/MYLIB000.TMP", "keep");
    EXPECT_TRUE(CanWriteFolder(folder));
    EXPECT_EQ(temp.read("Data/MYLIB000.TMP"), "keep");
}

TEST(FileRoutines, ExtractResourceFileWritesOnceAndNotesFailures)
{
    TempFolder temp;
    const ResourceTable table(kEntries);
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), false);

    EXPECT_FALSE(ExtractResourceFile(table, record, "nosuchtune", "MUSIC", temp.path() + "a.mid"));
    EXPECT_FALSE(temp.exists("a.mid"));

    const std::string path = temp.path() + "DW Open Music.mid";
    ASSERT_TRUE(ExtractResourceFile(table, record, "OPENMUSIC", "music", path));
    EXPECT_EQ(temp.read("DW Open Music.mid"), std::string(std::begin(kTune), std::end(kTune)));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0666));

    temp.write("DW Open Music.mid", "changed by hand");
    EXPECT_FALSE(ExtractResourceFile(table, record, "openmusic", "MUSIC", temp.path() + "dw open music.MID"));
    EXPECT_EQ(temp.read("DW Open Music.mid"), "changed by hand");
    EXPECT_FALSE(temp.exists("dabwick.qy"));

    const std::string unwritable = temp.write("not-a-folder", "") + "/tune.mid";
    EXPECT_FALSE(ExtractResourceFile(table, record, "openmusic", "MUSIC", unwritable));
    const IniFile ini = readIni(record.path());
    EXPECT_EQ(ini.readString("Quillory.LastError", "Description", ""), "Unable to create Resource " + unwritable);
    EXPECT_FALSE(ini.readBool("Quillory.Data", "Flag", true));
    EXPECT_EQ(ini.readString("Quillory.Data", "Path", ""), temp.path());
}

// Built-in files do not wait for the disk one by one: the write must still be whole under its
// name at once, or missing and noted, and the flush at the end of the start-up must cope with
// a file gone meanwhile.
TEST(FileRoutines, ABuiltInFileIsWholeOrMissingBeforeTheFlush)
{
    TempFolder temp;
    const ResourceTable table(kEntries);
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), false);
    {
        const FileSizeLimit fullDisk(4);
        EXPECT_FALSE(ExtractResourceFile(table, record, "openmusic", "MUSIC", temp.path() + "a.mid"));
    }
    EXPECT_FALSE(temp.exists("a.mid"));

    ASSERT_TRUE(ExtractResourceFile(table, record, "openmusic", "MUSIC", temp.path() + "b.mid"));
    EXPECT_EQ(temp.read("b.mid"), std::string(std::begin(kTune), std::end(kTune)));
    fs::remove(temp.path() + "b.mid");
    platform::flushWritesLeftForLater();
    EXPECT_TRUE(fs::is_empty(temp.path())) << "no temporary file, and nothing written again";
}

TEST(FirstRunRecord, SetupCountsAsDoneOnlyForTheSameLaunchFolder)
{
    TempFolder temp;
    const std::string recordPath = temp.path() + "dabwick.qy";
    struct Case {
        const char* content;
        const char* launchFolder;
        bool done;
    };
    const Case cases[] = {
        {nullptr, "/opt/Dabwick/", false},
        {"[Quillory.Data]\nFlag=1\nPath=/opt/Dabwick/\n", "/opt/Dabwick/", true},
        {"[Quillory.Data]\nFlag=1\nPath=/OPT/dabwick/\n", "/opt/Dabwick/", true},
        {"[Quillory.Data]\nFlag=1\nPath=/opt/Dabwick/\n", "/srv/ann/Dabwick/", false},
        {"[Quillory.Data]\nFlag=0\nPath=/opt/Dabwick/\n", "/opt/Dabwick/", false},
        {"[Quillory.Data]\nFlag=1\n", "/opt/Dabwick/", false},
    };
    for (const Case& c : cases) {
        fs::remove(recordPath);
        if (c.content)
            temp.write("dabwick.qy", c.content);
        const FirstRunRecord record(recordPath, c.launchFolder, true);
        EXPECT_EQ(record.FirstRunSetupDone(), c.done) << (c.content ? c.content : "(no record)");
        EXPECT_EQ(record.NeedsFirstRunSetup(), !c.done);
        EXPECT_FALSE(FirstRunRecord(recordPath, c.launchFolder, false).NeedsFirstRunSetup());
    }
}

TEST(FirstRunRecord, AnErrorUndoesTheDoneState)
{
    TempFolder temp;
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), true);
    record.MarkSetupDone();
    EXPECT_TRUE(record.FirstRunSetupDone());
    record.RecordLastError("");
    EXPECT_FALSE(record.FirstRunSetupDone());
    const IniFile ini = readIni(record.path());
    EXPECT_TRUE(ini.value("Quillory.LastError", "Description").has_value());
    EXPECT_TRUE(ini.readBool("Quillory.LastError", "AccessLevel", false));
}

TEST(ProgramPlaces, ExpandLongPathSpellsNamesAsStored)
{
    TempFolder temp;
    temp.write("Program Files/Dabwick/dabwick", "x");
    struct Case {
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {temp.path() + "program files/DABWICK/", temp.path() + "Program Files/Dabwick/"},
        {temp.path() + "program files/dabwick/DABWICK", temp.path() + "Program Files/Dabwick/dabwick"},
        {temp.path() + "program files//dabwick", temp.path() + "Program Files/Dabwick/"},
        {temp.path() + "nowhere/dabwick/", ""},
        {"relative/dabwick/", ""},
        {"", ""},
        {"/", "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandLongPath(c.path), c.expected) << c.path;
    EXPECT_EQ(ProgramFolder(temp.path() + "program files/dabwick/dabwick"), temp.path() + "Program Files/Dabwick/");
    EXPECT_EQ(ProgramFolder("dabwick"), "");
}

// Installed, the program lies in a "bin" folder with the desktop entry in ../share/applications.
TEST(ProgramPlaces, OnlyAProgramInABinFolderBesideItsDesktopEntryIsInstalled)
{
    TempFolder temp;
    temp.write("usr/share/applications/example.dabwick.Dabwick.desktop", "");
    EXPECT_TRUE(IsInstalledLayout(temp.makeFolder("usr/bin")));
    EXPECT_FALSE(IsInstalledLayout(temp.makeFolder("usr/lib")));
    EXPECT_FALSE(IsInstalledLayout(temp.makeFolder("opt/bin")));
}

TEST(Prompts, EmptyCaptionsGetTheirDefaults)
{
    ScriptedDialogs prompts;
    prompts.yesNoAnswers = {true};
    prompts.ShowWarning("", "text");
    prompts.AskYesNo("", "text");
    prompts.ShowWarning("Save error", "text");
    EXPECT_EQ(prompts.shown,
        (std::vector<std::string> {"warning: Warning: text", "ask: Question", "warning: Save error: text"}));
}
