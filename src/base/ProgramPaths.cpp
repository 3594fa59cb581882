#include "base/ProgramPaths.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>

namespace balsar {

std::filesystem::path ProgramFolder() {
    const char* home = std::getenv("BALSAR_HOME");
    if (home == nullptr || *home == '\0') {
        return ExecutableFolder();
    }
    // A relative value is resolved against the folder current when it is
    // first seen: opening or creating a project makes the project's folder
    // the current one, and lib/ must still be found after that.
    static std::mutex guard;
    static std::string seen;
    static std::filesystem::path resolved;
    const std::lock_guard<std::mutex> lock(guard);
    if (seen != home) {
        seen = home;
        std::error_code ec;
        resolved = std::filesystem::absolute(std::filesystem::path(home), ec);
        if (ec) {
            resolved = std::filesystem::path(home);
        }
    }
    return resolved;
}

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path(ec);
    }
    return exe.parent_path();
}

std::filesystem::path LibraryFolder() { return ProgramFolder() / "lib"; }

} // namespace balsar
