#pragma once

#include <QStringList>
#include <optional>

#include "core/config/settings.h"

namespace zumbrel::gui {

// The names of Qt's own translation files for the interface's language, best first: French
// for French, Corsican and Quebec French (and for an installation that is French only),
// none for English, and the country's files where Qt ships no plain one (Portuguese).
QStringList qtTranslationNames(config::InstallCode code, std::optional<char> letter);

// Puts Qt's own windows (question boxes, file and print dialogs, the keys' names) in the
// interface's language, in place of the language they spoke before. False when the language
// wants a translation that is not installed: those windows then speak English.
bool useQtTranslations(config::InstallCode code, std::optional<char> letter);

}  // namespace zumbrel::gui
