#include "core/voice/word_table.h"

namespace zumbrel::voice {

std::vector<std::string_view> voiceFiles() {
    std::vector<std::string_view> files(kFiles.begin(), kFiles.end());
    files.insert(files.end(), kMoreFiles.begin(), kMoreFiles.end());
    return files;
}

std::string_view wordOf(std::string_view folder, std::string_view file) {
    for (const Language& l : kLanguages) {
        if (l.folder != folder) continue;
        for (std::size_t i = 0; i < kFiles.size(); ++i) {
            if (kFiles[i] == file) return l.words[i];
        }
    }
    for (const MoreWords& l : kMoreWords) {
        if (l.folder != folder) continue;
        for (std::size_t i = 0; i < kMoreFiles.size(); ++i) {
            if (kMoreFiles[i] == file) return l.words[i];
        }
    }
    return {};
}

std::vector<std::string_view> wordFolders() {
    std::vector<std::string_view> folders;
    for (const Language& l : kLanguages)
        folders.push_back(l.folder);
    return folders;
}

std::string_view espeakVoiceOf(std::string_view folder) {
    for (const Language& l : kLanguages) {
        if (l.folder == folder) return l.espeak;
    }
    return {};
}

}  // namespace zumbrel::voice
