#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "chat/edit_menus.h"
#include "chat/markup.h"
#include "chat/text_box.h"
#include "history/search_window.h"
#include "messages/archive_window.h"
#include "messages/message_window.h"
#include "messages/message_windows.h"
#include "net/codec.h"
#include "shell/diagnostics_window.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/users_list.h"
#include "shell/window_presence.h"
#include "transfer/file_transfers.h"
#include "transfer/files_queue_window.h"
#include "transfer/send_file_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUdpSocket>
#include <QUrl>

using namespace quorvelle;
using quorvelle::shell::MainMenu;
using quorvelle::shell::TUsersList;
using namespace Qt::Literals::StringLiterals;

namespace {

// Collects what the program sends, unscrambled and without sequence bytes.
class Listener
{
public:
    explicit Listener(quint16 port, const QHostAddress& address = QHostAddress::AnyIPv4)
    {
        m_socket.bind(address, port,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    }
    QList<QByteArray> take(int atLeast)
    {
        // Waits for what is due, then a little more for what must not come.
        QDeadlineTimer deadline(5000);
        while (drain() < atLeast && !deadline.hasExpired())
            QTest::qWait(20);
        QTest::qWait(100);
        drain();
        return std::exchange(m_packets, {});
    }
    int drain()
    {
        while (m_socket.hasPendingDatagrams()) {
            const auto decoded = net::DecodeDatagram(m_socket.receiveDatagram().data());
            if (decoded)
                m_packets.append(decoded->packet);
        }
        return int(m_packets.size());
    }

private:
    QUdpSocket m_socket;
    QList<QByteArray> m_packets;
};

// The visible windows of type T, and of that object name if one is given.
template <typename T = QWidget> QList<T*> Shown(const QString& name = {})
{
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w);
            t && t->isVisible() && (name.isEmpty() || w->objectName() == name))
            found << t;
    return found;
}

QString TextBoxText(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        return text->toPlainText();
    return {};
}

// Drags files over a widget and drops them, as the window system delivers it;
// whether the drop was taken.
bool DropFiles(QWidget* target, const QPoint& at, const QStringList& files)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls.append(QUrl::fromLocalFile(file));
    mime.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Opens the main menu with a right click on the conversation, as a user does, and
// clicks the items of the path with the mouse, down into their submenus.
void ChooseFromMainMenu(shell::TMainFm& window, const QStringList& path)
{
    const QWidget* view = window.tabs().currentView()->viewport();
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                      view->mapTo(&window, QPoint(20, 20)));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    for (const QString& caption : path) {
        QAction* item = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == caption)
                item = a;
        QVERIFY2(item, qPrintable(caption));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        if (item->menu()) {
            QTRY_VERIFY(item->menu()->isVisible());
            menu = item->menu();
        }
    }
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

QList<messages::TMessFm*> MessageWindows()
{
    return Shown<messages::TMessFm>();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startupAnnouncesAndRestoresTabs();
    void linesFindTheirTabsAndLogs();
    void recentHistoryOpensAConversation();
    void tabsCloseAndCycle();
    void exitTakesLeaveOnceAndSavesOnce();
    void manyPrivateChatsDoNotFreeze();
    void statusAndShowHide();
    void nickAndSubjectBoxes();
    void editMenuActsOnTypedText_data();
    void editMenuActsOnTypedText();
    void menuKeysWorkFromEveryBox_data();
    void menuKeysWorkFromEveryBox();
    void noKeyHasTwoActions();
    void hiddenSessionKeepsStoredLayout();
    void pageKeysScrollTheConversation();
    void inputLineKeys();
    void macrosColoursAndUsersKeys();
    void messagesPopUpConfirmedAndArchived();
    void quotedReplyKeepsCodes();
    void aFloodOfMessagesOpensFewWindows();
    void informationWindows();
    void archiveListsAndReopens();
    void searchHistory();
    void networkDiagnostics();
    void channelsWindow();
    void filesGoThroughTheQueue();

private:
    void feed(const QByteArray& packet, quint32 from = 0x7F000001);
    QByteArray logFile(const QString& name) const;
    QByteArray stored() const;
    QString viewText(const QString& conversation);

    QTemporaryDir m_dir;
    quint16 m_port = 0;
    std::unique_ptr<settings::SettingsStore> m_store;
    std::unique_ptr<shell::TMainFm> m_window;
    std::unique_ptr<Listener> m_early;
    net::DatagramSeq m_seq{500};
};

void TestMainWindow::init()
{
    m_port = quint16(QRandomGenerator::global()->bounded(20000, 60000));
    const QString ini = m_dir.filePath(u"Quorvelle-%1.ini"_s.arg(m_port));
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"[Settings]\nNickName=Me\nUDPPort=%1\nLogsDir=%2/logs%1/\nTimeUsers=0\n"
               "TimeSystem=0\nUpdateOnPopup=0\nCodepage=windows-1251\nFilesDir=%2/in%1/\n"
               "[AddrList]\n127.255.255.255=\n"_s.arg(m_port)
                   .arg(m_dir.path())
                   .toUtf8());
    file.close();
    m_early = std::make_unique<Listener>(m_port);
    m_store = std::make_unique<settings::SettingsStore>(ini);
    m_window = std::make_unique<shell::TMainFm>(*m_store);
    m_window->InitMainWindow();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_store.reset();
    m_early.reset();
}

void TestMainWindow::feed(const QByteArray& packet, quint32 from)
{
    m_window->session().net().dispatcher().DispatchDatagram(net::FrameDatagram(packet, m_seq),
                                                            from);
}

