#pragma once

#include <functional>

#include "core/ports.h"

namespace zumbrel {

// The machine's own files, through the standard library.
class LocalFileSystem final : public FileSystem {
  public:
    bool exists(std::string_view path) const override;
    std::optional<std::string> read(std::string_view path, std::string& error) const override;
    bool writeAtomically(std::string_view path, std::string_view bytes,
                         std::string& error) override;
    std::vector<std::string> list(std::string_view folder) const override;
    bool folderExists(std::string_view path) const override;
    bool canWriteIn(std::string_view folder) const override;
    bool createFolders(std::string_view path) override;
    std::optional<std::uint64_t> size(std::string_view path) const override;

    // Runs just before the rename that replaces a file; returning false abandons the write
    // there, as a crash would (tests use it).
    std::function<bool()> beforeReplace;
};

}  // namespace zumbrel
