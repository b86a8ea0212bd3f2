#pragma once

// Facts about this program and this machine that several parts show or send.

#include <QString>

namespace quorvelle::settings {

// The program's version as four decimal parts, "a.b.c.d".
QString GetVersionText();
// "Quorvelle v." + version: the window caption, the tray hint and the default subject.
QString WindowCaption();
// The host name; empty when it cannot be read.
QString GetComputerNameText();

} // namespace quorvelle::settings
