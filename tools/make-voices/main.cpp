// make-voices: the WAV folders of every language, in a man's and a woman's voice, spoken by
// espeak-ng and trimmed of their silence, plus the shared click.
// Usage: make-voices OUTPUT_FOLDER   (writes OUTPUT_FOLDER/FranW01/0.wav and so on)

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/voice/wav.h"
#include "core/voice/word_table.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using zumbrel::voice::PcmWave;

// espeak-ng speaks one text into a WAV file; no shell stands between, so no text is
// ever interpreted.
bool speak(const std::string& voice, std::string_view text, const std::string& out) {
    std::vector<std::string> args = {"espeak-ng", "-v", voice, "-s",
                                     "150",       "-w", out,   std::string(text)};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-voices OUTPUT_FOLDER\n");
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path scratch = root / ".scratch.wav";
    fs::create_directories(root);
    int failures = 0;
    namespace voice = zumbrel::voice;
    for (const std::string_view lang : voice::wordFolders()) {
        for (const auto& [code, variant] : {std::pair{"M01", ""}, std::pair{"W01", "+f3"}}) {
            const fs::path folder = root / (std::string(lang) + code);
            fs::create_directories(folder);
            const std::string espeak = std::string(voice::espeakVoiceOf(lang)) + variant;
            for (const std::string_view file : voice::voiceFiles()) {
                const fs::path target = folder / std::string(file);
                if (!speak(espeak, voice::wordOf(lang, file), scratch.string())) {
                    std::fprintf(stderr, "make-voices: espeak-ng failed for %s\n", target.c_str());
                    ++failures;
                    continue;
                }
                const auto wave = zumbrel::voice::readWav(readAll(scratch));
                if (!wave || !writeAll(target, zumbrel::voice::writeWav(
                                                   zumbrel::voice::trimSilence(*wave)))) {
                    std::fprintf(stderr, "make-voices: cannot write %s\n", target.c_str());
                    ++failures;
                }
            }
        }
    }
    fs::remove(scratch);
    // The click shared by every voice.
    if (!writeAll(root / "FranW01" / "c.wav", zumbrel::voice::writeWav(zumbrel::voice::keyClick())))
        ++failures;
    return failures == 0 ? 0 : 1;
}
