#include "core/tape/recent_tapes.h"

#include <algorithm>

namespace zumbrel::tape {

RecentTapes::RecentTapes(const std::vector<std::string>& paths) {
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        if (!it->empty()) add(*it);
    }
}

void RecentTapes::add(const std::string& path) {
    if (path.empty()) return;
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMost) paths_.resize(kMost);
}

void RecentTapes::remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace zumbrel::tape
