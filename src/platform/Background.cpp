#include "platform/Background.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

void lowerThisThreadPriority()
{
    // On Linux a priority set for a thread id applies to that thread alone.
    ::setpriority(PRIO_PROCESS, ::gettid(), 19);
}

}  // namespace platform
