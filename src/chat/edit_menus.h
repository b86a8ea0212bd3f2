#pragma once

// The menus of the main window's text boxes: the input line's menu (PopupMenu5)
// and the edit menu of the nick and subject boxes (EditMenu). Both offer the edit
// commands, "Set Color" (wraps the selection in a colour code), the macros and
// the smiles, on the box the menu was opened for. The input line's menu adds
// "Copy Line to Macros", "KLC Convert", "Clear Chat", "Clear Line", "Send Line"
// and the line history.

#include "chat/text_box.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QAction;
class QMenu;

namespace quorvelle::shell {
class MainMenu;
}

namespace quorvelle::chat {

class InputLine;

// Text typed in the wrong layout, converted as if typed in the other one; the keyboard
// then switches to that layout too. With US English in use, US to Russian; otherwise
// back to US. Empty text, or no readable layout, comes back unchanged.
QString KlcConvert(const QString& text);

class EditMenus : public QObject
{
    Q_OBJECT

public:
    EditMenus(QWidget* window, InputLine& input, shell::MainMenu& mainMenu);

    QMenu* inputMenu() const { return m_inputMenu; } // PopupMenu5
    QMenu* editMenu() const { return m_editMenu; }   // EditMenu
    // Gives a box the edit menu on a right click.
    void attach(QWidget* box);

    // Into a box, as typed there: macros, smiles.
    static void InsertText(TextBox box, const QString& text);
    void PasteMacro(TextBox box, int n);
    // Wraps the selection in the start and end codes of colour entry (0..15).
    static void SetColorClick(TextBox box, int entry);
    // "KLC Convert": the whole text in the other keyboard layout.
    static void KLCConvClick(TextBox box);

    QAction* KLCConv() const { return m_klcConv; }

private:
    struct EditItems
    {
        QAction* undo;
        QAction* redo;
        QAction* cut;
        QAction* copy;
        QAction* paste;
        QAction* del;
        QAction* selectAll;
        QMenu* setColor;
        QMenu* macros;
    };
    EditItems addEditItems(QMenu* menu);
    void addSmiles(QMenu* menu);
    void EditMenuPopup(const EditItems& items);
    void popUp(QMenu* menu, QWidget* box, const QPoint& globalPos);

    InputLine& m_input;
    QMenu* m_inputMenu;
    QMenu* m_editMenu;
    EditItems m_inputItems;
    EditItems m_editItems;
    QAction* m_klcConv;
    QAction* m_sendLine;
    QAction* m_clearLine;
    std::array<QAction*, 2> m_history; // Previous Line, Next Line
    TextBox m_target;                  // the box the open menu is for
};

} // namespace quorvelle::chat
