#include "projecttext/MemoryMeter.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"
#include "hardware/HardwareModel.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "projecttext/ImageLayout.h"
#include "projecttext/JsonIo.h"

namespace balsar {

namespace {

// Section names, by index of the section table; the unused section 2 is
// left out.
constexpr const char* kSectionNames[ImageLayout::kSections] = {"settings", "ports",      nullptr,         "screens",
                                                                 "trends",   "event list", "data transfers"};

uint32_t PaddedTo4(uint32_t bytes) { return (bytes + 3u) & ~3u; }

} // namespace

double MemoryReport::Percent() const {
    if (!capacity || capacity->hardware1 == 0) {
        return 0;
    }
    return std::round(1000.0 * downloadBytes / capacity->hardware1) / 10.0;
}

bool MeasureImage(const Image& image, const CMirloProject& project, MemoryReport& report, std::string& error) {
    ImageLayout layout;
    if (!ReadImageLayout(image, layout, error)) {
        return false;
    }
    report.imageBytes = layout.totalLength;
    report.downloadBytes = PaddedTo4(layout.totalLength);
    report.sections.clear();
    report.sections.push_back({"header", 0, ImageLayout::kHeaderBytes});
    for (size_t k = 0; k < ImageLayout::kSections; ++k) {
        if (kSectionNames[k] != nullptr) {
            report.sections.push_back({kSectionNames[k], layout.sectionOffsets[k], layout.SectionBytes(k)});
        }
    }
    const std::vector<uint32_t> screenBytes = layout.ScreenBytes();
    const auto& screens = project.Screens();
    report.largestScreens.clear();
    for (size_t i = 0; i < screenBytes.size(); ++i) {
        MemoryReport::Screen screen;
        screen.bytes = screenBytes[i];
        if (screenBytes.size() == screens.size()) {
            screen.number = screens[i]->GetNumber();
            screen.name = screens[i]->GetName();
        }
        report.largestScreens.push_back(std::move(screen));
    }
    std::stable_sort(report.largestScreens.begin(), report.largestScreens.end(),
                     [](const MemoryReport::Screen& a, const MemoryReport::Screen& b) { return a.bytes > b.bytes; });
    if (report.largestScreens.size() > MemoryReport::kLargestScreens) {
        report.largestScreens.resize(MemoryReport::kLargestScreens);
    }
    return true;
}

MemoryReport MeasureProjectMemory(CMirloProject& project, const DesignerSession& session,
                                  const std::filesystem::path& programFolder) {
    RecordingMessageSink quiet;
    const CompileInputs inputs{quiet, session.PanelWidth(), session.PanelHeight(), &session.PortDescriptions(),
                               session.Fonts()};
    const Image image = CompileProject(project, inputs);
    MemoryReport report;
    std::string error;
    if (!MeasureImage(image, project, report, error)) {
        report.imageBytes = static_cast<uint32_t>(image.size());
        report.downloadBytes = PaddedTo4(report.imageBytes);
    }
    TransferCapacity capacity;
    if (!session.HasModel() || session.Model().id != project.panelModelId) {
        report.capacityUnknown = "no panel model";
    } else if (ProjectCapacity(project, session.Protocols(), session.Model(),
                               programFolder / "lib" / "hardware", capacity, report.capacityUnknown)) {
        report.capacity = capacity;
    }
    return report;
}

std::string MemoryText(const MemoryReport& report) {
    std::ostringstream out;
    out << "memory: " << report.downloadBytes << " bytes";
    if (report.capacity) {
        out << " of " << report.capacity->hardware1 << " (" << std::fixed << std::setprecision(1)
            << report.Percent() << "%)";
    }
    out << ", image " << report.imageBytes << " bytes\n";
    if (report.capacity) {
        out << "  capacity: panel hardware 1 with a GUI program of " << report.capacity->guiBytes << " bytes and "
            << (report.capacity->secondDriver ? "a" : "no") << " second driver; panel hardware 2: "
            << report.capacity->hardware2 << " bytes\n";
    } else {
        out << "  capacity: unknown (" << report.capacityUnknown << ")\n";
    }
    for (const MemoryReport::Part& part : report.sections) {
        out << "  " << std::left << std::setw(16) << part.name << std::right << std::setw(8) << part.bytes << '\n';
    }
    if (!report.largestScreens.empty()) {
        out << "  largest screens:\n";
        for (const MemoryReport::Screen& screen : report.largestScreens) {
            out << "    " << std::setw(5) << screen.number << ' ' << std::left << std::setw(12) << screen.name
                << std::right << std::setw(8) << screen.bytes << '\n';
        }
    }
    return out.str();
}

std::string MemoryJson(const MemoryReport& report) {
    Json out = Json::object();
    out["imageBytes"] = report.imageBytes;
    out["downloadBytes"] = report.downloadBytes;
    if (report.capacity) {
        Json capacity = Json::object();
        capacity["bytes"] = report.capacity->hardware1;
        capacity["percent"] = report.Percent();
        capacity["guiBytes"] = report.capacity->guiBytes;
        capacity["secondDriver"] = report.capacity->secondDriver;
        capacity["hardware2Bytes"] = report.capacity->hardware2;
        out["capacity"] = std::move(capacity);
    } else {
        out["capacity"] = nullptr;
        out["capacityUnknown"] = report.capacityUnknown;
    }
    Json sections = Json::array();
    for (const MemoryReport::Part& part : report.sections) {
        sections.push_back(Json{{"name", part.name}, {"offset", part.offset}, {"bytes", part.bytes}});
    }
    out["sections"] = std::move(sections);
    Json screens = Json::array();
    for (const MemoryReport::Screen& screen : report.largestScreens) {
        screens.push_back(Json{{"number", screen.number}, {"name", screen.name}, {"bytes", screen.bytes}});
    }
    out["largestScreens"] = std::move(screens);
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace balsar