QByteArray TestMainWindow::logFile(const QString& name) const
{
    QFile file(m_dir.filePath(u"logs%1/"_s.arg(m_port) + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray TestMainWindow::stored() const
{
    QFile file(m_store->location());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestMainWindow::viewText(const QString& conversation)
{
    const int index = m_window->session().conversations().TabIndexOf(conversation);
    return index < 0 ? u"<no tab>"_s : m_window->tabs().view(index)->toPlainText();
}

void TestMainWindow::startupAnnouncesAndRestoresTabs()
{
    QCOMPARE(m_window->session().conversations().names(), (QStringList{u"#Main"_s, u"#Talks"_s}));
    QCOMPARE(m_window->session().conversations().current(), 0);
    // "@" from showing #Main, then the refresh and the subject request; #Talks
    // stays unannounced until it is first shown.
    QCOMPARE(m_early->take(3), (QList<QByteArray>{"/@Me/0", "/?Me/0", "/sMe/"}));
    QVERIFY(m_window->session().conversations().at(1).unread);
    m_window->session().conversations().TabControl1Change(1);
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/1Me/#Talks"});
    QVERIFY(!m_window->session().conversations().at(1).unread);
}

void TestMainWindow::linesFindTheirTabsAndLogs()
{
    QSignalSpy hints(&m_window->tabs(), &chat::ConversationTabs::trayHint);
    feed("/@Bob/0");
    const chat::ColourCodeEntry& code = chat::ColourCodeTable()[0];
    feed("/#Bob//##Main/" + code.startCode.toString().toLatin1() + "red" +
         code.endCode.toString().toLatin1());
    feed("/@Me/0");
    feed("/1Me/#Talks"); // the user's own join: no hint
    feed("/1Bob/#Talks");
    QStringList hinted;
    for (const QList<QVariant>& hint : hints)
        hinted += hint.first().toStringList();
    // As the view shows them: the codes stripped (the default mode).
    QCOMPARE(hinted,
             (QStringList{u"Bob joins the net"_s, u"<Bob> red"_s, u"Bob joins the channel"_s}));
    feed("/#Bob//##Talks/\xcf\xf0\xe8\xe2\xe5\xf2");
    feed("/#Bob//##Talks/one\r\ntwo");
    feed("/#Bob//##Other/not for us");
    feed("/#Bob//#Carl/not for us either");
    feed("/#Bob//#Me/psst");
    feed("/@a:b/0");
    feed("/#a:b//#Me/no log file for me");

    QCOMPARE(
        viewText(u"#Talks"_s),
        u"Welcome to #Talks\nMe joins the channel\nBob joins the channel\n<Bob> Привет\n<Bob> one\n<Bob> two"_s);
    QCOMPARE(viewText(u"Bob"_s), u"Chat with Bob\n<Bob> psst"_s);
    QCOMPARE(viewText(u"a:b"_s), u"Chat with a:b\n<a:b> no log file for me"_s);
    QVERIFY(!viewText(u"#Main"_s).contains(u"not for us"_s));
    QVERIFY(m_window->session().conversations().at(1).unread);
    // Four lines came to #Talks and one to Bob's chat behind #Main: counted on the
    // tabs and in the title, until each is viewed.
    QTabBar* bar = m_window->findChild<QTabBar*>();
    QCOMPARE(bar->tabText(1), u"#Talks (4)"_s);
    QVERIFY2(m_window->windowTitle().endsWith(u" (5)"_s), qPrintable(m_window->windowTitle()));
    m_window->session().conversations().TabControl1Change(1);
    QCOMPARE(bar->tabText(1), u"#Talks"_s);
    QVERIFY(m_window->windowTitle().endsWith(u" (1)"_s));

    const QByteArray header =
        "\r\n[" + QDate::currentDate().toString(u"dd.MM.yyyy"_s).toLatin1() + "]\r\n";
    QCOMPARE(logFile(u"#Talks.log"_s), header + "Welcome to #Talks\r\nMe joins the channel\r\n"
                                                "Bob joins the channel\r\n"
                                                "<Bob> \xcf\xf0\xe8\xe2\xe5\xf2\r\n"
                                                "<Bob> one\r\n<Bob> two\r\n");
    QCOMPARE(logFile(u"Bob.log"_s), header + "Chat with Bob\r\n<Bob> psst\r\n");
    QCOMPARE(logFile(u"#Other.log"_s), QByteArray("<missing>"));
    QCOMPARE(logFile(u"a:b.log"_s), QByteArray("<missing>"));
    QVERIFY(logFile(u"#Main.log"_s).startsWith(header + "Welcome to Quorvelle v."));
}

// A conversation that opens shows the newest lines of its log, dimmed, above a
// rule; they are not written to the log again. The switch turns it off.
void TestMainWindow::recentHistoryOpensAConversation()
{
    QDir().mkpath(m_dir.filePath(u"logs%1"_s.arg(m_port)));
    const QByteArray today = QDate::currentDate().toString(u"dd.MM.yyyy"_s).toLatin1();
    const QByteArray past = "\r\n[" + today + "]\r\nChat with Bob\r\n<Bob> earlier\r\n";
    for (const char* nick : {"Bob", "Carl"}) {
        QFile log(m_dir.filePath(u"logs%1/%2.log"_s.arg(m_port).arg(QLatin1StringView(nick))));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(past) == past.size());
    }
    feed("/@Bob/0");
    feed("/@Carl/0");
    feed("/#Bob//#Me/psst");
    const QString rule(24, QChar(0x2500));
    QCOMPARE(viewText(u"Bob"_s),
             u"Chat with Bob\n<Bob> earlier\n"_s + rule + u"\nChat with Bob\n<Bob> psst"_s);
    QCOMPARE(logFile(u"Bob.log"_s).count("earlier"), 1);
    m_window->state().switches.ShowHistory = false;
    feed("/#Carl//#Me/hi");
    QCOMPARE(viewText(u"Carl"_s), u"Chat with Carl\n<Carl> hi"_s);
}

void TestMainWindow::tabsCloseAndCycle()
{
    auto& tabs = m_window->session().conversations();
    feed("/@Bob/0");
    feed("/#Bob//#Me/hi");
    QCOMPARE(tabs.names(), (QStringList{u"#Main"_s, u"#Talks"_s, u"Bob"_s}));
    QCOMPARE(tabs.current(), 2);       // Normal status: the new chat comes forward
    m_window->menu().Next1->trigger(); // the cycling itself: test_chat_core
    QCOMPARE(tabs.current(), 0);
    tabs.TabControl1Change(1);
    m_early->take(0);
    m_window->menu().Close1->trigger();
    QCOMPARE(tabs.names(), (QStringList{u"#Main"_s, u"Bob"_s}));
    QCOMPARE(tabs.currentName(), u"Bob"_s);
    QVERIFY(m_early->take(1).contains("/2Me/#Talks"));
}

void TestMainWindow::exitTakesLeaveOnceAndSavesOnce()
{
    feed("/!X/0");
    m_window->session().output().OpenConversation(u"X"_s, false, net::ConversationKind::Private);
    Listener late(m_port); // bound last: unicasts to this host arrive here
    QSignalSpy exited(m_window.get(), &shell::TMainFm::exited);
    m_window->Exit1Click();
    QCOMPARE(exited.count(), 1);
    QCOMPARE(late.take(3), (QList<QByteArray>{"/<Me/X", "/2Me/#Talks", "/$Me/"}));

    const QByteArray saved = stored();
    QVERIFY(saved.contains("[AddrList]\n127.255.255.255="));
    QVERIFY(saved.contains("NickName=Me\n"));
    QVERIFY(saved.contains("JLNet=1\n"));

    m_window->Exit1Click(); // a second request (a session end after the menu) does nothing
    QCOMPARE(exited.count(), 1);
    QCOMPARE(late.take(0).size(), 0);
}

void TestMainWindow::manyPrivateChatsDoNotFreeze()
{
    for (int i = 0; i < 1000; ++i) {
        const QByteArray nick = "peer" + QByteArray::number(i);
        feed("/@" + nick + "/2");
        feed("/#" + nick + "//#Me/hello");
    }
    QCOMPARE(m_window->session().conversations().count(), 1002);
    QCOMPARE(viewText(u"peer999"_s), u"Chat with peer999\n<peer999> hello"_s);
}

void TestMainWindow::statusAndShowHide()
{
    MainMenu& menu = m_window->menu();
    m_early->take(3);
    menu.status[0]->trigger(); // already ticked: nothing goes out
    QCOMPARE(m_early->take(0), QList<QByteArray>{});
    menu.status[2]->trigger();
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/_Me/2"});
    QVERIFY(menu.status[2]->isChecked());
    QVERIFY(!menu.status[0]->isChecked());

    QVERIFY(!m_window->isVisible()); // started hidden
    m_window->presence().Hide1Click();
    QVERIFY(m_window->isVisible());
    QCOMPARE(menu.Hide1->text(), u"Hide"_s);
    // Closing only hides; where no tray could bring it back (as here) it minimises.
    m_window->close();
    QVERIFY(m_window->isMinimized());
    QVERIFY(!m_window->exiting());
}

void TestMainWindow::nickAndSubjectBoxes()
{
    Ui::TMainFm& ui = m_window->form();
    m_early->take(3);
    m_window->presence().Hide1Click(); // shown, so the boxes take keys
    ui.SubjMemo->setPlainText(u"news"_s);
    QTest::keyClick(ui.SubjMemo, Qt::Key_Return);
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/^Me/news (Me) "});

    ui.Edit3->setText(u"Neo"_s);
    QTest::keyClick(ui.Edit3, Qt::Key_Escape); // puts the nick back, the window stays
    QCOMPARE(ui.Edit3->text(), u"Me"_s);
    QVERIFY(m_window->isVisible());
    ui.Edit3->setText(u"Neo"_s);
    QTest::keyClick(ui.Edit3, Qt::Key_Return);
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/&Me//&Neo/0"});
    QTRY_COMPARE(m_window->state().MyNick, u"Neo"_s); // once the rename came back
    QTest::keyClick(ui.Edit3, Qt::Key_Escape);        // nothing to put back: hides
    QVERIFY(m_window->isMinimized());
}

// Every key of the users menu and the status menu, pressed with the keyboard in
// each box of the window, through the window's own shortcut map: what went out or
// opened, and the typed text left as it was (unless the key types a nick).
// A right click in a box opens the program's edit menu; "Set Color" acts on what
// was typed there, and the box keeps to its length limit.
void TestMainWindow::editMenuActsOnTypedText_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");
    QTest::newRow("nick box") << u"Edit3"_s << 0;
    QTest::newRow("subject") << u"SubjMemo"_s << 500;
    QTest::newRow("input line") << u"reEdit"_s << 8188;
    QTest::newRow("message text") << u"RichMess"_s << 8188;
}

void TestMainWindow::editMenuActsOnTypedText()
{
    QFETCH(QString, box);
    QFETCH(int, limit);
    feed("/@Bob/0");
    m_window->presence().Hide1Click();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    if (box == u"RichMess") // Insert: a message to the selected user
        QTest::keyClick(m_window->form().reEdit, Qt::Key_Insert);
    QWidget* target = nullptr;
    for (QWidget* window : Shown())
        if (!target)
            target = window->findChild<QWidget*>(box);
    QVERIFY(target);
    QVERIFY(QTest::qWaitForWindowActive(target->window()));
    target->setFocus();
    const chat::TextBox text(target);
    chat::TextBox(target).setCaret(int(text.text().size()));
    QTest::keyClicks(target, u"abc"_s);
    QCOMPARE(text.text().right(3), u"abc"_s);
    // Select the typed word, then open the menu with the mouse on the window.
    chat::TextBox(target).setCaret(int(text.text().size()) - 3);
    QTest::keyClick(target, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(text.hasSelection());
    QWidget* surface = qobject_cast<QAbstractScrollArea*>(target)
                           ? static_cast<QAbstractScrollArea*>(target)->viewport()
                           : target;
    const QPoint at = surface->mapTo(surface->window(), QPoint(5, 5));
    QTest::mouseClick(surface->window()->windowHandle(), Qt::RightButton, {}, at);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QAction* setColor = nullptr;
    for (QAction* item : menu->actions())
        if (item->text() == u"Set Color")
            setColor = item;
    QVERIFY(setColor && setColor->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(setColor).center());
    QMenu* colours = setColor->menu();
    QTRY_VERIFY(colours->isVisible());
    QTest::mouseClick(colours, Qt::LeftButton, {},
                      colours->actionGeometry(colours->actions().first()).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    const chat::ColourCodeEntry& code = chat::ColourCodeTable()[0];
    QVERIFY2(text.text().endsWith(QString(code.startCode) + u"abc"_s + QString(code.endCode)),
             qPrintable(text.text()));
    if (limit > 0) {
        chat::TextBox(target).setText(QString(limit + 100, u'x'));
        QCOMPARE(text.text().size(), limit);
    }
    for (QWidget* window : Shown<messages::TMessFm>())
        window->close();
}

void TestMainWindow::menuKeysWorkFromEveryBox_data()
{
    QTest::addColumn<QKeyCombination>("key");
    // "packet" broadcast, "to Bob" sent to Bob alone, a "window" or "tab" opened, the
    // input "line" after the key, a modal "dialog" opened.
    QTest::addColumn<QString>("effect");
    const auto row = [](const char* name, QKeyCombination key, const QString& effect) {
        QTest::newRow(name) << key << effect;
    };
    const auto ctrl = [](Qt::Key k) { return QKeyCombination(Qt::ControlModifier, k); };
    row("Insert: message", QKeyCombination(Qt::Key_Insert), u"window:TMessFm"_s);
    row("Ctrl+P: private chat", ctrl(Qt::Key_P), u"tab:Bob"_s);
    row("Ctrl+B: beep", ctrl(Qt::Key_B), u"to Bob:/BMe/Bob"_s);
    row("Ctrl+N: say nick", ctrl(Qt::Key_N), u"line:Bob: typed"_s);
    row("Ctrl+Y: say nick", ctrl(Qt::Key_Y), u"line:Bob: typed"_s);
    row("Ctrl+I: information", ctrl(Qt::Key_I), u"to Bob:/IMe//IBob//iN/SMP"_s);
    row("Ctrl+W: send file", ctrl(Qt::Key_W), u"window:TOpenSendFileDialog"_s);
    row("Ctrl+M: mass message", ctrl(Qt::Key_M), u"window:TMessFm"_s);
    row("Ctrl+R: refresh", ctrl(Qt::Key_R), u"packet:/?Me/0"_s);
    row("Ctrl+Q: files queue", ctrl(Qt::Key_Q), u"window:TFQueueFm"_s);
    row("Ctrl+D: DND", ctrl(Qt::Key_D), u"packet:/_Me/1"_s);
    row("Ctrl+A: Away", ctrl(Qt::Key_A), u"packet:/_Me/2"_s);
    row("Ctrl+F: Offline", ctrl(Qt::Key_F), u"packet:/_Me/3"_s);
    row("Ctrl+H: hot key", ctrl(Qt::Key_H), u"dialog:Hot Key for Popup"_s);
    row("Ctrl+U: connection", ctrl(Qt::Key_U), u"window:TConnFm"_s);
    row("Ctrl+Shift+F: find", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_F),
        u"bar:FindBar"_s);
}

void TestMainWindow::menuKeysWorkFromEveryBox()
{
    QFETCH(QKeyCombination, key);
    QFETCH(QString, effect);
    const QString kind = effect.section(u':', 0, 0);
    const QString what = effect.section(u':', 1);
    Ui::TMainFm& ui = m_window->form();
    Listener bob(m_port, QHostAddress(u"127.0.0.2"_s)); // hears what goes to Bob alone
    feed("/@Bob/0", 0x7F000002);
    m_window->presence().Hide1Click();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (const char* box : {"reEdit", "Edit3", "SubjMemo", "UsersList"}) {
        const QString typed = u"typed"_s;
        ui.reEdit->setPlainText(typed);
        auto* target = m_window->findChild<QWidget*>(QString::fromLatin1(box));
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        const QString boxText = TextBoxText(target);
        m_early->take(0);
        QString dialogTitle;
        if (kind == u"dialog") // a modal question: answered while the key is being handled
            QTimer::singleShot(0, this, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    dialogTitle = modal->windowTitle();
                    modal->close();
                }
            });

        QTest::keyClick(target, key.key(), key.keyboardModifiers());

        if (kind == u"packet") {
            QCOMPARE(m_early->take(1), QList<QByteArray>{what.toLatin1()});
            m_window->presence().ChangeStatus(presence::Status::Normal);
        } else if (kind == u"to Bob") {
            QCOMPARE(bob.take(1), QList<QByteArray>{what.toLatin1()});
        } else if (kind == u"window") {
            QTRY_COMPARE(Shown(what).size(), 1);
            QPointer<QWidget> opened = Shown(what).first();
            opened->setAttribute(Qt::WA_DeleteOnClose);
            opened->close();
            QTRY_VERIFY(opened.isNull());
        } else if (kind == u"tab") {
            QVERIFY2(m_window->session().conversations().exists(what), box);
            m_window->session().conversations().CloseConversation(what);
        } else if (kind == u"dialog") {
            QTRY_COMPARE(dialogTitle, what);
        } else if (kind == u"bar") {
            // Opens with the keyboard in its text; Esc closes it and gives the keyboard
            // back to the input line.
            auto* bar = m_window->findChild<QWidget*>(what);
            QVERIFY(bar->isVisible() && bar->focusWidget()->hasFocus());
            QTest::keyClick(bar->focusWidget(), Qt::Key_Escape);
            QVERIFY(!bar->isVisible() && ui.reEdit->hasFocus());
        }
        QCOMPARE(ui.reEdit->toPlainText(), kind == u"line" ? what : typed);
        if (target != ui.reEdit && target != ui.UsersList)
            QCOMPARE(TextBoxText(target), boxText); // nothing erased or typed in the box
        QVERIFY(m_window->isVisible());
        m_window->activateWindow(); // as the window manager does when another one closes
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
}

// One key, one action in a window: Qt fires neither of two, and says so only in
// a warning. Walks the main window and each window it opens.
void TestMainWindow::noKeyHasTwoActions()
{
    feed("/@Bob/0");
    m_window->presence().Hide1Click();
    // Each window opened as a user opens it: by its key, or from the menu.
    const QKeyCombination keys[] = {QKeyCombination(Qt::Key_Insert),
                                    QKeyCombination(Qt::ControlModifier, Qt::Key_U),
                                    QKeyCombination(Qt::ControlModifier, Qt::Key_E),
                                    QKeyCombination(Qt::ControlModifier, Qt::Key_Q),
                                    QKeyCombination(Qt::AltModifier, Qt::Key_Space),
                                    QKeyCombination(Qt::AltModifier, Qt::Key_A)};
    const auto backToTheWindow = [this] {
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get());
    };
    for (const QKeyCombination key : keys) {
        QVERIFY(backToTheWindow());
        QTest::keyClick(m_window->form().reEdit, key.key(), key.keyboardModifiers());
    }
    for (const QStringList& path : {QStringList{u"Logging"_s, u"Messages Archive..."_s},
                                    QStringList{u"Configuration"_s, u"Colors..."_s}}) {
        QVERIFY(backToTheWindow());
        ChooseFromMainMenu(*m_window, path);
    }
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMenu*>(window))
            continue;
        ++windows;
        QHash<QString, QAction*> owner; // "context widget|key" -> action
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            if (qobject_cast<QMenu*>(w) || w->window() != window)
                continue;
            for (QAction* action : w->actions()) {
                if (!action->isEnabled() || !action->isVisible())
                    continue;
                const bool local = action->shortcutContext() == Qt::WidgetShortcut ||
                                   action->shortcutContext() == Qt::WidgetWithChildrenShortcut;
                const QString where = local ? QString::number(quintptr(w), 16) : u"window"_s;
                for (const QKeySequence& key : action->shortcuts()) {
                    const QString slot = where + u'|' + key.toString();
                    QAction*& first = owner[slot];
                    QVERIFY2(!first || first == action,
                             qPrintable(u"%1 in %2: \"%3\" and \"%4\""_s.arg(
                                 key.toString(), window->objectName(),
                                 first ? first->text() : QString(), action->text())));
                    first = action;
                }
            }
        }
    }
    QVERIFY(windows >= 9);
    for (QWidget* window : Shown())
        if (window != m_window.get())
            window->close();
}

