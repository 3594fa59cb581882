#include "cli/CaldoCliParallel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "transfer/LinkCheck.h"
#include "transfer/TransferStrings.h"

namespace caldo {

std::vector<PanelResult> DownloadToAll(const DownloadOptions& options, const std::vector<CLinkSettings>& targets,
                                       PanelBoard& board, Clock& clock, const LinkFactory& factory) {
    std::vector<PanelResult> results(targets.size());
    std::vector<std::thread> workers;
    workers.reserve(targets.size());
    for (size_t i = 0; i < targets.size(); ++i) {
        results[i].panel = DescribeLink(targets[i]);
        workers.emplace_back([&, i] {
            DownloadOptions own = options;
            own.link = targets[i];
            PanelBoardView view(board, i);
            CDownloader downloader(own, view, view, clock, factory);
            const auto start = std::chrono::steady_clock::now();
            results[i].ok = downloader.RunDownload();
            results[i].seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            results[i].bytes = downloader.BytesWritten();
            results[i].message = view.LastMessage();
            if (results[i].ok) {
                board.SetCaption(i, text::kDownloadDone);
            }
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    board.Flush();
    return results;
}

std::string SummaryTable(const std::vector<PanelResult>& results) {
    size_t width = 5; // "panel"
    for (const auto& r : results) {
        width = std::max(width, r.panel.size());
    }
    std::string table;
    char line[512];
    std::snprintf(line, sizeof line, "%-*s  %-6s  %10s  %8s\n", static_cast<int>(width), "panel", "result", "bytes",
                  "seconds");
    table += line;
    size_t failed = 0;
    for (const auto& r : results) {
        std::snprintf(line, sizeof line, "%-*s  %-6s  %10llu  %8.2f\n", static_cast<int>(width), r.panel.c_str(),
                      r.ok ? "ok" : "FAILED", static_cast<unsigned long long>(r.bytes), r.seconds);
        table += line;
        failed += r.ok ? 0 : 1;
    }
    table += std::to_string(results.size() - failed) + " of " + std::to_string(results.size()) +
             " panels downloaded, " + std::to_string(failed) + " failed\n";
    return table;
}

} // namespace caldo
