#include "messages/message_window.h"

#include "chat/edit_menus.h"
#include "chat/fix_selection.h"
#include "chat/input_line.h"
#include "chat/markup_renderer.h"
#include "messages/raw_text.h"
#include "shell/image_list.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QVBoxLayout>

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

const QString TMessFm::MassCaption = u"=> \u041Cass Message"_s;

QString TMessFm::massCaption()
{
    return u"=> "_s + tr("Мass Message"); // a Cyrillic EM, as in MassCaption
}

namespace {

QPushButton* Button(QWidget* parent, const QString& text, int image)
{
    auto* button = new QPushButton(shell::ImageList::icon(image), text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TMessFm::TMessFm(const MessageLook& look)
    : QWidget(nullptr, Qt::Window), m_look(look), GroupBox1(new QGroupBox(this)),
      RichMess(new QTextBrowser(GroupBox1))
{
    setObjectName(u"TMessFm"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(shell::ImageList::icon(66));
    setMinimumSize(328, 183);
    RichMess->setObjectName(u"RichMess"_s);
    RichMess->setOpenLinks(false);
    RichMess->setUndoRedoEnabled(true);
    RichMess->document()->setMaximumBlockCount(0);
    RichMess->setFont(look.font);
    QPalette palette = RichMess->palette();
    palette.setColor(QPalette::Base, look.background);
    palette.setColor(QPalette::Text, look.text);
    RichMess->setPalette(palette);
    connect(RichMess, &QTextBrowser::anchorClicked, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    RichMess->installEventFilter(this);
    // The focus follows the mouse into the text (see eventFilter).
    RichMess->viewport()->setMouseTracking(true);
    RichMess->viewport()->installEventFilter(this);
    (new chat::FixSelectionOnDoubleClick(this))->watch(RichMess);
    // A message is one packet: no longer text than a chat line.
    chat::LimitLength(RichMess, chat::InputLine::MaxLength);
    if (look.attachEditMenu)
        look.attachEditMenu(RichMess);
    auto* textLayout = new QVBoxLayout(GroupBox1);
    textLayout->setContentsMargins(3, 1, 3, 3);
    textLayout->addWidget(RichMess);

    BitBtn1 = Button(this, tr("&Send"), 17);
    BitBtn2 = Button(this, tr("&Cancel"), 15);
    BitBtn3 = Button(this, tr("&OK"), 65);
    BitBtn4 = Button(this, QString(), 40);
    BitBtn4->setToolTip(u"#Main"_s);
    BitBtn5 = Button(this, QString(), 10);
    BitBtn5->setToolTip(tr("Private Chat"));
    BitBtn6 = Button(this, tr("&Reply"), 67);
    BitBtn7 = Button(this, tr("&Quote"), 68);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn5);
    buttons->addStretch();
    for (QPushButton* b : {BitBtn6, BitBtn7, BitBtn1, BitBtn3, BitBtn2})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TMessFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn3, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn4, &QPushButton::clicked, this, [this] { EnterToChanel(u"#Main"_s); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { EnterToChanel(nick()); });
    connect(BitBtn6, &QPushButton::clicked, this, &TMessFm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TMessFm::BitBtn7Click);
}

TMessFm* TMessFm::NewOutgoingMessage(const QString& nick, const MessageLook& look)
{
    auto* w = new TMessFm(look);
    const bool toAll = nick.isEmpty();
    w->setWindowTitle(toAll ? massCaption() : u"-> "_s + nick);
    w->setComposing(true, toAll);
    return w;
}

TMessFm* TMessFm::NewIncomingMessage(const QString& caption, const QString& rawText,
                                     const QString& date, const QString& time,
                                     const MessageLook& look)
{
    auto* w = new TMessFm(look);
    w->setWindowTitle(caption);
    w->setComposing(false, false);
    w->GroupBox1->setTitle(tr(" [%1 - %2] Incoming text: ").arg(date, time));
    w->setRawText(rawText);
    w->BitBtn7->setFocus();
    return w;
}

QString TMessFm::nick() const
{
    return windowTitle().mid(3);
}

bool TMessFm::composing() const
{
    return windowTitle().startsWith(u'-') || windowTitle().startsWith(u'=');
}

bool TMessFm::mass() const
{
    // "=> ..." composing to everybody, "<= nick" received from one.
    return windowTitle().startsWith(u"=>"_s) || windowTitle().startsWith(u"<="_s);
}

void TMessFm::followRename(const QString& from, const QString& to)
{
    if (!(composing() && mass()) && nick() == from)
        setWindowTitle(windowTitle().left(3) + to);
}

void TMessFm::setComposing(bool composing, bool toAll)
{
    BitBtn1->setIcon(shell::ImageList::icon(toAll ? 18 : 17));
    for (QPushButton* b : {BitBtn1, BitBtn2})
        b->setVisible(composing);
    for (QPushButton* b : {BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7})
        b->setVisible(!composing);
    BitBtn5->setVisible(!composing && !nick().isEmpty());
    RichMess->setReadOnly(!composing);
    RichMess->setTextInteractionFlags(composing
                                          ? Qt::TextEditorInteraction | Qt::LinksAccessibleByMouse
                                          : Qt::TextBrowserInteraction);
    if (composing) {
        GroupBox1->setTitle(tr(" Outgoing text: "));
        RichMess->setFocus();
    }
}

void TMessFm::setRawText(const QString& rawText)
{
    m_rawText = rawText;
    RichMess->clear();
    // Kept so that a reopened text sent again keeps the codes of its unchanged lines.
    m_shownText = ShowMessageText(rawText);
}

QString TMessFm::ShowMessageText(const QString& text)
{
    const chat::MarkupOptions options{m_look.mode, m_look.smiles, m_look.background,
                                      devicePixelRatioF()};
    QTextCursor cursor(RichMess->document());
    cursor.movePosition(QTextCursor::End);
    bool first = RichMess->document()->isEmpty();
    for (const QString& line : MessageViewLines(text)) {
        QTextCharFormat format;
        switch (LineColour(line)) {
        case QuoteColour::Text:
            format.setForeground(m_look.text);
            break;
        case QuoteColour::SingleQuote:
            format.setForeground(m_look.singleQuote);
            break;
        case QuoteColour::DoubleQuote:
            format.setForeground(m_look.doubleQuote);
            break;
        }
        if (!first)
            cursor.insertBlock(QTextBlockFormat(), format);
        first = false;
        chat::InsertMarkup(cursor, line, format, options);
    }
    RichMess->setTextCursor(cursor);
    RichMess->verticalScrollBar()->setValue(RichMess->verticalScrollBar()->maximum());
    return ShownText(text, m_look.mode, m_look.smiles);
}

void TMessFm::BitBtn1Click()
{
    // The lines as typed (pictures read as the one space they stand for), rebuilt
    // with the codes of quoted lines left as they were.
    QString edited = RichMess->toPlainText();
    edited.replace(QChar::ObjectReplacementCharacter, u' ');
    if (edited.isEmpty())
        return;
    const QString raw = RebuildRawText(edited, m_rawText, m_shownText);
    bool accepted = false;
    emit sendRequested(mass() ? QString() : nick(), raw, &accepted);
    if (accepted)
        close();
}

void TMessFm::BitBtn6Click()
{
    setWindowTitle(u"-> "_s + nick());
    m_rawText.clear();
    m_shownText.clear();
    RichMess->clear();
    setComposing(true, false);
}

void TMessFm::BitBtn7Click()
{
    const QString quoted = QuotedRawText(m_rawText);
    const QString target = nick();
    RichMess->clear();
    m_rawText = quoted;
    m_shownText = ShowMessageText(quoted);
    // One empty line for the answer, in the user's own colour, the caret on it.
    QTextCursor cursor(RichMess->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat own;
    own.setForeground(m_look.text);
    cursor.insertBlock(QTextBlockFormat(), own);
    RichMess->setTextCursor(cursor);
    setWindowTitle(u"-> "_s + target);
    setComposing(true, false);
}

void TMessFm::EnterToChanel(const QString& name)
{
    hide();
    emit conversationRequested(name);
    close();
}

void TMessFm::showEvent(QShowEvent* event)
{
    // The text starts a little right of where the input line's does, never on the frame.
    QTextFrameFormat root = RichMess->document()->rootFrame()->frameFormat();
    root.setLeftMargin(std::max(3, chat::InputLine::TextMargin + 1));
    RichMess->document()->rootFrame()->setFrameFormat(root);
    QWidget::showEvent(event);
}

void TMessFm::changeEvent(QEvent* event)
{
    // Coming to the front shows the end of a long text, the caret there.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QScrollBar* bar = RichMess->verticalScrollBar();
        if (bar->maximum() > bar->minimum()) {
            bar->setValue(bar->maximum());
            RichMess->moveCursor(QTextCursor::End);
        }
    }
    QWidget::changeEvent(event);
}

bool TMessFm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichMess->viewport() && event->type() == QEvent::MouseMove) {
        // The mouse moving over the text of the window in front gives the text the
        // keyboard; a window that only came up under a resting mouse does not take it.
        static QPoint lastSeen;
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (isActiveWindow() && at != lastSeen) {
            RichMess->setFocus(Qt::MouseFocusReason);
            lastSeen = at;
        }
    }
    if (watched == RichMess && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12 && mods == Qt::NoModifier) {
            if (!RichMess->isReadOnly() && m_look.macro)
                RichMess->insertPlainText(m_look.macro(key->key() - Qt::Key_F1 + 1));
            return true;
        }
        if (key->key() == Qt::Key_Backspace && mods == Qt::ControlModifier) {
            chat::EditMenus::KLCConvClick(chat::TextBox(RichMess));
            return true;
        }
        if (key->key() == Qt::Key_Escape && mods == Qt::ShiftModifier) {
            if (!RichMess->isReadOnly())
                RichMess->clear();
            close();
            return true;
        }
        if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMessFm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace quorvelle::messages