void TestMainWindow::hiddenSessionKeepsStoredLayout()
{
    m_window.reset();
    {
        settings::Settings s(*m_store,
                             settings::SettingsSchema(settings::SchemaContext::current()));
        s.setNumber(settings::key::SubjectHeight, 80);
        s.setNumber(settings::key::EditBoxHeight, 40);
        s.setNumber(settings::key::UsersNickWidth, 200);
        s.setFlag(settings::key::ViewUsersList, false);
        s.setFlag(settings::key::ViewSubjectMin, true);
        m_store->sync();
    }
    for (bool shown : {false, true}) {
        m_window = std::make_unique<shell::TMainFm>(*m_store);
        m_window->InitMainWindow();
        if (shown)
            m_window->presence().Hide1Click();
        m_window->Exit1Click();
        m_window.reset();
        const QByteArray saved = stored();
        for (const char* line : {"SubjectHeight=80\n", "EditBoxHeight=40\n", "UsersNickWidth=200\n",
                                 "UsersList=0\n", "SubjectMin=1\n"})
            QVERIFY2(saved.contains(line), line);
    }
}

void TestMainWindow::pageKeysScrollTheConversation()
{
    m_window->presence().Hide1Click();
    feed("/!Bob/0");
    for (int i = 0; i < 200; ++i)
        feed("/#Bob//##Main/line " + QByteArray::number(i));
    QScrollBar* bar = m_window->tabs().currentView()->verticalScrollBar();
    QTRY_COMPARE(bar->value(), bar->maximum());
    const int bottom = bar->value();
    QVERIFY(bottom > bar->pageStep());
    QTest::keyClick(m_window->form().reEdit, Qt::Key_PageUp);
    QCOMPARE(bar->value(), bottom - bar->pageStep());
    QTest::keyClick(m_window->form().reEdit, Qt::Key_PageDown);
    QCOMPARE(bar->value(), bottom);
}

