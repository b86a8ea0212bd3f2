#pragma once

// What every worker of the transfer thread reads: the times it waits, the code page
// of names on the wire, the own nick, the incoming directory and the peers' file port.

#include "net/wire_text.h"

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <functional>

namespace quorvelle::transfer {

// Tests shorten the waits; the program keeps these.
struct TransferTimings
{
    std::chrono::milliseconds netTimeout{60000};
    // A peer that drops the connection request would keep a connect attempt waiting
    // for minutes; about what a blocking connect gives up after on Windows.
    std::chrono::milliseconds connectTimeout{21000};
    std::chrono::milliseconds retryWaitMin{5000};
    int retryWaitSpread = 9999; // the wait adds 0 .. spread - 1 ms, drawn evenly
    int connectAttempts = 10;
    // A row is refreshed at most this often, however fast the blocks go.
    std::chrono::milliseconds reportInterval{40};
    // Milliseconds of a steady clock, for the block size; empty means the real one.
    std::function<qint64()> clockMs;
};

struct TransferContext
{
    explicit TransferContext(TransferTimings t, const QByteArray& codepage)
        : timings(std::move(t)), text(codepage)
    {
        steady.start();
    }

    qint64 nowMs() const { return timings.clockMs ? timings.clockMs() : steady.elapsed(); }

    TransferTimings timings;
    net::WireText text;
    QString myNick;
    QString incomingDir;
    quint16 peerPort = 8165;
    QElapsedTimer steady;
};

} // namespace quorvelle::transfer
