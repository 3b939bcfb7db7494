#include "dabwick/FileRoutines.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "dabwick/FirstRunRecord.h"
#include "dabwick/Names.h"
#include "dabwick/Resources.h"
#include "platform/Files.h"

namespace fs = std::filesystem;

namespace dabwick {

bool OpenFileAccess(const std::string& path)
{
    return platform::grantEveryoneAccess(resolveIgnoringCase(path));
}

bool CanWriteFolder(const std::string& folder)
{
    const std::string resolved = resolveIgnoringCase(folder.empty() ? std::string("./") : folder);
    std::error_code ec;
    if (!fs::is_directory(resolved, ec))
        return false;
    const std::string probe = (fs::path(resolved) / "MYLIB000.TMP").string();
    // O_EXCL: never truncate or delete a file of that name that someone else put there.
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST && ::access(resolved.c_str(), W_OK) == 0;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool CreateFolder(const std::string& folder)
{
    const std::string resolved = resolveIgnoringCase(folder);
    std::error_code ec;
    fs::create_directory(resolved, ec);
    return fs::is_directory(resolved, ec);
}

bool WriteDataFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return platform::writeFileAtomically(
        resolveIgnoringCase(path), bytes, nullptr, platform::Flush::Now, platform::Access::Everyone);
}

bool ExtractResourceFile(const ResourceTable& resources, FirstRunRecord& record, std::string_view name,
    std::string_view type, const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return ExtractResourceFile(
        resources, record, name, type, FolderListing(path.substr(0, slash + 1)), path.substr(slash + 1));
}

bool ExtractResourceFile(const ResourceTable& resources, FirstRunRecord& record, std::string_view name,
    std::string_view type, const FolderListing& folder, const std::string& fileName)
{
    const Resource* resource = resources.find(name, type);
    if (!resource || folder.holds(fileName))
        return false;
    const std::string path = folder.path() + fileName;
    // A built-in file lost in a crash is written again at the next start, so it need not
    // wait for the disk; the start-up flushes all of them at once when it is done.
    if (!platform::writeFileAtomically(
            path, resource->bytes, nullptr, platform::Flush::Later, platform::Access::Everyone)) {
        record.RecordLastError("Unable to create Resource " + path);
        return false;
    }
    return true;
}

}  // namespace dabwick
