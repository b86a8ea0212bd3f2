// The start-up and exit sequences of the main window: every setting is read once
// at start and written once at exit.

#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "platform/global_hotkey.h"
#include "settings/program_info.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
namespace key = settings::key;
namespace section = settings::section;
using net::ConversationKind;

namespace {

QFont::Weight weightFor(int style)
{
    return (style & 1) ? QFont::Bold : QFont::Normal;
}

} // namespace

void TMainFm::InitMainWindow()
{
    const settings::Settings& s = m_settings;
    setWindowTitle(settings::WindowCaption());

    // Colours of the lines and the views.
    std::array<int, settings::LineColourCount> lineColours{};
    for (int i = 1; i <= settings::LineColourCount; ++i)
        lineColours[size_t(i - 1)] = s.number(key::SysStrFont.at(i));
    m_tabs->setLineColours(lineColours);
    m_tabs->setChatBackground(s.number(key::ChatBrush));

    // Protocol state, switches, nick, status and subject.
    m_state.load(s);
    ui.Edit3->setText(m_state.MyNick);
    const QStringList statusItems{u"Normal1"_s, u"DNDDonotdistrub1"_s, u"AwayFarfromchat1"_s,
                                  u"OffLine1"_s};
    m_menu->item(statusItems[m_state.MyStatus.digitValue()])->setChecked(true);
    m_tray->setStatus(m_state.MyStatus);
    if (TrayIcon::available())
        m_tray->show();
    subjectChanged();

    m_logs.setDirectory(s.text(key::LogsDir));
    m_filesDir = s.text(key::FilesDir);

    // The main font.
    QFont font(s.text(key::FontName), qMax(1, s.number(key::FontSize)));
    const int style = s.number(key::FontStyle);
    font.setWeight(weightFor(style));
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    ApplyMainFont(font);
    connect(&m_conversations, &chat::ConversationSet::opened, this, [this](int index) {
        if (chat::ConversationView* view = m_tabs->view(index))
            view->setFont(m_mainFont);
    });

    // Sizes and position.
    m_saveState = s.flag(key::SaveState);
    m_saveSize = s.flag(key::SaveSize);
    m_savePos = s.flag(key::SavePos);
    ui.SnStPanel->setMinimumHeight(22);
    resize(s.number(key::ChatWidth), s.number(key::ChatHeight));
    // The splitters share out the space of the window's size, so that comes first.
    layout()->activate();
    const auto share = [](QSplitter* splitter, int fixed, bool fixedFirst) {
        const int total =
            splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        const int rest = qMax(1, total - fixed);
        splitter->setSizes(fixedFirst ? QList<int>{fixed, rest} : QList<int>{rest, fixed});
    };
    share(ui.SubjSplit, s.number(key::SubjectHeight), true);
    share(ui.SnStSplit, s.number(key::EditBoxHeight), false);
    share(ui.UsersNickSplit, s.number(key::UsersNickWidth), false);
    m_messageSize = QSize(s.number(key::MessWidth), s.number(key::MessHeight));
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->geometry()
                                                       : QRect(0, 0, 1024, 768);
    move(s.number(key::ChatLeft, (screen.width() - frameGeometry().width()) / 2),
         s.number(key::ChatTop, (screen.height() - frameGeometry().height()) / 2));

    m_flashTray = s.flag(key::FlashTray);
    m_popupLine = s.flag(key::PopupNewLine);
    m_logSwitches = chat::LogSwitches{s.flag(key::LogMain), s.flag(key::LogOther),
                                      s.flag(key::LogPriv), s.flag(key::LogMess)};
    m_updateOnTime = s.number(key::UpdateOnTime);
    m_updateOnPopup = s.flag(key::UpdateOnPopup);
    m_styleCodes = qBound(0, s.number(key::StyleCodes), 3);
    const QStringList codeItems{u"SCodeDis"_s, u"SCodeEn"_s, u"SCodeEnSt"_s, u"SCodeEnStrip"_s};
    m_menu->item(codeItems[m_styleCodes])->setChecked(true);
    m_showSmiles = s.flag(key::ShowSmiles);
    m_hotKey = s.text(key::HotKey);
    m_menu->refreshSwitches();
    ApplyUpdateInterval(qBound(0, m_updateOnTime, 99999));
    RegisterPopupHotKey();
    watchTrayHost();

    // The net.
    m_session->open(quint16(s.number(key::UDPPort)), s.listItems(section::AddrList));

    // RestoreConversations: #Main first, then the saved channels.
    m_output->writeDateHeader(net::MainConversation);
    m_output->OpenConversation(net::MainConversation, false, ConversationKind::Main);
    QStringList channels = s.listItems(section::ChannelsList);
    const bool noneSaved = channels.isEmpty();
    if (noneSaved)
        channels = QStringList{u"#Talks"_s};
    for (const QString& channel : channels) {
        if (!noneSaved && !s.listFlag(section::ChannelsList, channel, false))
            continue;
        if (!channel.startsWith(u'#'))
            continue;
        m_output->writeDateHeader(channel);
        m_output->OpenConversation(channel, false, ConversationKind::Channel);
    }

    applyTabsStyle(s.number(key::TabsStyle));
    const int active = qBound(0, s.number(key::ActiveChanel), m_conversations.count() - 1);
    m_conversations.TabControl1Change(active);

    m_session->actions().RefreshUsersList();
    m_session->actions().AskSubject();
}

