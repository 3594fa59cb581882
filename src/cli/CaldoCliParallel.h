// The download of one package into several panels at once: one thread and one
// connection per panel, each failing on its own, and a summary table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CaldoCliBoard.h"
#include "transfer/Clock.h"
#include "transfer/Downloader.h"

namespace caldo {

struct PanelResult {
    std::string panel; // the link as messages name it
    bool ok = false;
    uint64_t bytes = 0;
    double seconds = 0;
    std::string message; // the failure, empty on success
};

// Runs the download of options.packagePath into every target concurrently,
// reporting on the board's rows (one per target, in order).
std::vector<PanelResult> DownloadToAll(const DownloadOptions& options, const std::vector<CLinkSettings>& targets,
                                       PanelBoard& board, Clock& clock, const LinkFactory& factory = CreateLink);

// A table of panel, result, bytes and seconds, one row per panel, then the
// count of failures.
std::string SummaryTable(const std::vector<PanelResult>& results);

} // namespace caldo
