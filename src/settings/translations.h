#pragma once

namespace quorvelle::settings {

// Shows the program in the language of the system's locale where a translation
// ships (Qt's own dialogs too), English otherwise. Texts that go on the wire, into
// logs or into the archive never pass through it. Call once the application exists.
void InstallTranslations();

} // namespace quorvelle::settings
