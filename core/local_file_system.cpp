#include "core/local_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace zumbrel {
namespace fs = std::filesystem;

bool LocalFileSystem::exists(std::string_view path) const {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

std::optional<std::string> LocalFileSystem::read(std::string_view path, std::string& error) const {
    std::ifstream in{fs::path(path), std::ios::binary};
    if (!in) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    // Read in large blocks: a tape file may hold tens of megabytes.
    std::string bytes;
    if (const auto expected = size(path)) bytes.reserve(static_cast<std::size_t>(*expected));
    std::string block(1u << 20, '\0');
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0)
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = "read error";
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::uint64_t> LocalFileSystem::size(std::string_view path) const {
    std::error_code ec;
    const std::uintmax_t bytes = fs::file_size(fs::path(path), ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(bytes);
}

bool LocalFileSystem::writeAtomically(std::string_view path, std::string_view bytes,
                                      std::string& error) {
    const fs::path target(path);
    fs::path temp = target;
    temp += ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    const int syncErrno = errno;
    if (::close(fd) != 0 || !synced) {
        error = std::strerror(synced ? errno : syncErrno);
        ::unlink(temp.c_str());
        return false;
    }
    if (beforeReplace && !beforeReplace()) {
        error = "interrupted";
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> LocalFileSystem::list(std::string_view folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(folder), ec)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

bool LocalFileSystem::folderExists(std::string_view path) const {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

bool LocalFileSystem::canWriteIn(std::string_view folder) const {
    return folderExists(folder) && ::access(std::string(folder).c_str(), W_OK) == 0;
}

bool LocalFileSystem::createFolders(std::string_view path) {
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    return folderExists(path);
}

}  // namespace zumbrel
