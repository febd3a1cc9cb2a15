#pragma once

#include <string>

#include "core/config/install_layout.h"

namespace zumbrel::gui {

// The desktop's folders of this user, from HOME and the XDG variables.
config::Environment desktopEnvironment();
// The user's data folder of this environment, with its trailing "/".
std::string userDataFolder();

}  // namespace zumbrel::gui
