#pragma once

#include <string>

namespace platform {

// Holds a lock file in the user's runtime folder for as long as the process lives. The kernel
// releases the lock when the process ends, so a crashed copy never blocks the next start.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& instanceName);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False only when another running copy holds the same name; a lock that cannot be made
    // at all does not stop the program.
    bool isOnlyInstance() const { return onlyInstance_; }

private:
    int fd_ = -1;
    bool onlyInstance_ = true;
};

}  // namespace platform
