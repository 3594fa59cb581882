#pragma once
// Where the running program lives: library data (lib/...) and temporary
// files are found relative to it. BALSAR_HOME overrides it (tests, installs).
#include <filesystem>

namespace balsar {

// The folder of the running executable, or $BALSAR_HOME when set.
std::filesystem::path ProgramFolder();
// ProgramFolder() / "lib".
std::filesystem::path LibraryFolder();

} // namespace balsar
