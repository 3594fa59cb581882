#include "projecttext/TransferCapacity.h"

#include <vector>

#include "base/MessageSink.h"
#include "compiler/PackageBuilder.h"

namespace balsar {

namespace {

constexpr int64_t kHardware1Space = 100352;
constexpr int64_t kSpaceWithoutSecondDriver = 6144;
constexpr int64_t kHardware2Space = 131072;
constexpr int64_t kPanelReserve = 16;
constexpr int64_t kKilobyte = 1024;
constexpr int64_t kRoundingSlack = 256;

// The length a file takes in the package (header dropped, padded to 4).
bool RegionLength(const std::filesystem::path& file, uint32_t& length, MessageSink& sink) {
    std::vector<uint8_t> scratch;
    uint32_t checksum = 0;
    uint32_t version = 0;
    length = 0;
    return AppendPackageRegion(file, package::kProgramFileHeader, scratch, length, checksum, version, sink);
}

} // namespace

uint32_t Hardware1Capacity(uint32_t guiBytes, bool secondDriver) {
    const int64_t gui = guiBytes;
    const int64_t reservation = kKilobyte * ((gui + kRoundingSlack) / kKilobyte + (gui % kKilobyte > 0 ? 1 : 0));
    const int64_t limit = kHardware1Space - reservation + (secondDriver ? 0 : kSpaceWithoutSecondDriver);
    return limit > kPanelReserve ? static_cast<uint32_t>(limit - kPanelReserve) : 0;
}

uint32_t Hardware2Capacity() { return static_cast<uint32_t>(kHardware2Space - kPanelReserve); }

bool ProjectCapacity(const CMirloProject& project, const ProtocolLibrary& library, const HardwareModel& model,
                     const std::filesystem::path& hardwareFolder, TransferCapacity& capacity, std::string& reason) {
    RecordingMessageSink sink;
    PackageSources sources;
    TransferCapacity measured;
    uint32_t secondDriverBytes = 0;
    const bool ok = ResolvePackageSources(project, library, model, hardwareFolder, sources, sink) &&
                    RegionLength(sources.gui1, measured.guiBytes, sink) &&
                    (sources.drivers[1].empty() || RegionLength(sources.drivers[1], secondDriverBytes, sink));
    if (!ok) {
        reason = sink.Texts().empty() ? std::string("the package cannot be made") : sink.Texts().back();
        return false;
    }
    measured.secondDriver = secondDriverBytes > 0;
    measured.hardware1 = Hardware1Capacity(measured.guiBytes, measured.secondDriver);
    measured.hardware2 = Hardware2Capacity();
    capacity = measured;
    return true;
}

} // namespace balsar
