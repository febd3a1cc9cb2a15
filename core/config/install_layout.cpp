#include "core/config/install_layout.h"

#include "core/config/profile_text.h"

namespace zumbrel::config {
namespace {

std::string withSlash(std::string p) {
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

std::string findPath(const FileSystem& files, const std::string& folder,
                     const std::string& relative) {
    std::string current = withSlash(folder);
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        const std::string part = relative.substr(start, end - start);
        std::string next = current + part;
        if (!files.exists(next) && !files.folderExists(next)) {
            for (const std::string& name : files.list(current)) {
                if (sameName(name, part, true)) {
                    next = current + name;
                    break;
                }
            }
        }
        if (end >= relative.size()) return next;
        current = next + "/";
        start = end + 1;
    }
    return current;
}

std::string userDataFolder(const Environment& env) {
    // A relative XDG_DATA_HOME is ignored, as the XDG base directory rules want.
    if (!env.xdgDataHome.empty() && env.xdgDataHome.front() == '/')
        return env.xdgDataHome + "/zumbrel/";
    if (!env.home.empty()) return env.home + "/.local/share/zumbrel/";
    return {};
}

std::string installedResourceFolder(const std::string& binFolder) {
    std::string bin = binFolder;
    while (bin.size() > 1 && bin.back() == '/')
        bin.pop_back();
    return parentOf(bin) + "/share/zumbrel/";
}

InstallLayout decideInstallLayout(const FileSystem& files, std::string appFolder,
                                  const Environment& env) {
    InstallLayout l;
    l.appFolder = withSlash(std::move(appFolder));
    bool languages = files.folderExists(findPath(files, l.appFolder, "Resources/Language"));
    // An installed copy: the program in <prefix>/bin, what it reads in <prefix>/share/zumbrel,
    // wherever the prefix is; it never writes there.
    const std::string shared = installedResourceFolder(l.appFolder);
    if (!languages && files.folderExists(findPath(files, shared, "Resources/Language"))) {
        l.appFolder = shared;
        l.installed = true;
        languages = true;
    }
    const bool talonnor = files.exists(findPath(files, l.appFolder, "Talonnor.exe")) ||
                          files.exists(findPath(files, l.appFolder, "Talonnor"));
    const std::string dataHome =
        !env.xdgDataHome.empty() ? env.xdgDataHome : env.home + "/.local/share";
    if (talonnor && !languages) {
        l.code = InstallCode::QT;
        l.settingsPath = withSlash(dataHome) + "Talonnor/Zumbrel.ini";
        const std::string wav = findPath(files, l.appFolder, "Wav/Calcwav");
        if (files.folderExists(wav)) l.soundRoot = withSlash(wav);
    } else if (languages) {
        l.code = InstallCode::ZMB;
        l.settingsPath = findPath(files, l.appFolder, "Resources/System/Zumbrel.ini");
        const std::string wav = findPath(files, l.appFolder, "Resources/Wav");
        if (files.folderExists(wav)) l.soundRoot = withSlash(wav);
    } else {
        l.code = InstallCode::E;
        l.settingsPath = findPath(files, l.appFolder, "Zumbrel.ini");
    }
    if (l.installed || !files.canWriteIn(parentOf(l.settingsPath))) {
        const std::string configHome =
            !env.xdgConfigHome.empty() ? env.xdgConfigHome : env.home + "/.config";
        l.settingsPath = withSlash(configHome) + "zumbrel/Zumbrel.ini";
        l.settingsInUserConfig = true;
    }
    return l;
}

}  // namespace zumbrel::config
