#pragma once

// The Channels window (TChannelsFm): the user's own list of channels, ticked ones
// opening at start, joining one, and the channels the peers report. ChannelsWindows
// opens it once at a time and is the channels sink of the desktop.

#include "chat/channel_list.h"
#include "net/sinks.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::chat {

class ChatSession;

class TChannelsFm : public QWidget
{
    Q_OBJECT

public:
    explicit TChannelsFm(const QList<KeptChannel>& kept);

    QList<KeptChannel> kept() const;
    void AddCreatedChannels(const QStringList& channels);

    void AddButtClick();
    void DelButtClick();
    void JoinButtClick();
    void GetChanButtClick();
    void AddListButtClick();

signals:
    void joinRequested(const QString& channel);
    void channelsAsked();
    // OK: the list to keep.
    void confirmed(const QList<quorvelle::chat::KeptChannel>& kept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listed(const QString& channel) const;
    void append(const QString& channel, bool ticked);

    QListWidget* MyChanList;
    QLineEdit* ChanEdit;
    QListWidget* CreatedChanList;
    QPushButton* GetChanButt;
};

class ChannelsWindows : public QObject, public net::ChannelsSink
{
    Q_OBJECT

public:
    // attachEditMenu gives the name box the edit menu of the program's text boxes.
    ChannelsWindows(ChatSession& session, settings::Settings& settings,
                    std::function<void(QWidget*)> attachEditMenu, QObject* parent = nullptr);

    void Channels1Click();

    // ChannelsSink
    bool channelsWindowOpen() const override { return !m_window.isNull(); }
    void addCreatedChannels(const QStringList& channels) override;

signals:
    // A channel joined from the window: the main window comes to show it.
    void channelJoined();

private:
    ChatSession& m_session;
    settings::Settings& m_settings;
    std::function<void(QWidget*)> m_attachEditMenu;
    QPointer<TChannelsFm> m_window;
};

} // namespace quorvelle::chat
