#pragma once

#include <QObject>

class QSocketNotifier;

namespace quorvelle::platform {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so the
// program can take leave of the net and save its settings before it ends.
// Elsewhere it never fires.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signal);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quorvelle::platform
