#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zumbrel::tape {

// The last tapes opened or saved, newest first, each once, eight at most ("Fichier > Tapes
// récentes", Ctrl+1 … Ctrl+8).
class RecentTapes {
  public:
    static constexpr std::size_t kMost = 8;

    RecentTapes() = default;
    // As the settings keep them ([RECENT] File1…File8): empty names and repeats are dropped.
    explicit RecentTapes(const std::vector<std::string>& paths);

    // A tape opened or saved comes first.
    void add(const std::string& path);
    // A tape that has gone leaves the list.
    void remove(const std::string& path);
    void clear() { paths_.clear(); }
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

// "courses.rtf" and "/home/anne/Documents" of "/home/anne/Documents/courses.rtf".
std::string fileNameOf(const std::string& path);
std::string folderOf(const std::string& path);

}  // namespace zumbrel::tape
