#pragma once

// quorvelle-cli --diagnose: the network diagnostics with sockets of its own.

#include "cli/net_options.h"

#include <QString>

class QTextStream;

namespace quorvelle::cli {

struct DiagnoseOptions : NetOptions
{
    QString nick;
    // The desktop program runs with these settings and holds the file port.
    bool programRunning = false;
};

// Sends a test "?", waits for the answers and prints the report; while the
// desktop program runs here it only reports what it can see without its ports
// and points to the program's own diagnostics. The question
// carries the Offline status, so a peer that lists the asker anew shows it as
// away from the net rather than ready to talk. Returns 0 when someone answered.
int RunDiagnose(const DiagnoseOptions& options, QTextStream& out);

} // namespace quorvelle::cli
