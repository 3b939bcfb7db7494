#include "dabwick/StartUpFiles.h"

#include "dabwick/ClipCatalogue.h"
#include "dabwick/ColouringPages.h"
#include "dabwick/Palettes.h"

namespace dabwick {

StartUpFiles::StartUpFiles(const DataFolderContent& content)
    : music_(musicWritten_.get_future())
{
    all_ = std::async(std::launch::async, [this, content] {
        content.ExtractMusicFiles();
        musicWritten_.set_value();
        InstallColouringPages(content);
        InstallClipFiles(content);
        InstallPalettes(content);
    });
}

void StartUpFiles::waitForMusic() const
{
    music_.wait();
}

bool StartUpFiles::waitForAll(std::chrono::milliseconds patience) const
{
    return all_.wait_for(patience) == std::future_status::ready;
}

}  // namespace dabwick
