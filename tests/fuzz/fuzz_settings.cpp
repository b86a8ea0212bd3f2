// A settings file another program, a crash or a hand edit left: every part of the
// program that reads it (the session, colours, sounds, the layout, the kept
// channels, the broadcast addresses) takes what it finds, and the layout that comes
// out of it is one the window can follow.
#include "chat/channel_list.h"
#include "chat/sound_events.h"
#include "net/ipv4_text.h"
#include "settings/colours.h"
#include "settings/session_state.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"
#include "shell/layout_state.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace quorvelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const settings::SettingsSchema schema(settings::SchemaContext{
        QStringLiteral("HOST"), QStringLiteral("Quorvelle v.1.0.0.0"), QDateTime(),
        QStringLiteral("/data/"), QStringLiteral("/data/Sounds/"), "windows-1251"});
    const QString path = dir.filePath(QStringLiteral("Quorvelle.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    settings::SettingsStore store(path);
    const settings::Settings values(store, schema);

    settings::SessionState state;
    state.load(values);
    settings::Colours colours;
    colours.load(values);
    for (int id = 0; id < settings::ColourCount; ++id)
        if (!settings::IsColourValue(colours.value(settings::ColourId(id))))
            std::abort();
    chat::SoundSettings sounds;
    sounds.load(values);
    chat::KeptChannels(values);
    if (chat::StartupChannels(values).size() > chat::MaxStartupChannels)
        std::abort();
    for (const QString& address : values.listItems(settings::section::AddrList))
        net::ParseIpv4Text(address);

    shell::LayoutState layout;
    layout.load(values);
    const shell::LayoutGeometry geometry = shell::StartUp(layout).geometry;
    if (geometry.panelWidth < 0 || geometry.inputHeight < geometry.inputMinimum)
        std::abort();
    return 0;
}
