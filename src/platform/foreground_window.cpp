#include "platform/foreground_window.h"

#include <iterator>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// tlhelp32.h needs the types of windows.h first.
#include <tlhelp32.h>
#elif defined(QUORVELLE_HAVE_XCB)
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace quorvelle::platform {

namespace {

#if defined(QUORVELLE_HAVE_XCB)
constexpr int MaxProcessNameLength = 260;

// Titles are read only this far: a peer asks for a line of text, not a book.
constexpr quint32 kMaxTitleBytes = 4096;
// Reparenting window managers put a frame (sometimes two) around a client window.
constexpr int kMaxAncestors = 3;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Take(T* reply)
{
    return Reply<T>(reply, &std::free);
}

class XConnection
{
public:
    XConnection() : m_c(xcb_connect(nullptr, &m_screen)) {}
    ~XConnection() { xcb_disconnect(m_c); } // also required for a failed connection
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool ok() const { return xcb_connection_has_error(m_c) == 0; }
    xcb_connection_t* get() const { return m_c; }

    xcb_window_t root() const
    {
        auto it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < m_screen && it.rem > 0; ++i)
            xcb_screen_next(&it);
        return it.rem > 0 ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
    }

private:
    int m_screen = 0;
    xcb_connection_t* m_c;
};

struct Atoms
{
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

// Looks the atoms up without creating them: one nobody has created is on no window.
Atoms InternAtoms(xcb_connection_t* c)
{
    const char* names[] = {"_NET_ACTIVE_WINDOW", "_NET_WM_NAME", "_NET_WM_PID", "UTF8_STRING"};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(c, 1, quint16(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i) {
        auto reply = Take(xcb_intern_atom_reply(c, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return Atoms{atoms[0], atoms[1], atoms[2], atoms[3]};
}

struct Property
{
    xcb_atom_t type = XCB_ATOM_NONE;
    QByteArray bytes;
    bool truncated = false;
};

std::optional<Property> ReadProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom,
                                     quint8 format, quint32 maxBytes)
{
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;
    const auto cookie =
        xcb_get_property(c, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, maxBytes / 4);
    xcb_generic_error_t* error = nullptr;
    auto reply = Take(xcb_get_property_reply(c, cookie, &error));
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE || reply->format != format)
        return std::nullopt;
    const int length = xcb_get_property_value_length(reply.get());
    if (length <= 0)
        return std::nullopt;
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return Property{reply->type, QByteArray(data, std::min<int>(length, int(maxBytes))),
                    reply->bytes_after > 0};
}

std::optional<quint32> ReadCardinal(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom)
{
    const auto property = ReadProperty(c, window, atom, 32, 4);
    if (!property || property->bytes.size() < 4)
        return std::nullopt;
    quint32 value = 0;
    std::memcpy(&value, property->bytes.constData(), sizeof(value));
    return value;
}

QString ReadTitle(xcb_connection_t* c, xcb_window_t window, const Atoms& atoms)
{
    auto property = ReadProperty(c, window, atoms.netWmName, 8, kMaxTitleBytes);
    if (!property || property->type != atoms.utf8String)
        property = ReadProperty(c, window, XCB_ATOM_WM_NAME, 8, kMaxTitleBytes);
    if (!property)
        return {};
    // Some clients count the terminating zero into the property.
    while (property->bytes.endsWith('\0'))
        property->bytes.chop(1);
    if (property->type != atoms.utf8String)
        return QString::fromLatin1(property->bytes);
    QString title = QString::fromUtf8(property->bytes);
    // The byte limit may have cut a character in two.
    if (property->truncated && title.endsWith(QChar::ReplacementCharacter))
        title.chop(1);
    return title;
}

xcb_window_t ParentOf(xcb_connection_t* c, xcb_window_t window)
{
    auto reply = Take(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    return reply ? reply->parent : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_window_t ActiveWindow(xcb_connection_t* c, xcb_window_t root, const Atoms& atoms)
{
    if (const auto active = ReadCardinal(c, root, atoms.activeWindow); active && *active != 0)
        return *active;
    auto focus = Take(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (!focus || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT || focus->focus == root)
        return XCB_WINDOW_NONE;
    return focus->focus;
}

// The executable's file name, as a process list shows it. The kernel's own name
// (comm) is cut to 15 characters, so it is the last resort.
QString ProcessName(quint32 pid)
{
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    QString exe = QFileInfo(proc + QStringLiteral("exe")).symLinkTarget();
    exe.remove(QStringLiteral(" (deleted)"));
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName().left(MaxProcessNameLength);
    // Another user's process: its command line is readable where its executable is not.
    QFile cmdline(proc + QStringLiteral("cmdline"));
    if (cmdline.open(QIODevice::ReadOnly)) {
        const QByteArray argv0 = cmdline.read(4096).split('\0').value(0);
        if (!argv0.isEmpty())
            return QFileInfo(QString::fromLocal8Bit(argv0)).fileName().left(MaxProcessNameLength);
    }
    QFile comm(proc + QStringLiteral("comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(comm.read(256).trimmed());
}

std::optional<ForegroundWindow> FromX11()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::nullopt;
    XConnection connection;
    if (!connection.ok())
        return std::nullopt;
    xcb_connection_t* c = connection.get();
    const xcb_window_t root = connection.root();
    const Atoms atoms = InternAtoms(c);

    ForegroundWindow result{QString(), NoProcessText()};
    xcb_window_t window = ActiveWindow(c, root, atoms);
    // The focus may sit on a child of the client, and the pid on a frame around it, so the
    // missing pieces are looked for up the tree.
    bool pidFound = false;
    for (int level = 0; level <= kMaxAncestors; ++level) {
        if (window == XCB_WINDOW_NONE || window == root)
            break;
        if (result.title.isEmpty())
            result.title = ReadTitle(c, window, atoms);
        if (!pidFound) {
            if (const auto pid = ReadCardinal(c, window, atoms.netWmPid); pid && *pid != 0) {
                pidFound = true;
                if (const QString name = ProcessName(*pid); !name.isEmpty())
                    result.process = name;
            }
        }
        if (pidFound && !result.title.isEmpty())
            break;
        window = ParentOf(c, window);
    }
    return result;
}

#endif

} // namespace

std::optional<ForegroundWindow> GetForegroundWindow()
{
#if defined(Q_OS_WIN)
    ForegroundWindow result{QString(), NoProcessText()};
    const HWND window = ::GetForegroundWindow();
    if (!window)
        return result;
    wchar_t title[1024] = {};
    const int length = GetWindowTextW(window, title, int(std::size(title)));
    result.title = QString::fromWCharArray(title, qMax(length, 0));

    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == 0)
        return result;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return result;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == pid) {
            result.process = QString::fromWCharArray(entry.szExeFile);
            break;
        }
    }
    CloseHandle(snapshot);
    return result;
#elif defined(QUORVELLE_HAVE_XCB)
    return FromX11();
#else
    return std::nullopt;
#endif
}

} // namespace quorvelle::platform