void TMainFm::Exit1Click()
{
    if (m_settingsSaved)
        return;
    m_settingsSaved = true;
    m_session->beginExit();
    m_session->actions().LeaveAll(m_conversations.names());
    m_tray->hide();
    m_updateUsersTimer.stop();
    if (m_hotKeyGrab)
        m_hotKeyGrab->unregister();
    saveSettings();
    m_exitReal = true;
    close();
    emit exited();
}

void TMainFm::saveSettings()
{
    settings::Settings& s = m_settings;
    m_state.save(s);
    s.setNumber(key::UDPPort, m_session->transport().sendPort());

    s.eraseSection(section::AddrList);
    for (quint32 address : m_session->transport().broadcastAddrs())
        s.setListItem(section::AddrList, settings::IpToText(address));

    for (int i = 1; i <= settings::MacroCount; ++i)
        s.setText(key::Macro.at(i), s.text(key::Macro.at(i)));

    s.setNumber(key::FontCharset, s.number(key::FontCharset));
    s.setText(key::FontName, m_mainFont.family());
    s.setNumber(key::FontSize, qMax(1, m_mainFont.pointSize()));
    s.setNumber(key::FontStyle, (m_mainFont.bold() ? 1 : 0) | (m_mainFont.italic() ? 2 : 0) |
                                    (m_mainFont.underline() ? 4 : 0) |
                                    (m_mainFont.strikeOut() ? 8 : 0));

    if (m_saveState) {
        s.setFlag(key::ViewSubject, true);
        s.setFlag(key::ViewSubjectMin, false);
        s.setFlag(key::ViewNickName, true);
        s.setFlag(key::ViewNickNameMin, false);
        s.setFlag(key::ViewUsersList, true);
        s.setFlag(key::ViewUsersListMin, false);
        s.setFlag(key::ViewLeftPlacement, false);
        s.setNumber(key::SubjectHeight, ui.SubjBox->height());
        s.setNumber(key::EditBoxHeight, ui.SnStPanel->height());
        s.setNumber(key::UsersNickWidth, ui.UsersNickPanel->width());
        s.setNumber(key::ActiveChanel, m_conversations.current());
        s.setNumber(key::TabsStyle, int(m_tabs->style()));
    }
    s.setFlag(key::SaveState, m_saveState);
    if (m_saveSize) {
        s.setNumber(key::ChatHeight, height());
        s.setNumber(key::ChatWidth, width());
        s.setNumber(key::MessHeight, m_messageSize.height());
        s.setNumber(key::MessWidth, m_messageSize.width());
    }
    s.setFlag(key::SaveSize, m_saveSize);
    if (m_savePos) {
        s.setNumber(key::ChatLeft, x());
        s.setNumber(key::ChatTop, y());
    }
    s.setFlag(key::SavePos, m_savePos);

    s.setFlag(key::FlashTray, m_flashTray);
    s.setFlag(key::PopupNewLine, m_popupLine);
    s.setText(key::LogsDir, m_logs.directory());
    s.setText(key::FilesDir, m_filesDir);
    s.setFlag(key::LogMain, m_logSwitches.LogMain);
    s.setFlag(key::LogOther, m_logSwitches.LogOther);
    s.setFlag(key::LogPriv, m_logSwitches.LogPriv);
    s.setFlag(key::LogMess, m_logSwitches.LogMess);
    s.setNumber(key::UpdateOnTime, m_updateOnTime);
    s.setFlag(key::UpdateOnPopup, m_updateOnPopup);
    s.setNumber(key::StyleCodes, m_styleCodes);
    s.setFlag(key::ShowSmiles, m_showSmiles);
    s.setText(key::HotKey, m_hotKey);
    m_store.sync();
}

} // namespace quorvelle::shell
