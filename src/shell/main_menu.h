#pragma once

// The main popup menu (also the tray's menu; the window has no menu bar) and the
// tab menu. Items keep the names their settings and handlers use. Switches are
// bound to the flags they govern; commands are wired by the main window.

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace quorvelle::shell {

class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* window);

    QMenu* popup() const { return m_popup; }             // PopupMenu1
    QMenu* tabMenu() const { return m_tabMenu; }         // PopupMenu3
    QMenu* nickHistory() const { return m_nickHistory; } // PopupMenu4
    QMenu* userPopup() const { return m_userPopup; }     // the users list's menu

    // The item of that name; asserts that it exists.
    QAction* item(const QString& name) const;

    // A check item whose tick is the flag: set from it now, written back on click.
    void bindSwitch(const QString& name, bool& flag);
    void setHandler(const QString& name, std::function<void()> handler);
    // Re-reads every bound flag (after the state was loaded).
    void refreshSwitches();

private:
    QMenu* submenu(QMenu* parent, const QString& caption);
    QAction* command(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& shortcut = {});
    QAction* check(QMenu* menu, const QString& name, const QString& caption,
                   const QKeySequence& shortcut = {});
    QAction* radio(QMenu* menu, QActionGroup* group, const QString& name, const QString& caption,
                   int tag, const QKeySequence& shortcut = {});
    // Shown for completeness; its window arrives later.
    void later(const QString& name);

    QWidget* m_window;
    QMenu* m_popup;
    QMenu* m_tabMenu;
    QMenu* m_nickHistory;
    QMenu* m_userPopup;
    QHash<QString, QAction*> m_items;
    QHash<QAction*, bool*> m_switches;
};

} // namespace quorvelle::shell
