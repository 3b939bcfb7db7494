#include "dabwick/DataFolderAccess.h"

#include "dabwick/FileRoutines.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/Names.h"
#include "platform/Files.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace dabwick {

namespace {

constexpr std::string_view kChildFolderSuffix = "'s folder";

// Paths relative to the data folder, spelled as stored on disk so the grant needs no case folding.
class AccessList {
public:
    explicit AccessList(const std::string& dataFolder) : dataFolder_(dataFolder) {}

    void add(const std::string& relative) { paths_.push_back(stored(relative)); }

    void addIfExists(const std::string& relative)
    {
        if (existsIgnoringCase(dataFolder_ + relative))
            add(relative);
    }

    // Adds the folder when a file can be created in it and gives its stored path; a folder
    // that cannot be written contributes nothing.
    std::optional<std::string> addWritableFolder(const std::string& relative)
    {
        if (!CanWriteFolder(dataFolder_ + relative))
            return std::nullopt;
        add(relative);
        return paths_.back();
    }

    std::vector<std::string> files(const std::string& folder, std::string_view mask) const
    {
        std::vector<std::string> paths;
        for (const std::string& file : listFolder(dataFolder_ + folder, mask, EntryKind::Files))
            paths.push_back(folder + "/" + file);
        return paths;
    }

    void addFiles(const std::string& folder, std::string_view mask)
    {
        for (const std::string& path : files(folder, mask))
            paths_.push_back(path);
    }

    std::vector<std::string> take() { return std::move(paths_); }

private:
    std::string stored(const std::string& relative) const
    {
        return resolveIgnoringCase(dataFolder_ + relative).substr(dataFolder_.size());
    }

    std::string dataFolder_;
    std::vector<std::string> paths_;
};

bool isChildFolder(const std::string& name)
{
    return name.ends_with(kChildFolderSuffix);
}

}  // namespace

std::vector<std::string> BuildAccessList(const std::string& dataFolder)
{
    const std::vector<std::string> folders = listFolder(dataFolder, "*", EntryKind::Folders);
    if (folders.empty() && platform::isVolumeRoot(dataFolder))
        return {};
    std::vector<std::string> children;
    std::copy_if(folders.begin(), folders.end(), std::back_inserter(children), isChildFolder);

    AccessList list(dataFolder);
    for (const std::string& child : children)
        list.add(child);
    for (const std::string& child : children)
        list.addIfExists(child + "/Dabwick/Dw Player.ini");
    for (const std::string& child : children) {
        const std::optional<std::string> product = list.addWritableFolder(child + "/Dabwick");
        if (!product)
            continue;
        // Every picture's plain copy too, whether it was written yet or not.
        for (const std::string& picture : list.files(*product, "*.dwb*")) {
            list.add(picture);
            list.add(picture.substr(0, picture.size() - 4) + ".bmp");
        }
    }
    for (const std::string& child : children) {
        if (const auto clips = list.addWritableFolder(child + "/Dabwick/user's clips"))
            list.addFiles(*clips, "*.dwc*");
    }
    if (const auto palettes = list.addWritableFolder("Color palettes"))
        list.addFiles(*palettes, "*.dwl*");
    if (const auto pages = list.addWritableFolder("coloring pages"))
        list.addFiles(*pages, "*.dwp*");
    if (const auto clips = list.addWritableFolder("Clips")) {
        for (const std::string& category : listFolder(dataFolder + *clips, "*", EntryKind::Folders)) {
            if (const auto folder = list.addWritableFolder(*clips + "/" + category))
                list.addFiles(*folder, "*.dwc*");
        }
    }
    list.add("DW Animate Music.mid");
    list.add("DW Open Music.mid");
    return list.take();
}

bool GrantAccessToList(const std::string& dataFolder, std::vector<std::string>& list, FirstRunRecord& record)
{
    if (list.empty())
        return true;
    std::erase_if(list, [&](const std::string& path) { return platform::grantEveryoneAccessBelow(dataFolder, path); });
    record.MarkSetupDone();
    return list.empty();
}

bool OpenDataFolderAccess(const std::string& dataFolder, FirstRunRecord& record)
{
    std::vector<std::string> list = BuildAccessList(dataFolder);
    return GrantAccessToList(dataFolder, list, record);
}

}  // namespace dabwick
