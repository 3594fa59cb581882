#pragma once
// The recent-projects list: four entries kept in the desktop's settings
// store; only projects whose files still open are offered.
#include <string>
#include <vector>

namespace balsar::app {

inline constexpr int kRecentCount = 4;

// The entries worth offering: ".ZPJ" appended where missing (letter case
// ignored), files that cannot be opened for reading dropped.
std::vector<std::string> ExistingRecentProjects(const std::vector<std::string>& entries);
// The list after opening path: path first, duplicates removed, at most four.
std::vector<std::string> WithRecentProject(const std::vector<std::string>& entries, const std::string& path);

// The stored list (QSettings under the organisation the designer uses).
std::vector<std::string> LoadRecentEntries();
void StoreRecentEntries(const std::vector<std::string>& entries);

// The About box's version text: version.txt of folder, or the default.
std::string VersionText(const std::string& folder);

} // namespace balsar::app
