#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool grantEveryoneAccess(const std::string& path)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return false;
    const mode_t mode = S_ISDIR(info.st_mode) ? 0777 : 0666;
    return ::chmod(path.c_str(), mode) == 0;
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

}  // namespace

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    // A hidden name that holds nothing of the target's, so a file left by a crash mid-write
    // never matches a chooser's mask such as "*.dwb*".
    std::string temp = folder + ".dabwick-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, "cannot create a file in the folder");
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
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
    return true;
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
