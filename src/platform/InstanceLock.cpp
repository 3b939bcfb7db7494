#include "platform/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/System.h"

namespace platform {

namespace {

// The name becomes one file name: anything but letters, digits, '-' and '_' turns into '_'.
std::string lockFileName(const std::string& instanceName)
{
    std::string name;
    for (char c : instanceName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        name += plain ? c : '_';
    }
    return name + ".lock";
}

}  // namespace

InstanceLock::InstanceLock(const std::string& instanceName)
{
    const std::string path = runtimeFolder() + lockFileName(instanceName);
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        onlyInstance_ = errno != EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace platform
