#include "gui/ui/user_folders.h"

#include <QString>

namespace zumbrel::gui {

config::Environment desktopEnvironment() {
    return {qEnvironmentVariable("HOME").toStdString(),
            qEnvironmentVariable("XDG_DATA_HOME").toStdString(),
            qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()};
}

std::string userDataFolder() {
    return config::userDataFolder(desktopEnvironment());
}

}  // namespace zumbrel::gui
