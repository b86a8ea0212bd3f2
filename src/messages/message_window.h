#pragma once

// A popup message in a window of its own (TMessFm): composing one to a user or to
// everybody, or showing one received, told apart by the caption alone ("-> nick",
// "=> Мass Message", "<- nick", "<= nick"). A received message can turn into a
// reply or a quoting reply. The window has no owner and its own taskbar entry, so
// it stays while the main window is hidden; it frees itself when closed.

#include "chat/markup.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTextBrowser;
class QGroupBox;

namespace quorvelle::messages {

// The look every message window shares (the main font, the message colours and
// the markup switches), and what it needs of the program.
struct MessageLook
{
    QFont font;
    QColor background;
    QColor doubleQuote;
    QColor singleQuote;
    QColor text;
    chat::ColourCodeMode mode = chat::ColourCodeMode::EnabledStripped;
    bool smiles = true;
    std::function<QString(int n)> macro; // F1 .. F12
    // Gives the text the edit menu of the program's text boxes.
    std::function<void(QWidget*)> attachEditMenu;
};

class TMessFm : public QWidget
{
    Q_OBJECT

public:
    static const QString MassCaption; // "=> Мass Message", with a Cyrillic EM
    // The caption as shown, in the user's language; MassCaption in English.
    static QString massCaption();

    // Compose mode: a message to the nick, or to everybody for an empty nick.
    static TMessFm* NewOutgoingMessage(const QString& nick, const MessageLook& look);
    // Display mode: a received message; caption "<- nick" or "<= nick". The date and
    // time are shown as given (an archived message keeps its stored ones).
    static TMessFm* NewIncomingMessage(const QString& caption, const QString& rawText,
                                       const QString& date, const QString& time,
                                       const MessageLook& look);

    // The other party, from the caption's fourth character on.
    QString nick() const;
    bool composing() const;
    bool mass() const;
    // A peer renamed: the caption follows the nick.
    void followRename(const QString& from, const QString& to);
    void setRawText(const QString& rawText); // the raw text, shown with its colour codes drawn

    void BitBtn1Click(); // Send
    void BitBtn6Click(); // Reply
    void BitBtn7Click(); // Quote

signals:
    // Send: the text as it travels (every line ended by CR LF) to the nick, or to
    // everybody for an empty nick. The window closes when accepted.
    void sendRequested(const QString& nick, const QString& rawText, bool* accepted);
    // The #Main or private-chat buttons.
    void conversationRequested(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TMessFm(const MessageLook& look);
    void setComposing(bool composing, bool mass);
    QString ShowMessageText(const QString& text);
    void EnterToChanel(const QString& name);

    MessageLook m_look;
    QGroupBox* GroupBox1;
    QTextBrowser* RichMess;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QString m_rawText;   // RawText
    QString m_shownText; // ShownText: set by Quote
};

} // namespace quorvelle::messages
