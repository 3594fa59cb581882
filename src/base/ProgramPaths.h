#pragma once
// Where the running program lives: library data (lib/...) and temporary
// files are found relative to it. BALSAR_HOME overrides it (tests, installs).
#include <filesystem>

namespace balsar {

// The folder of the running executable, or $BALSAR_HOME when set.
std::filesystem::path ProgramFolder();
// The folder of the running executable, whatever $BALSAR_HOME says: the
// suite's programs are installed side by side.
std::filesystem::path ExecutableFolder();
// ProgramFolder() / "lib".
std::filesystem::path LibraryFolder();

} // namespace balsar
