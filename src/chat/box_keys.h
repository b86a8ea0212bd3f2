#pragma once

// The keys the main window's text boxes and users list share: F1 .. F12 paste a
// macro into the box, Shift+F1 .. Shift+F12 copy the input line to a macro,
// Ctrl+Backspace converts the box's text to the other keyboard layout, and
// Ctrl+Up / Ctrl+Down (in the list also Up / Down) move the users list's
// selection, wrapping round.

#include <QObject>
#include <functional>

namespace quorvelle::chat {

class EditMenus;
class InputLine;

class BoxKeys : public QObject
{
    Q_OBJECT

public:
    using MoveSelection = std::function<void(int delta)>;
    BoxKeys(InputLine& input, EditMenus& menus, MoveSelection moveUsers, QObject* parent);

    void watch(QWidget* box, bool isUsersList = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputLine& m_input;
    EditMenus& m_menus;
    MoveSelection m_moveUsers;
    QWidget* m_usersList = nullptr;
};

} // namespace quorvelle::chat
