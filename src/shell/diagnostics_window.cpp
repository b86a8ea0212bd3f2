#include "shell/diagnostics_window.h"

#include "chat/chat_session.h"
#include "settings/session_state.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvelle::shell {

namespace {

constexpr int WaitMs = 3000;

} // namespace

DiagnosticsWindow::DiagnosticsWindow(chat::ChatSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session),
      m_probe(session.net().transport(), session.net().wireText()),
      m_text(new QPlainTextEdit(this)), m_progress(new QProgressBar(this)),
      m_again(new QPushButton(tr("Run Again"), this)), m_copy(new QPushButton(tr("Copy"), this))
{
    setWindowTitle(tr("Network Diagnostics"));
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_progress->setRange(0, 0); // busy while the answers are awaited
    m_progress->setTextVisible(false);
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the buttons stay where they are
    m_progress->setSizePolicy(keepPlace);
    auto* close = new QPushButton(tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_again);
    buttons->addWidget(m_copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(m_again, &QPushButton::clicked, this, &DiagnosticsWindow::run);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_probe, &net::NetProbe::finished, this, &DiagnosticsWindow::showReport);
    QTimer::singleShot(0, this, &DiagnosticsWindow::run);
}

void DiagnosticsWindow::run()
{
    if (m_probe.running())
        return;
    const settings::SessionState& state = m_session.state();
    m_text->setPlainText(
        tr("Asking the net who is there; answers are awaited for %1 s...").arg(WaitMs / 1000));
    m_progress->show();
    m_again->setEnabled(false);
    m_copy->setEnabled(false);
    m_probe.start(m_session.net().packets().WhoIsThere(state.MyNick, state.MyStatus), state.MyNick,
                  WaitMs);
}

void DiagnosticsWindow::showReport()
{
    net::DiagnosticFacts facts = m_probe.facts();
    const transfer::TransferEngine& engine = m_session.transfers().engine();
    const net::UdpTransport& transport = m_session.net().transport();
    const quint16 filePort =
        transfer::FilePortFor(transport.isOpen() ? transport.boundPort() : transport.sendPort());
    facts.files = {engine.listenPort() ? engine.listenPort() : filePort, engine.listenPort() != 0,
                   engine.listenInUse(), engine.listenError()};
    m_text->setPlainText(net::Diagnostics::report(facts));
    m_progress->hide();
    m_again->setEnabled(true);
    m_copy->setEnabled(true);
}

} // namespace quorvelle::shell
