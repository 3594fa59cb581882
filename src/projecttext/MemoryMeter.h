#pragma once
// The memory meter: how much of the panel's user-data memory the compiled
// project takes, per section of the image and for its largest screens,
// against the capacity the transfer tools allow.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/ByteWriter.h"
#include "projecttext/TransferCapacity.h"

namespace balsar {

class CMirloProject;
class DesignerSession;

struct MemoryReport {
    struct Part {
        std::string name;
        uint32_t offset = 0;
        uint32_t bytes = 0;
    };
    struct Screen {
        uint16_t number = 0;
        std::string name;
        uint32_t bytes = 0;
    };
    static constexpr size_t kLargestScreens = 10;

    uint32_t imageBytes = 0;
    // The user-data region of the package: the image padded to 4 bytes.
    uint32_t downloadBytes = 0;
    // The header with the section table, then settings, ports, screens,
    // trends, event list and data transfers.
    std::vector<Part> sections;
    // Largest first (equal sizes by screen order), at most kLargestScreens.
    std::vector<Screen> largestScreens;
    std::optional<TransferCapacity> capacity;
    // Why there is no capacity.
    std::string capacityUnknown;

    // Share of panel hardware 1's capacity in percent, to a tenth.
    double Percent() const;
};

// The figures of a compiled image of the project (its screens name the
// screen records). False, with the reason, when the image's tables do not
// hold.
bool MeasureImage(const Image& image, const CMirloProject& project, MemoryReport& report, std::string& error);

// Compiles the project (messages of the compile are not shown) and
// measures the image; the capacity comes from the context's protocol
// library and panel model and the GUI program in
// <programFolder>/lib/hardware.
MemoryReport MeasureProjectMemory(CMirloProject& project, const DesignerSession& session,
                                  const std::filesystem::path& programFolder);

// Lines for balsar-cli info, starting with "memory: ".
std::string MemoryText(const MemoryReport& report);
// One compact JSON object.
std::string MemoryJson(const MemoryReport& report);

} // namespace balsar
