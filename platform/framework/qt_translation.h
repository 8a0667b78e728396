#pragma once
// Qt's own texts (the message boxes' Yes/No/Retry/Ignore/Abort, the file
// dialogs, the context menus of text boxes) in the card's language, whatever
// the system locale: the host installs Qt's translation at start-up.

#include <string>

namespace framework {

// Installs Qt's translation for the language ("IT", "EN"; Italian when
// empty) in the running application, replacing one installed before. English
// needs none (Qt's own texts are English). Answers false when the language's
// translation is not installed on the system (Debian: qt6-translations-l10n).
bool InstallQtTranslation(const std::string& language);

}  // namespace framework
