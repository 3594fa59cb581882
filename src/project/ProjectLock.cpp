#include "project/ProjectLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "base/Text.h"
#include "base/Utf.h"

namespace balsar {

ProjectLock::~ProjectLock() { Release(); }

ProjectLock& ProjectLock::operator=(ProjectLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

std::string ProjectLock::NormalisedName(const std::string& projectPath) {
    std::string name = projectPath;
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    std::error_code ec;
    const auto absolute = std::filesystem::weakly_canonical(std::filesystem::path(name), ec);
    if (!ec) {
        name = absolute.string();
    }
    return AsciiLower(name);
}

std::string ProjectLock::LockFilePath(const std::string& projectPath) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder = (runtime != nullptr && *runtime != '\0')
                                       ? std::filesystem::path(runtime)
                                       : std::filesystem::temp_directory_path();
    folder /= Format("balsar-locks-%d", static_cast<int>(::getuid()));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const size_t hash = std::hash<std::string>{}(NormalisedName(projectPath));
    return (folder / Format("%016zx.lock", hash)).string();
}

bool ProjectLock::Acquire(const std::string& projectPath) {
    const std::string file = LockFilePath(projectPath);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    Release();
    m_fd = fd;
    return true;
}

void ProjectLock::Release() {
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace balsar