void TestMainWindow::inputLineKeys()
{
    QPlainTextEdit* line = m_window->form().reEdit;
    m_window->presence().Hide1Click();
    m_early->take(3);
    const auto type = [&](const QString& text, Qt::KeyboardModifiers send = Qt::NoModifier) {
        line->setPlainText(text);
        QTest::keyClick(line, Qt::Key_Return, send);
    };
    type(QString()); // nothing to send, nothing stored
    type(u"one"_s);
    type(u"two"_s);
    type(u"three"_s);
    QCOMPARE(m_early->take(3),
             (QList<QByteArray>{"/#Me//##Main/one", "/#Me//##Main/two", "/#Me//##Main/three"}));
    QStringList walked;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(line, Qt::Key_Up);
        walked << line->toPlainText();
    }
    QCOMPARE(walked, (QStringList{u"three"_s, u"two"_s, u"one"_s, u"three"_s}));
    line->setPlainText(u"clicked"_s); // a click on the picture beside the line sends it
    QTest::mouseClick(m_window->form().RxGIFAnimator1, Qt::LeftButton);
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/#Me//##Main/clicked"});

    // Two text lines high: Enter breaks the line, Ctrl+Enter sends it.
    m_window->form().SnStPanel->setMinimumHeight(60);
    QTRY_VERIFY(line->height() >= 50);
    line->setPlainText(u"a"_s);
    line->moveCursor(QTextCursor::End);
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(line->toPlainText(), u"a\n"_s);
    QTest::keyClick(line, Qt::Key_B);
    QTest::keyClick(line, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_early->take(1), QList<QByteArray>{"/#Me//##Main/a\nb"});

    QTest::keyClick(line, Qt::Key_Escape, Qt::ShiftModifier); // Clear Chat, from the line too
    QTRY_COMPARE(viewText(u"#Main"_s).split(u'\n').size(), 1);
    QVERIFY(viewText(u"#Main"_s).endsWith(u"Window cleared"_s));

    line->setPlainText(u"x"_s);
    QTest::keyClick(line, Qt::Key_Escape); // empties
    QCOMPARE(line->toPlainText(), QString());
    QVERIFY(m_window->isVisible());
    QTest::keyClick(line, Qt::Key_Escape); // empty: hides
    QVERIFY(m_window->isMinimized());
}

