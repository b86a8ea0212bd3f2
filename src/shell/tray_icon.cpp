#include "shell/tray_icon.h"

#include "shell/image_list.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSystemTrayIcon>

namespace quorvelle::shell {

namespace {

// The hint closes as soon as the pointer moves over it.
class TTrayHint : public QLabel
{
public:
    explicit TTrayHint(std::function<void()> onHover)
        : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          m_onHover(std::move(onHover))
    {
        setObjectName(QStringLiteral("TTrayHint"));
        setTextFormat(Qt::PlainText);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        setFrameShape(QFrame::Box);
        setMargin(3);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setMouseTracking(true);
    }

protected:
    void enterEvent(QEnterEvent*) override { m_onHover(); }

private:
    std::function<void()> m_onHover;
};

// Beside the tray icon where the desktop tells its place: above it in the lower
// half of the screen, below it in the upper half, kept on the screen. Where it
// does not tell, near the taskbar: at the right edge above a bottom bar, below a
// top bar, beside a side bar; the screen's corner when there is none.
QPoint hintPosition(const QSize& size, QRect icon)
{
    // An icon the tray host has not taken in yet reports the screen's origin.
    if (icon.topLeft().isNull())
        icon = QRect();
    const QScreen* screen = icon.isValid() ? QGuiApplication::screenAt(icon.center())
                                           : QGuiApplication::primaryScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect all = screen->geometry();
    const QRect free = screen->availableGeometry();
    if (icon.isValid()) {
        const int x = qBound(all.left(), icon.center().x() - size.width() / 2,
                             all.right() - size.width() + 1);
        const bool below = icon.center().y() < all.center().y();
        return {x, below ? icon.bottom() + 4 : icon.top() - size.height() - 4};
    }
    if (free.bottom() < all.bottom())
        return {free.right() - size.width() + 1, free.bottom() - size.height() - 3};
    if (free.top() > all.top())
        return {free.right() - size.width() + 1, free.top()};
    if (free.left() > all.left())
        return {free.left(), free.bottom() - size.height() + 1};
    // A panel on the right, or none the desktop tells of: the bottom right corner,
    // where notifications show on most desktops.
    return {free.right() - size.width() + 1, free.bottom() - size.height() + 1};
}

} // namespace

TrayIcon::TrayIcon(QMenu* menu, const QString& toolTip, QObject* parent)
    : QObject(parent), m_icon(new QSystemTrayIcon(this))
{
    m_icon->setContextMenu(menu);
    m_icon->setToolTip(toolTip);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger)
            emit leftPressed();
    });
    m_flashTimer.setInterval(100);
    connect(&m_flashTimer, &QTimer::timeout, this, &TrayIcon::step);
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(5000);
    connect(&m_hintTimer, &QTimer::timeout, this, &TrayIcon::hideHint);
    setStatus(presence::Status::Normal);
}

void TrayIcon::setToolTip(const QString& text)
{
    m_icon->setToolTip(text);
}

TrayIcon::~TrayIcon()
{
    hideHint();
}

bool TrayIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setStatus(presence::Status status)
{
    m_status = char16_t(status) - u'0';
    m_flashPhase = false;
    m_icon->setIcon(ImageList::icon(32 + m_status));
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::hide()
{
    setFlashing(false);
    m_icon->hide();
}

void TrayIcon::setFlashing(bool on)
{
    if (on == flashing())
        return;
    if (on) {
        m_flashTimer.start();
    } else {
        m_flashTimer.stop();
        m_flashPhase = false;
        m_icon->setIcon(ImageList::icon(32 + m_status));
    }
}

void TrayIcon::step()
{
    m_flashPhase = !m_flashPhase;
    m_icon->setIcon(ImageList::icon((m_flashPhase ? 36 : 32) + m_status));
}

void TrayIcon::showHint(const QStringList& lines)
{
    if (!m_hint)
        m_hint = new TTrayHint([this] { hideHint(); });
    m_hintTimer.stop();
    m_hint->setText(lines.join(u'\n'));
    m_hint->adjustSize();
    m_hint->move(hintPosition(m_hint->size(), m_icon->isVisible() ? m_icon->geometry() : QRect()));
    m_hint->show();
    m_hintTimer.start();
}

void TrayIcon::showFirstStartHint()
{
    m_icon->showMessage(m_icon->toolTip(),
                        tr("Quorvelle runs here. Right click this icon and choose "
                           "\"Show\" to open its window, or press Ctrl+Alt+S."),
                        QSystemTrayIcon::Information, 15000);
}

void TrayIcon::hideHint()
{
    m_hintTimer.stop();
    if (m_hint) {
        m_hint->hide();
        m_hint->deleteLater();
    }
}

} // namespace quorvelle::shell
