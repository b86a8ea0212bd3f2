#pragma once

#include <QIcon>

namespace quorvelle::shell {

// The numbered pictures shared by all windows.
class ImageList
{
public:
    // Known numbers: 0..7 user states (4..7 for a selected row), 8..11 tabs,
    // 32..39 tray (36..39 the flash frames), 40..41 the main tab.
    static QIcon icon(int index); // null for an unknown index
    static QIcon appIcon();
    static bool has(int index);
};

} // namespace quorvelle::shell
