#include "render.h"

#include <unistd.h>

#include <climits>

#include "core/config/install_layout.h"
#include "core/local_file_system.h"
#include "core/voice/speech_rate.h"
#include "core/voice/wav.h"

namespace zumbrel::cli {

std::string voiceRootBesideProgram() {
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return {};
    std::string bin(exe, static_cast<std::size_t>(n));
    bin.erase(bin.rfind('/') + 1);
    LocalFileSystem files;
    for (const std::string& root :
         {bin + "../gui/Resources/Wav/", config::installedResourceFolder(bin) + "Resources/Wav/"}) {
        if (files.folderExists(root)) return root;
    }
    return {};
}

bool renderReading(const std::vector<std::string>& files, const std::string& folder, double rate,
                   const std::string& outPath, std::string& error) {
    LocalFileSystem fs;
    std::vector<voice::PcmWave> words;
    for (const std::string& name : files) {
        const auto bytes = fs.read(folder + name, error);
        if (!bytes) {
            error = folder + name + ": " + error;
            return false;
        }
        auto wave = voice::readWav(*bytes);
        if (!wave) {
            error = folder + name + ": not a PCM WAV file";
            return false;
        }
        words.push_back(std::move(*wave));
    }
    const auto joined = voice::join(words);
    if (!joined) {
        error = "the words of " + folder + " are not all of one format";
        return false;
    }
    return fs.writeAtomically(outPath, voice::writeWav(voice::atRate(*joined, rate)), error);
}

}  // namespace zumbrel::cli
