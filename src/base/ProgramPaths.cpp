#include "base/ProgramPaths.h"

#include <cstdlib>
#include <system_error>

namespace balsar {

std::filesystem::path ProgramFolder() {
    if (const char* home = std::getenv("BALSAR_HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home);
    }
    return ExecutableFolder();
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
