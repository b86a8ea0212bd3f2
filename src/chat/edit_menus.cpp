#include "chat/edit_menus.h"

#include "chat/colour_value.h"
#include "chat/input_line.h"
#include "chat/layout_conversion.h"
#include "chat/markup.h"
#include "platform/keyboard_layout.h"
#include "shell/image_list.h"
#include "shell/main_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidgetAction>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;

namespace {

// A 14 x 14 swatch of the colour, framed in the menu's text colour.
QIcon Swatch(int colour, const QColor& frame)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 14, 14), ToQColor(colour));
    painter.setPen(frame);
    painter.drawRect(QRect(1, 1, 13, 13));
    return QIcon(pixmap);
}

QKeySequence FunctionKey(int n, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(Qt::Key_F1 + n - 1)));
}

} // namespace

QString KlcConvert(const QString& text)
{
    if (text.isEmpty())
        return text;
    const std::optional<bool> fromUs = platform::SwitchFromTypedLayout();
    if (!fromUs)
        return text;
    return ConvertLayout(text,
                         *fromUs ? LayoutDirection::UsToRussian : LayoutDirection::RussianToUs);
}

EditMenus::EditMenus(QWidget* window, InputLine& input, shell::MainMenu& mainMenu)
    : QObject(window), m_input(input), m_inputMenu(new QMenu(window)), m_editMenu(new QMenu(window))
{
    m_inputMenu->setObjectName(u"PopupMenu5"_s);
    m_editMenu->setObjectName(u"EditMenu"_s);

    // The input line's menu.
    QMenu* p = m_inputMenu;
    m_inputItems = addEditItems(p);
    auto* toMacros = new QMenu(tr("Copy Line to Macros"), p);
    for (int n = 1; n <= 12; ++n) {
        QAction* item = toMacros->addAction(u"F%1"_s.arg(n));
        item->setShortcut(FunctionKey(n, Qt::ShiftModifier));
        connect(item, &QAction::triggered, this, [this, n] { m_input.ToMacroClick(n); });
    }
    p->insertMenu(m_inputItems.macros->menuAction(), toMacros);
    addSmiles(p);
    m_klcConv = p->addAction(tr("KLC Convert"));
    m_klcConv->setObjectName(u"KLCConv"_s);
    m_klcConv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Backspace));
    m_klcConv->setEnabled(platform::KlcAvailable());
    connect(m_klcConv, &QAction::triggered, this, [this] { KLCConvClick(m_target); });
    p->addSeparator();
    p->addAction(mainMenu.ClearChat);
    m_clearLine = p->addAction(tr("Clear Line"), &input, &InputLine::ClearLine1Click);
    m_clearLine->setShortcut(QKeySequence(Qt::Key_Escape));
    m_sendLine = p->addAction(tr("Send Line"), &input, &InputLine::SendLine1Click);
    p->setDefaultAction(m_sendLine);
    m_history = {p->addAction(tr("Previous Line"), &input, &InputLine::PrevLineClick),
                 p->addAction(tr("Next Line"), &input, &InputLine::NextLineClick)};
    // The keys these items show follow the line's key mode.
    const auto showKeys = [this](bool multi) {
        m_sendLine->setShortcut(multi ? QKeySequence(Qt::CTRL | Qt::Key_Return)
                                      : QKeySequence(Qt::Key_Return));
        m_history[0]->setShortcut(multi ? QKeySequence(Qt::CTRL | Qt::Key_PageUp)
                                        : QKeySequence(Qt::Key_Up));
        m_history[1]->setShortcut(multi ? QKeySequence(Qt::CTRL | Qt::Key_PageDown)
                                        : QKeySequence(Qt::Key_Down));
    };
    showKeys(false);
    connect(&input, &InputLine::keyModeChanged, this, showKeys);
    // The menu's shortcuts are the input line's keys, taken there; here they only show.
    for (QAction* item : p->actions())
        if (item != mainMenu.ClearChat) // the window's own, working everywhere in it
            item->setShortcutContext(Qt::WidgetShortcut);
    connect(p, &QMenu::aboutToShow, this, [this] {
        const bool typed = !m_input.text().isEmpty();
        m_sendLine->setVisible(typed);
        m_clearLine->setVisible(typed);
        EditMenuPopup(m_inputItems);
    });
    input.edit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(input.edit(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        popUp(m_inputMenu, m_input.edit(), m_input.edit()->mapToGlobal(at));
    });

    // The edit menu of the other boxes.
    m_editItems = addEditItems(m_editMenu);
    addSmiles(m_editMenu);
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] { EditMenuPopup(m_editItems); });
}

void EditMenus::attach(QWidget* box)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this,
            [this, box](const QPoint& at) { popUp(m_editMenu, box, box->mapToGlobal(at)); });
}

