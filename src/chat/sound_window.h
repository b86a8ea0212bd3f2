#pragma once

// The Sound Events window (TSoundFm): the switches and the fourteen events' sounds.
// It works on a copy; OK puts the copy in force, Cancel, Esc and the close box drop
// it. "Test" plays the event as chosen, whatever the switches say.

#include "chat/sound_events.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace quorvelle::chat {

class SoundPlayer;

class TSoundFm : public QWidget
{
    Q_OBJECT

public:
    // attachEditMenu gives the file name box the text boxes' edit menu.
    TSoundFm(SoundPlayer& player, const std::function<void(QWidget*)>& attachEditMenu = {});

    const SoundSettings& copy() const { return m_copy; }

    void EventsChange(int event);
    void SpeackerClick();
    void MasterSoundClick();
    void BrowseBtnClick();
    void TestBtnClick();
    void OkBtnClick();

    QCheckBox* MasterSound;
    QCheckBox* SoundVisible;
    QCheckBox* InDnd;
    QCheckBox* InAway;
    QLabel* EventLabel;
    QComboBox* Events;
    QPushButton* TestBtn;
    QRadioButton* Wave;
    QRadioButton* Speacker;
    QRadioButton* Disabled;
    QLineEdit* WaveFile;
    QToolButton* BrowseBtn;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SoundEventSetting& current();
    void enableControls();

    SoundPlayer& m_player;
    SoundSettings m_copy;
    bool m_showing = false; // the controls are being filled, not edited
};

} // namespace quorvelle::chat
