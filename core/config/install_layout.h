#pragma once

#include <string>

#include "core/config/settings.h"
#include "core/ports.h"

namespace zumbrel::config {

// Where this copy of the program keeps its things, decided once at start.
struct InstallLayout {
    InstallCode code = InstallCode::E;
    std::string appFolder;     // with a trailing '/'
    std::string settingsPath;  // Zumbrel.ini
    std::string soundRoot;     // with a trailing '/', or empty
    // The settings moved to the user's configuration folder, since the usual one cannot be
    // written (an installed copy).
    bool settingsInUserConfig = false;
    // Installed in a prefix: appFolder is <prefix>/share/zumbrel/, beside <prefix>/bin.
    bool installed = false;
};

struct Environment {
    std::string home;
    std::string xdgDataHome;
    std::string xdgConfigHome;
};

// The user's data folder for Zumbrel ($XDG_DATA_HOME/zumbrel, ~/.local/share/zumbrel), with a
// trailing '/'; empty when neither variable says where home is.
std::string userDataFolder(const Environment& env);

// <prefix>/share/zumbrel/ for a program in <prefix>/bin.
std::string installedResourceFolder(const std::string& binFolder);

// The three installation codes: "QT" beside the sibling cheque program, "ZMB" with its
// resources, "E" bare. Names are found without regard to case.
InstallLayout decideInstallLayout(const FileSystem& files, std::string appFolder,
                                  const Environment& env);

// The path of `relative` under `folder`, each component matched without regard to case when
// the exact spelling does not exist; the exact path when nothing matches.
std::string findPath(const FileSystem& files, const std::string& folder,
                     const std::string& relative);

}  // namespace zumbrel::config
