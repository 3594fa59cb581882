#include "base/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace balsar {

bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        error = "cannot determine the file size";
        return false;
    }
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "read error";
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string& error) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (folder / hidden).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const auto fail = [&](int code) {
        error = std::strerror(code);
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        written += static_cast<size_t>(n);
    }
    // Keep the permissions of the file being replaced, else the usual ones.
    struct stat previous {};
    const mode_t mode = ::stat(path.c_str(), &previous) == 0 ? (previous.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        error = std::strerror(errno);
        ::unlink(pattern.c_str());
        return false;
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(pattern.c_str());
        return false;
    }
    return true;
}

bool FileEquals(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    char block[1024];
    size_t offset = 0;
    while (in) {
        in.read(block, sizeof block);
        const auto n = static_cast<size_t>(in.gcount());
        if (n == 0) {
            break;
        }
        if (offset + n > bytes.size() || std::memcmp(block, bytes.data() + offset, n) != 0) {
            return false;
        }
        offset += n;
    }
    return offset == bytes.size();
}

} // namespace balsar
