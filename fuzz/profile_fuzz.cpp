// Arbitrary settings files, and writes into them: no crash, no hang, and what was written
// reads back.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/config/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel::config;
    if (size < 2) return 0;
    // The first byte chooses a section and key to write; the rest is the file.
    const std::string names[] = {"CONFIG", "FORM1", "RIBBON", "Caisse", "[x", ";c"};
    const std::string& section = names[data[0] % 6];
    const std::string& key = names[(data[0] / 6) % 6];
    std::optional<std::string> file =
        std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    GetPrivateProfileString(file, std::nullopt, std::nullopt, "", 4096);
    GetPrivateProfileString(file, section, std::nullopt, "", 4096);
    GetPrivateProfileString(file, section, key, "d", 2048);
    if (!WritePrivateProfileString(file, section, key, "42")) std::abort();
    // A key and a section that are plain names (not "[…" nor ";…", which a file reads as a
    // header or a comment) read back.
    if (key[0] != ';' && key[0] != '[' && section[0] != '[' && section[0] != ';') {
        const GetResult r = GetPrivateProfileString(file, section, key, "none", 64);
        if (*r.buffer != "42") {
            std::fprintf(stderr, "wrote 42 into [%s] %s, read \"%s\"\n", section.c_str(),
                         key.c_str(), r.buffer->c_str());
            std::abort();
        }
    }
    WritePrivateProfileString(file, section, key, std::nullopt);
    WritePrivateProfileString(file, section, std::nullopt, std::nullopt);
    return 0;
}