void TestMainWindow::macrosColoursAndUsersKeys()
{
    Ui::TMainFm& ui = m_window->form();
    m_window->presence().Hide1Click();
    ui.reEdit->setPlainText(u"ab"_s);
    QTextCursor caret = ui.reEdit->textCursor();
    caret.setPosition(1);
    ui.reEdit->setTextCursor(caret);
    QTest::keyClick(ui.reEdit, Qt::Key_F5); // the fifth default macro, at the caret
    QCOMPARE(ui.reEdit->toPlainText(), u"a^Ок!^b"_s);
    QTest::keyClick(ui.reEdit, Qt::Key_F2, Qt::ShiftModifier); // the line becomes macro 2
    ui.Edit3->setText(u"Nick"_s);
    ui.Edit3->setCursorPosition(4);
    QTest::keyClick(ui.Edit3, Qt::Key_F2);
    QCOMPARE(ui.Edit3->text(), u"Nicka^Ок!^b"_s);
    // With a selection: the input line keeps it and takes the macro in front, the
    // other boxes take it as typed, in place of the selection.
    for (QWidget* box : {static_cast<QWidget*>(ui.reEdit), static_cast<QWidget*>(ui.Edit3),
                         static_cast<QWidget*>(ui.SubjMemo)}) {
        chat::TextBox text(box);
        text.setText(u"one two"_s);
        text.setCaret(4);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_F5);
        QCOMPARE(text.text(), box == ui.reEdit ? u"one ^Ок!^two"_s : u"one ^Ок!^"_s);
    }

    ui.Edit3->setText(u"one two"_s);
    ui.Edit3->setSelection(4, 3);
    chat::EditMenus::SetColorClick(chat::TextBox(ui.Edit3), 2); // red
    QCOMPARE(ui.Edit3->text(), u"one _|two|_"_s);

    feed("/@Ann/0");
    feed("/@Bob/0");
    ui.UsersList->setCurrentIndex(ui.UsersList->model()->index(0, 0));
    QTest::keyClick(ui.reEdit, Qt::Key_Up, Qt::ControlModifier); // wraps to the last
    QCOMPARE(ui.UsersList->selectedRow(), ui.UsersList->model()->rowCount() - 1);
    QTest::keyClick(ui.reEdit, Qt::Key_Down, Qt::ControlModifier); // and back
    QCOMPARE(ui.UsersList->selectedRow(), 0);
}

void TestMainWindow::messagesPopUpConfirmedAndArchived()
{
    feed("/@Bob/0");
    m_early->take(3);
    Listener late(m_port); // bound last: unicasts to this host arrive here
    feed("/%Bob//%Me/^hi^ there\r\n");
    feed("/*Bob/to all\r\n");
    QCOMPARE(late.take(2), (QList<QByteArray>{"/MMe//MBob/0", "/MMe//MBob/0"}));
    QTRY_COMPARE(MessageWindows().size(), 2);
    QStringList captions;
    for (auto* w : MessageWindows())
        captions << w->windowTitle();
    captions.sort();
    QCOMPARE(captions, (QStringList{u"<- Bob"_s, u"<= Bob"_s}));
    QVERIFY(viewText(u"#Main"_s).contains(u"Message from Bob received"_s));
    QVERIFY(viewText(u"#Main"_s).contains(u"Mass Message from Bob received"_s));
    const QByteArray archive = logFile(u"Messages.log"_s);
    QVERIFY(archive.contains("*<*\r\n"));
    QVERIFY(archive.contains("\r\nBob\r\nMe\r\n^hi^ there\r\n"));
    QVERIFY(archive.contains("\r\nBob\r\nAll\r\nto all\r\n"));
    for (auto* w : MessageWindows())
        w->close();

    // Offline: nothing at all.
    m_window->menu().status[3]->trigger();
    late.take(0);
    feed("/%Bob//%Me/second");
    QCOMPARE(late.take(0).size(), 0);
    QCOMPARE(MessageWindows().size(), 0);
}

