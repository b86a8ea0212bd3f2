#pragma once

// The notification-area icon: the own status as its picture, flashing when
// something new arrives unseen, and the short-lived hint with the newest line.

#include "presence/status.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class QMenu;
class QSystemTrayIcon;

namespace quorvelle::shell {

class TrayIcon : public QObject
{
    Q_OBJECT

public:
    TrayIcon(QMenu* menu, const QString& toolTip, QObject* parent = nullptr);
    ~TrayIcon() override;

    // False where the desktop has no notification area (then the window is the
    // only way in, and must stay reachable).
    static bool available();

    void setStatus(presence::Status status); // SetTrayIcons
    void setToolTip(const QString& text);
    void show();
    void hide();
    void setFlashing(bool on);
    bool flashing() const { return m_flashTimer.isActive(); }

    // The hint near the taskbar; a new one replaces the old and lives 5 s.
    void showHint(const QStringList& lines);
    void hideHint(); // HintTimerTimer
    // Once, at the very first start: where the program went and how to open it.
    void showFirstStartHint();

signals:
    void leftPressed();

private:
    void step();

    QSystemTrayIcon* m_icon;
    int m_status = 0;
    bool m_flashPhase = false;
    QTimer m_flashTimer;
    QTimer m_hintTimer;
    QPointer<QLabel> m_hint;
};

} // namespace quorvelle::shell
