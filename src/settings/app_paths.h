#pragma once

// Where the program keeps its files: the program's own directory when it is
// writable (a portable copy), else the per-user data directory.

#include <QString>

namespace quorvelle::settings {

// Always ends with "/".
QString DataDirectory();
// Where the default sound files live; ends with "/".
QString SoundsDirectory();

} // namespace quorvelle::settings
