#pragma once

// Where a command-line peer meets the net: the UDP port, the broadcast table,
// whether 255.255.255.255 goes out on every interface, and the code page. Read
// from the user's settings or given as options.

#include <QByteArray>
#include <QStringList>

namespace quorvelle::cli {

struct NetOptions
{
    quint16 port = 8166;
    QStringList broadcast;      // empty: 255.255.255.255
    bool everyInterface = true; // 255.255.255.255 goes out on every interface
    QByteArray codepage;
};

} // namespace quorvelle::cli
