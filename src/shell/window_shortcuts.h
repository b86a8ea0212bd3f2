#pragma once

// The main menus' shortcuts belong to the window: in its text boxes they win over
// the boxes' own key bindings (Ctrl+A is "Away", not "select all"; Ctrl+U opens
// the connection window instead of erasing the typed text).

#include <QObject>

class QWidget;

namespace quorvelle::shell {

class WindowShortcutPriority : public QObject
{
    Q_OBJECT

public:
    // The window's own actions (QWidget::actions) are the shortcuts that win.
    explicit WindowShortcutPriority(QWidget* window);

    // A text box of the window.
    void watch(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};

} // namespace quorvelle::shell
