#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include "platform/System.h"

namespace platform {

void loadFontConfiguration()
{
    runThisThreadInBackground();
    // The library keeps what it loads as its current configuration, which every later caller
    // in the process (the toolkit too) shares; a failure leaves the toolkit to try again.
    FcInit();
}

}  // namespace platform
