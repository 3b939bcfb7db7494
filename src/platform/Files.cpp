#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// Changes the mode of what the descriptor holds, never of what a path names a moment later.
// Only plain files and folders are opened up: a link, a device or a pipe planted in a data
// folder is left as it is.
bool grantOpened(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISDIR(info.st_mode) || S_ISREG(info.st_mode)))
        return false;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::chmod(self.c_str(), S_ISDIR(info.st_mode) ? 0777 : 0666) == 0;
}

bool grantAt(int folderFd, const char* name)
{
    const int fd = ::openat(folderFd, name, O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool granted = grantOpened(fd);
    ::close(fd);
    return granted;
}

}  // namespace

bool grantEveryoneAccess(const std::string& path)
{
    return !path.empty() && grantAt(AT_FDCWD, path.c_str());
}

bool grantEveryoneAccessBelow(const std::string& folder, const std::string& relativePath)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= relativePath.size();) {
        const std::size_t end = std::min(relativePath.find('/', start), relativePath.size());
        parts.push_back(relativePath.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& part : parts) {
        if (part.empty() || part == "." || part == "..")
            return false;
    }
    int current = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (std::size_t i = 0; current >= 0 && i + 1 < parts.size(); ++i) {
        const int next = ::openat(current, parts[i].c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(current);
        current = next;
    }
    if (current < 0)
        return false;
    const bool granted = grantAt(current, parts.back().c_str());
    ::close(current);
    return granted;
}

bool isVolumeRoot(const std::string& folder)
{
    struct stat self {}, parent {};
    if (::stat(folder.c_str(), &self) != 0 || ::stat((folder + "/..").c_str(), &parent) != 0)
        return false;
    return self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
}

namespace {

bool fail(std::string* error, const std::string& what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The files written with Flush::Later that are not yet known to be on the disk.
struct LaterWrites {
    std::mutex mutex;
    std::vector<std::string> files;
};

LaterWrites& laterWrites()
{
    static LaterWrites writes;
    return writes;
}

void flushPath(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool writeFileAtomically(
    const std::string& path, std::span<const std::uint8_t> bytes, std::string* error, Flush flush, Access access)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    // A hidden name that holds nothing of the target's, so a file left by a crash mid-write
    // never matches a chooser's mask such as "*.dwb*".
    std::string temp = folder + ".dabwick-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, "cannot create a file in the folder");
    // The mode is set on the file still under its temporary name, through the descriptor. A
    // file system without modes (FAT) refuses it; the file is no less written for that.
    if (access == Access::Everyone)
        ::fchmod(fd, 0666);
    const bool written = writeAll(fd, bytes) && (flush == Flush::Later || ::fsync(fd) == 0);
    const int savedErrno = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temp.c_str());
        errno = savedErrno;
        return fail(error, "cannot write the file");
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        errno = renameErrno;
        return fail(error, "cannot replace the file");
    }
    if (flush == Flush::Later) {
        const std::lock_guard lock(laterWrites().mutex);
        laterWrites().files.push_back(path);
    }
    return true;
}

void flushWritesLeftForLater()
{
    std::vector<std::string> files;
    {
        const std::lock_guard lock(laterWrites().mutex);
        files.swap(laterWrites().files);
    }
    std::set<std::string> folders;
    for (const std::string& file : files) {
        flushPath(file, O_RDONLY | O_NOFOLLOW);
        const std::size_t slash = file.find_last_of('/');
        folders.insert(slash == std::string::npos ? std::string(".") : file.substr(0, slash + 1));
    }
    for (const std::string& folder : folders)
        flushPath(folder, O_RDONLY | O_DIRECTORY);
}

bool readSmallFile(const std::string& path, std::size_t maxBytes, std::string& content)
{
    content.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    bool ok = true;
    while (ok) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        if (content.size() + n > maxBytes)
            ok = false;
        else
            content.append(buffer, n);
        if (n < sizeof buffer) {
            ok = ok && !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    if (!ok)
        content.clear();
    return ok;
}

}  // namespace platform