void EditMenus::popUp(QMenu* menu, QWidget* box, const QPoint& globalPos)
{
    m_target = TextBox(box);
    box->setFocus();
    menu->popup(globalPos);
}

EditMenus::EditItems EditMenus::addEditItems(QMenu* menu)
{
    EditItems items{};
    items.undo = menu->addAction(tr("Undo"), this, [this] { m_target.undo(); });
    items.redo = menu->addAction(tr("Redo"), this, [this] { m_target.redo(); });
    menu->addSeparator();
    items.cut = menu->addAction(tr("Cut"), this, [this] { m_target.cut(); });
    items.copy = menu->addAction(tr("Copy"), this, [this] { m_target.copy(); });
    items.paste = menu->addAction(tr("Paste"), this, [this] { m_target.paste(); });
    items.del = menu->addAction(tr("Delete"), this, [this] { m_target.deleteSelection(); });
    menu->addSeparator();
    items.selectAll = menu->addAction(tr("Select All"), this, [this] { m_target.selectAll(); });
    menu->addSeparator();
    items.setColor = menu->addMenu(tr("Set Color"));
    const QColor frame = menu->palette().color(QPalette::Text);
    const auto& table = ColourCodeTable();
    for (int entry = 0; entry < int(table.size()); ++entry)
        items.setColor->addAction(
            Swatch(table[size_t(entry)].colour, frame),
            QCoreApplication::translate("ColourCodes", table[size_t(entry)].caption.data()), this,
            [this, entry] { SetColorClick(m_target, entry); });
    items.macros = menu->addMenu(tr("Paste Line from Macros"));
    for (int n = 1; n <= 12; ++n) {
        QAction* item =
            items.macros->addAction(QString(), this, [this, n] { PasteMacro(m_target, n); });
        item->setShortcut(FunctionKey(n));
        item->setShortcutContext(Qt::WidgetShortcut);
    }
    return items;
}

void EditMenus::addSmiles(QMenu* menu)
{
    // Two columns of pictures with their texts, 1 .. 11 and 12 .. 22.
    QMenu* smiles = menu->addMenu(tr("Smiles"));
    auto* grid = new QWidget(smiles);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    const auto& table = SmileTable();
    for (int i = 0; i < int(table.size()); ++i) {
        auto* button = new QToolButton(grid);
        const QString text(table[size_t(i)].text);
        button->setText(text);
        button->setIcon(shell::ImageList::icon(table[size_t(i)].image));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, menu, text] {
            menu->close();
            InsertText(m_target, text);
        });
        layout->addWidget(button, i % 11, i / 11);
    }
    auto* action = new QWidgetAction(smiles);
    action->setDefaultWidget(grid);
    smiles->addAction(action);
}

void EditMenus::EditMenuPopup(const EditItems& items)
{
    const TextBox& box = m_target;
    const bool readOnly = box.isReadOnly();
    const bool selected = box.hasSelection();
    items.undo->setEnabled(!readOnly && box.canUndo());
    items.redo->setVisible(box.isRich());
    items.redo->setEnabled(!readOnly && box.canRedo());
    items.cut->setEnabled(!readOnly && selected);
    items.copy->setEnabled(selected);
    items.paste->setEnabled(!readOnly);
    items.del->setEnabled(!readOnly && selected);
    items.selectAll->setEnabled(!box.text().isEmpty());
    items.setColor->setEnabled(!readOnly && selected);
    const QList<QAction*> macros = items.macros->actions();
    for (int n = 0; n < macros.size(); ++n)
        macros[n]->setText(m_input.macros().value(n));
}

void EditMenus::InsertText(TextBox box, const QString& text)
{
    // A rich box keeps its selection and takes the text in front of it; the others
    // take it as typed, in place of the selection.
    if (box.isRich() && box.hasSelection())
        box.setCaret(box.selectionStart());
    box.insert(text);
}

void EditMenus::PasteMacro(TextBox box, int n)
{
    if (box && !box.isReadOnly())
        InsertText(box, m_input.macros().value(n - 1));
}

void EditMenus::SetColorClick(TextBox box, int entry)
{
    if (!box || box.isReadOnly() || !box.hasSelection() || entry < 0 || entry > 15)
        return;
    const ColourCodeEntry& code = ColourCodeTable()[size_t(entry)];
    const int start = box.selectionStart();
    const int end = box.selectionEnd() + int(code.startCode.size());
    box.setCaret(start);
    box.insert(QString(code.startCode));
    box.setCaret(end);
    box.insert(QString(code.endCode));
}

void EditMenus::KLCConvClick(TextBox box)
{
    if (!box || box.isReadOnly())
        return;
    const int caret = box.caret();
    const QString text = box.text();
    const QString converted = KlcConvert(text);
    if (converted == text)
        return;
    box.setText(converted);
    box.setCaret(caret);
}

} // namespace quorvelle::chat
