#pragma once

// What the files queue asks of the transfer engine; tests put a fake in its place.

#include "transfer/transfer_info.h"

namespace quorvelle::transfer {

class TransferControl
{
public:
    virtual ~TransferControl() = default;
    // A new worker for a queued entry (id, full path, recipient).
    virtual void startSend(const TransferInfo& entry) = 0;
    // Cuts a sending worker's wait between connect attempts short.
    virtual void wake(int id) = 0;
    // Ends a worker, keeping its state; its final report still comes.
    virtual void stop(Direction direction, int id) = 0;
};

} // namespace quorvelle::transfer
