#include "chat/box_keys.h"

#include "chat/edit_menus.h"
#include "chat/input_line.h"

#include <QKeyEvent>

namespace quorvelle::chat {

BoxKeys::BoxKeys(InputLine& input, EditMenus& menus, MoveSelection moveUsers, QObject* parent)
    : QObject(parent), m_input(input), m_menus(menus), m_moveUsers(std::move(moveUsers))
{}

void BoxKeys::watch(QWidget* box, bool isUsersList)
{
    box->installEventFilter(this);
    if (isUsersList)
        m_usersList = box;
}

bool BoxKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const int k = key->key();
    auto* box = static_cast<QWidget*>(watched);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) {
        const int n = k - Qt::Key_F1 + 1;
        if (mods == Qt::NoModifier) {
            m_menus.PasteMacro(TextBox(box), n);
            return true;
        }
        if (mods == Qt::ShiftModifier) {
            m_input.ToMacroClick(n);
            return true;
        }
    }
    if (k == Qt::Key_Backspace && mods == Qt::ControlModifier) {
        EditMenus::KLCConvClick(TextBox(box));
        return true;
    }
    const bool list = watched == m_usersList;
    if ((k == Qt::Key_Up || k == Qt::Key_Down) &&
        (mods == Qt::ControlModifier || (list && mods == Qt::NoModifier))) {
        m_moveUsers(k == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::chat
