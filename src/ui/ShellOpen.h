#pragma once

#include <QString>

// Asks the desktop to open a web address or file with the program the user chose for it.
// False when nothing could open it.
bool ShellOpen(const QString& address);