void TestMainWindow::quotedReplyKeepsCodes()
{
    feed("/@Bob/0");
    feed("/%Bob//%Me/^olive^ line\r\nplain\r\n");
    QTRY_COMPARE(MessageWindows().size(), 1);
    messages::TMessFm* w = MessageWindows().first();
    // The mouse moving over the text of the window in front gives it the keyboard.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* richMess = w->findChild<QTextBrowser*>(u"RichMess"_s);
    QVERIFY(!richMess->hasFocus());
    QTest::mouseMove(richMess->viewport(), QPoint(20, 20));
    QTRY_VERIFY(richMess->hasFocus());
    w->BitBtn7Click(); // Quote
    QCOMPARE(w->windowTitle(), u"-> Bob"_s);
    QTextCursor end = richMess->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(u"answer"_s);
    Listener late(m_port);
    m_early->take(0);
    w->BitBtn1Click(); // Send: the unchanged quoted lines keep their codes
    const QList<QByteArray> sent = late.take(1);
    QVERIFY2(sent.contains("/%Me//%Bob/>^olive^ line\r\n>plain\r\nanswer\r\n"),
             sent.join(" | ").constData());
    QTRY_COMPARE(MessageWindows().size(), 0);
}

void TestMainWindow::aFloodOfMessagesOpensFewWindows()
{
    feed("/@Bob/0");
    const int sent =
        messages::MessageWindows::MaxOpenPerSender + messages::MessageWindows::MaxHeld + 7;
    for (int i = 0; i < sent; ++i)
        feed("/%Bob//%Me/note " + QByteArray::number(i));
    QTRY_COMPARE(MessageWindows().size(), messages::MessageWindows::MaxOpenPerSender);
    QTRY_VERIFY(viewText(u"#Main"_s).contains(u"7 more messages wait in"_s));
    QCOMPARE(m_window->findChild<messages::MessageWindows*>()->held(),
             messages::MessageWindows::MaxHeld);
    QCOMPARE(logFile(u"Messages.log"_s).count("note "), sent); // every one archived
    MessageWindows().first()->close(); // a held-back message takes its place
    QTRY_COMPARE(MessageWindows().size(), messages::MessageWindows::MaxOpenPerSender);
    for (auto* w : MessageWindows())
        w->close();
}

void TestMainWindow::informationWindows()
{
    feed("/@Bob/0");
    feed("/iBob//iMe//iN//iSMP//i9.9.9.9//iPC//i50//i2048//ibash/t/i/tle");
    feed("/iBob//iMe//i7//iSMP//i9.9.9.9//iPC//i51//i2048//ibash/other"); // no window 7
    QCOMPARE(Shown(u"TUserInfoFm"_s).size(), 1);
    QWidget* info = Shown(u"TUserInfoFm"_s).first();
    QCOMPARE(info->windowTitle(), u"Bob Info"_s);
    QStringList shown;
    for (auto* label : info->findChildren<QLabel*>())
        shown << label->text();
    QVERIFY(shown.contains(u"Using: Quorvelle  v.9.9.9.9"_s));
    QVERIFY(shown.contains(u"50 %"_s));
    QVERIFY(shown.contains(u"2048 Kb"_s));
    Listener late(m_port);
    m_early->take(0);
    QTest::mouseClick(info->findChild<QPushButton*>(u"BitBtn2"_s), Qt::LeftButton); // Refresh
    const QList<QByteArray> asked = late.take(1);
    QVERIFY2(asked.contains("/IMe//IBob//I0/SMP"), asked.join(" | ").constData());
    info->close();
}

