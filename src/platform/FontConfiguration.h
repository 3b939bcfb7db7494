#pragma once

namespace platform {

// Reads the system's font configuration and font caches once for the whole process. The first
// text the toolkit lays out needs them and would otherwise read them itself, on the thread that
// draws the windows; called early on a worker thread, it takes that wait off the start-up.
void loadFontConfiguration();

}  // namespace platform
