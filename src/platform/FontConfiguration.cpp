#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace platform {

void loadFontConfiguration()
{
    // The library keeps what it loads as its current configuration, which every later caller
    // in the process (the toolkit too) shares; a failure leaves the toolkit to try again.
    FcInit();
}

}  // namespace platform