void TestMainWindow::archiveListsAndReopens()
{
    QDir().mkpath(m_dir.filePath(u"logs%1"_s.arg(m_port)));
    QFile file(m_dir.filePath(u"logs%1/Messages.log"_s.arg(m_port)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("*>*\r\n01.02.2026 10:00:00\r\nMe\r\nAll\r\n^to^ all\r\n\r\n\r\n"
               "*<*\r\n01.02.2026 10:11:12\r\nBob\r\nMe\r\n<b>one</b>\r\ntwo\r\n\r\n"
               "*>*\r\n01.02.2026 10:12:00\r\nMe\r\nBob\r\nback\r\n\r\n\r\n");
    file.close();

    m_window->menu().Messages1->trigger();
    m_window->menu().Messages1->trigger(); // one window, loaded once
    const auto archives = Shown<messages::TMessArchFm>();
    QCOMPARE(archives.size(), 1);
    messages::TMessArchFm* archive = archives.first();
    QTRY_VERIFY(!archive->loading());
    QVERIFY(!archive->findChild<QWidget*>(u"ProgressMess"_s)->isVisible()); // only while reading
    const int rows[] = {3, 1, 2};
    for (int tab = 0; tab < 3; ++tab) {
        QCOMPARE(archive->list(tab)->model()->rowCount(), rows[tab]);
        QCOMPARE(archive->list(tab)->toolTip(), u"Messages Loaded: %1"_s.arg(rows[tab]));
    }
    // The filter narrows every tab to the records whose text or nicks hold it.
    auto* filter = archive->findChild<QLineEdit*>(u"FilterEdit"_s);
    QTest::keyClicks(filter, u"BOB"_s);
    const int bobs[] = {2, 1, 1};
    for (int tab = 0; tab < 3; ++tab)
        QCOMPARE(archive->list(tab)->model()->rowCount(), bobs[tab]);
    QTest::keyClick(filter, Qt::Key_Escape); // empties the filter, the window stays
    QVERIFY(archive->isVisible());
    QCOMPARE(archive->list(0)->model()->rowCount(), 3);

    // Enter on the received record: shown as it came, with its stored stamp.
    archive->pages()->setCurrentIndex(1);
    QTreeView* incoming = archive->list(1);
    incoming->setCurrentIndex(incoming->model()->index(0, 0));
    QTest::keyClick(incoming, Qt::Key_Return);
    QTRY_COMPARE(MessageWindows().size(), 1);
    messages::TMessFm* shown = MessageWindows().first();
    QCOMPARE(shown->windowTitle(), u"<- Bob"_s);
    QCOMPARE(shown->findChild<QGroupBox*>()->title(),
             u" [01.02.2026 - 10:11:12] Incoming text: "_s);
    QCOMPARE(shown->findChild<QTextBrowser*>()->toPlainText(), u"<b>one</b>\ntwo"_s);
    shown->close();

    // The sent mass message reopens ready to go again, its codes kept.
    QTreeView* all = archive->list(0);
    all->setCurrentIndex(all->model()->index(0, 0));
    QTest::keyClick(all, Qt::Key_Enter);
    QTRY_COMPARE(MessageWindows().size(), 1);
    messages::TMessFm* again = MessageWindows().first();
    QCOMPARE(again->windowTitle(), messages::TMessFm::MassCaption);
    m_early->take(0);
    again->BitBtn1Click();
    const QList<QByteArray> sent = m_early->take(1);
    QVERIFY2(sent.contains("/*Me/^to^ all\r\n"), sent.join(" | ").constData());

    QTest::keyClick(all, Qt::Key_Escape);
    QTRY_VERIFY(!archive->isVisible());
}

// "Search History...": results stream in from every log and the archive; Enter shows
// a line among its neighbours, a message in a message window.
void TestMainWindow::searchHistory()
{
    const QString logs = m_dir.filePath(u"logs%1/"_s.arg(m_port));
    QDir().mkpath(logs);
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(logs + name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    };
    write(u"#Talks.log"_s,
          "\r\n[01.02.2026]\r\n<Bob> before\r\n<Bob> the needle\r\n<Ann> after\r\n");
    write(u"Messages.log"_s, "*<*\r\n01.02.2026 10:11:12\r\nBob\r\nMe\r\nneedle mail\r\n\r\n\r\n");
    m_window->presence().Hide1Click();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    ChooseFromMainMenu(*m_window, {u"Logging"_s, u"Search History..."_s});
    QTRY_COMPARE(Shown<history::TSearchFm>().size(), 1);
    history::TSearchFm* w = Shown<history::TSearchFm>().first();
    QTest::keyClicks(w->query(), u"NEEDLE"_s);
    QTest::keyClick(w->query(), Qt::Key_Return);
    QTRY_VERIFY(!w->searching());
    QTreeView* results = w->results();
    QCOMPARE(results->model()->rowCount(), 2);
    const int talks = results->model()->index(0, 0).data().toString() == u"#Talks" ? 0 : 1;
    QCOMPARE(results->model()->index(talks, 4).data().toString(), u"<Bob> the needle"_s);
    results->setCurrentIndex(results->model()->index(talks, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QTRY_VERIFY(w->findChild<QPlainTextEdit*>());
    auto* context = w->findChild<QPlainTextEdit*>();
    QVERIFY(context->toPlainText().contains(u"<Bob> before\n<Bob> the needle\n<Ann> after"_s));
    QCOMPARE(context->textCursor().selectedText(), u"<Bob> the needle"_s);
    results->setCurrentIndex(results->model()->index(1 - talks, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QTRY_COMPARE(MessageWindows().size(), 1);
    QCOMPARE(MessageWindows().first()->windowTitle(), u"<- Bob"_s);
    MessageWindows().first()->close();
    w->close();
}

// "Network Diagnostics...": the test "?" comes back by loopback; the report names
// the ports, and "Copy" puts it on the clipboard as text.
void TestMainWindow::networkDiagnostics()
{
    m_window->presence().Hide1Click();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    ChooseFromMainMenu(*m_window, {u"Configuration"_s, u"Network Diagnostics..."_s});
    QTRY_COMPARE(Shown<shell::DiagnosticsWindow>().size(), 1);
    shell::DiagnosticsWindow* w = Shown<shell::DiagnosticsWindow>().first();
    auto* text = w->findChild<QPlainTextEdit*>();
    QTRY_VERIFY_WITH_TIMEOUT(text->toPlainText().contains(u"Findings:"_s), 10000);
    const QString report = text->toPlainText();
    for (const QString& line :
         {u"  it came back by lo (127.0.0.1)"_s, u"UDP port %1: open"_s.arg(m_port),
          u"File port %1: listening"_s.arg(m_port - 1)})
        QVERIFY2(report.contains(line), qPrintable(line + u"\n"_s + report));
    for (QPushButton* button : w->findChildren<QPushButton*>())
        if (button->text() == u"Copy")
            QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), report);
    QTest::keyClick(text, Qt::Key_Escape);
    QTRY_VERIFY(Shown<shell::DiagnosticsWindow>().isEmpty());
}

void TestMainWindow::channelsWindow()
{
    m_store->writeText(u"ChannelsList"_s, u"NoHash"_s, u"1"_s); // not a channel: left alone
    m_early->take(0);
    m_window->menu().Channels1->trigger();
    QCOMPARE(Shown(u"TChannelsFm"_s).size(), 1);
    QWidget* w = Shown(u"TChannelsFm"_s).first();
    QVERIFY(m_early->take(1).contains("/HMe/")); // the net is asked at once
    auto* mine = w->findChild<QListWidget*>(u"MyChanList"_s);
    auto* edit = w->findChild<QLineEdit*>(u"ChanEdit"_s);
    const auto listed = [mine] {
        QStringList names;
        for (int i = 0; i < mine->count(); ++i)
            names << mine->item(i)->text() + (mine->item(i)->checkState() ? u"+"_s : u""_s);
        return names;
    };
    QCOMPARE(listed(), QStringList{u"#Talks+"_s}); // an empty saved list

    // Enter adds with "#" in front; "#Talks" is there already, "#Main" never goes in,
    // a "/" would split the name on the net.
    const struct
    {
        const char* typed;
        const char16_t* left;
    } adds[] = {{"Talks", u"#Talks"}, {"Main", u""}, {"News", u""}, {"a/b", u"#a/b"}};
    for (const auto& add : adds) {
        edit->setText(QString::fromLatin1(add.typed));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString::fromUtf16(add.left));
    }
    QTest::keyClick(edit, Qt::Key_Escape); // empties the box first
    QVERIFY(w->isVisible() && edit->text().isEmpty());
    QCOMPARE(listed(), (QStringList{u"#Talks+"_s, u"#News"_s}));

    // Replies from two peers list each channel once.
    feed("/@Bob/0");
    feed("/@Carl/0");
    feed("/hBob//h#Main//h#Talks/");
    feed("/hCarl//h#Talks//h#Game/");
    auto* created = w->findChild<QListWidget*>(u"CreatedChanList"_s);
    QCOMPARE(created->count(), 3);
    created->setCurrentRow(2);
    w->findChild<QPushButton*>(u"AddListButt"_s)->click();
    mine->setCurrentRow(1);
    w->findChild<QPushButton*>(u"JoinButt"_s)->click();
    QVERIFY(m_window->session().conversations().exists(u"#News"_s));
    QTRY_VERIFY(w->isActiveWindow()); // the user goes on choosing there

    mine->item(1)->setCheckState(Qt::Checked);
    w->findChild<QPushButton*>(u"OKButt"_s)->click();
    QTRY_VERIFY(Shown(u"TChannelsFm"_s).isEmpty());
    QCOMPARE(m_store->valueNames(u"ChannelsList"_s),
             (QStringList{u"#Talks"_s, u"#News"_s, u"#Game"_s, u"NoHash"_s})); // in order
    QVERIFY(m_store->readBool(u"ChannelsList"_s, u"#News"_s, false));
    QVERIFY(!m_store->readBool(u"ChannelsList"_s, u"#Game"_s, true));
}

void TestMainWindow::filesGoThroughTheQueue()
{
    // Sent to the own nick over 127.0.0.1, as a user may try it first.
    QTRY_VERIFY(m_window->session().net().registry().FindUser(u"Me"_s) >= 0);
    const QByteArray bytes = QByteArray("0123456789abcdef").repeated(5000);
    QFile file(m_dir.filePath(u"note %1.bin"_s.arg(m_port)));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    m_window->presence().Hide1Click(); // shows the window
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->form().reEdit, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(Shown<transfer::TFQueueFm>().size(), 1); // Ctrl+Q opens the files queue
    transfer::TFQueueFm* window = Shown<transfer::TFQueueFm>().first();

    transfer::FileTransfers& transfers = m_window->session().transfers();
    QCOMPARE(transfers.queue().addFiles({file.fileName()}, {u"Me"_s}), 1);
    QCOMPARE(transfers.queue().addFiles({file.fileName()}, {u"Me"_s}), 0); // listed already
    // Exit while it runs asks first; "No" keeps the program.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::No)->click();
    });
    m_window->menu().Exit1->trigger();
    QVERIFY(!m_window->exiting());
    QTRY_COMPARE(transfers.queue().sending().cellText(0, 7), u"Send OK"_s);
    QTRY_COMPARE(transfers.queue().receiving().cellText(0, 7), u"Receive OK"_s);
    QFile received(m_dir.filePath(u"in%1/"_s.arg(m_port)) + QFileInfo(file).fileName());
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), bytes);
    // #Main says both ends, the arrival with a link to the file.
    const QString name = QFileInfo(file).fileName();
    QTRY_VERIFY(viewText(u"#Main"_s).contains(u"Sent \"%1\" (80.0 K) to Me"_s.arg(name)));
    QVERIFY2(
        viewText(u"#Main"_s)
            .contains(u"Received \"%1\" (80.0 K) from Me: %2"_s.arg(
                name, QString::fromLatin1(QUrl::fromLocalFile(received.fileName()).toEncoded()))),
        qPrintable(viewText(u"#Main"_s)));

    // "Add File to Queue" ticks the user selected in the users list.
    m_window->form().UsersList->setCurrentIndex(m_window->form().UsersList->model()->index(0, 0));
    const QAction* add = window->findChild<QAction*>(u"AddSendButt"_s);
    for (QToolButton* button : window->findChildren<QToolButton*>())
        if (button->defaultAction() == add)
            QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(Shown<transfer::TOpenSendFileDialog>().size(), 1);
    auto* dialog = Shown<transfer::TOpenSendFileDialog>().first();
    QCOMPARE(dialog->nicks(), QStringList{u"Me"_s});
    // A name the code page cannot carry shows as it will arrive.
    QFile accented(m_dir.filePath(u"résumé %1.txt"_s.arg(m_port)));
    QVERIFY(accented.open(QIODevice::WriteOnly));
    accented.close();
    auto* chooser = dialog->findChild<QFileDialog*>();
    chooser->setDirectory(m_dir.path());
    chooser->selectFile(accented.fileName());
    auto* arriving = dialog->findChild<QLabel*>(u"ArrivingName"_s);
    QTRY_VERIFY(arriving->isVisible());
    QVERIFY2(arriving->text().contains(u"\"r?sum? %1.txt\""_s.arg(m_port)),
             qPrintable(arriving->text()));
    dialog->reject();

    // Both lists show the rows; the buttons follow the selection.
    QTableView* sent = window->list(transfer::Direction::Send);
    QTableView* got = window->list(transfer::Direction::Receive);
    QCOMPARE(sent->model()->rowCount(), 1);
    QCOMPARE(got->model()->index(0, 0).data().toString(), QFileInfo(file).fileName());
    auto* open = window->findChild<QAction*>(u"OpenRecvButt"_s);
    auto* removeOk = window->findChild<QAction*>(u"RemOkRecvButt"_s);
    QVERIFY(!open->isEnabled() && removeOk->isEnabled());
    got->selectRow(0);
    QVERIFY(open->isEnabled());
    removeOk->trigger();
    QCOMPARE(got->model()->rowCount(), 0);
    QVERIFY(!open->isEnabled() && !removeOk->isEnabled());

    // Files dropped on a user, or on a private chat, go to that user; on empty
    // space or on a channel they do not.
    transfers.queue().removeSucceeded(transfer::Direction::Send);
    TUsersList* users = m_window->form().UsersList;
    const QPoint onMe = users->visualRect(users->model()->index(0, 0)).center();
    QVERIFY(!DropFiles(users->viewport(), QPoint(5, users->viewport()->height() - 2),
                       {file.fileName()}));
    QVERIFY(DropFiles(users->viewport(), onMe, {file.fileName()}));
    QCOMPARE(transfers.queue().sending().entry(0).nickName, u"Me"_s);
    QTRY_COMPARE(transfers.queue().sending().cellText(0, 7), u"Send OK"_s);
    transfers.queue().removeSucceeded(transfer::Direction::Send);
    QVERIFY(!DropFiles(m_window->tabs().view(0)->viewport(), QPoint(5, 5), {file.fileName()}));
    m_window->session().OpenForUser(u"Me"_s);
    const int chat = m_window->session().conversations().TabIndexOf(u"Me"_s);
    QVERIFY(DropFiles(m_window->tabs().view(chat)->viewport(), QPoint(5, 5), {file.fileName()}));
    QCOMPARE(transfers.queue().sending().count(), 1);
    // On the files queue's sending list they open the send dialog with them.
    QVERIFY(DropFiles(window->list(transfer::Direction::Send)->viewport(), QPoint(5, 5),
                      {file.fileName()}));
    QTRY_COMPARE(Shown<transfer::TOpenSendFileDialog>().size(), 1);
    QCOMPARE(Shown<transfer::TOpenSendFileDialog>()
                 .first()
                 ->findChild<QLineEdit*>(u"fileNameEdit"_s)
                 ->text(),
             file.fileName());
    Shown<transfer::TOpenSendFileDialog>().first()->reject();
    QTRY_COMPARE(Shown<transfer::TOpenSendFileDialog>().size(), 0);

    window->close();
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
