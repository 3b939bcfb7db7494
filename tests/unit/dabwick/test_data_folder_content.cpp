#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dabwick/ColouringPages.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/PictureChooser.h"
#include "dabwick/Resources.h"
#include "support/TempFolder.h"

using namespace dabwick;

TEST(DataFolderContent, ColouringPagesComeBackWhenDeletedAndStayWhenChanged)
{
    TempFolder temp;
    FirstRunRecord record(temp.path() + "dabwick.qy", temp.path(), false);
    const DataFolderContent content{builtInResources(), record, temp.path()};

    InstallColouringPages(content);
    const std::string folder = std::string(kColouringPageFolder);
    for (std::size_t i = 0; i < kColouringPageNames.size(); ++i) {
        const std::string page = temp.read(folder + kColouringPageNames[i] + ".dwp");
        EXPECT_EQ(page.size(), 37358u) << kColouringPageNames[i];
        const Resource* resource = builtInResources().find("page" + std::to_string(i + 1), "image");
        ASSERT_NE(resource, nullptr);
        EXPECT_EQ(page, std::string(resource->bytes.begin(), resource->bytes.end())) << "written byte for byte";
    }

    PictureChooser chooser(ChooserMode::ColouringPages, temp.path() + folder, "*.dwp*");
    ASSERT_EQ(chooser.titles().size(), 36u);
    EXPECT_EQ(chooser.titles().front(), "Beware of dog");
    EXPECT_EQ(chooser.titles()[4], "circles") << "sorted without regard to case";
    EXPECT_EQ(chooser.titles().back(), "Zig Zag");
    const auto santa = std::find(chooser.titles().begin(), chooser.titles().end(), "Santa");
    ASSERT_NE(santa, chooser.titles().end());
    EXPECT_EQ(*std::next(santa), "Santa's helpers") << "the shorter name first, by the names the child sees";

    temp.write(folder + "Hello.dwp", "changed by a child");
    std::filesystem::remove(temp.path() + folder + "Zig Zag.dwp");
    InstallColouringPages(content);
    EXPECT_EQ(temp.read(folder + "Hello.dwp"), "changed by a child");
    EXPECT_EQ(temp.read(folder + "Zig Zag.dwp").size(), 37358u);
    EXPECT_FALSE(temp.exists("dabwick.qy")) << "nothing went wrong, so nothing is recorded";
}
