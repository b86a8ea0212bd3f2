#pragma once

// Where the program keeps its files: the program's own directory when it is
// writable (a portable copy), else the per-user data directory.

#include <QString>

namespace quorvelle::settings {

// Always ends with "/".
QString DataDirectory();
// Read-only data shipped with the program: the program's own directory when it
// holds a "Sounds" folder (a portable copy, a build tree), else the install's data
// directory beside it (bin/../share/quorvelle/). Relative sound file names start
// here. Ends with "/".
QString ShippedDataDirectory();

} // namespace quorvelle::settings
