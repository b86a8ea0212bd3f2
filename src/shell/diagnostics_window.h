#pragma once

// "Network Diagnostics...": runs a test "?" through the running session's sockets
// and shows what it found, with the likely cause when nobody answers, as text the
// user can copy into a bug report.

#include "net/net_probe.h"

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::shell {

class DiagnosticsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DiagnosticsWindow(chat::ChatSession& session, QWidget* parent = nullptr);

    // Runs the test again (also at the first showing).
    void run();

private:
    void showReport();

    chat::ChatSession& m_session;
    net::NetProbe m_probe;
    QPlainTextEdit* m_text;
    QProgressBar* m_progress;
    QPushButton* m_again;
    QPushButton* m_copy;
};

} // namespace quorvelle::shell
