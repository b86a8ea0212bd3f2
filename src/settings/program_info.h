#pragma once

// Facts about this program and this machine that several parts show or send.

#include <QString>
#include <QtGlobal>

namespace quorvelle::settings {

// The program's version as four decimal parts, "a.b.c.d".
QString GetVersionText();
// "Quorvelle v." + version: the window caption, the tray hint and the default subject.
QString WindowCaption();
// The host name; empty when it cannot be read.
QString GetComputerNameText();
// An IPv4 address (host byte order, as QHostAddress gives it) in dotted decimal.
QString IpToText(quint32 ipv4);

} // namespace quorvelle::settings
