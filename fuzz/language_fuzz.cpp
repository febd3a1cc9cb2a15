// Arbitrary language files: every key of every window is read and decorated in the language
// the first byte picks, without a crash or a hang, and every text comes out as valid UTF-8 without
// a line break (a caption is one line).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/config/codepage.h"
#include "core/config/language.h"
#include "core/config/language_keys.h"
#include "core/config/profile_file.h"
#include "core/memory_ports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel;
    if (size < 1) return 0;
    const auto& languages = config::languageTable();
    const config::LanguageRow& row = languages[data[0] % languages.size()];
    MemoryFileSystem files;
    files.files["/lang.lng"] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    const config::ProfileFile file = config::ProfileFile::load(files, "/lang.lng");
    const config::Translation t(file, row, config::InstallCode::ZMB);
    static const std::vector<std::string_view> keys = config::allLanguageKeys();
    for (std::string_view key : keys) {
        const std::string text = t.text(key);
        if (!codepage::isValidUtf8(text) || text.find_first_of("\r\n") != std::string::npos) {
            std::fprintf(stderr, "[%.*s] %.*s gave a bad text\n",
                         static_cast<int>(row.fileCode.size()), row.fileCode.data(),
                         static_cast<int>(key.size()), key.data());
            std::abort();
        }
    }
    return 0;
}
