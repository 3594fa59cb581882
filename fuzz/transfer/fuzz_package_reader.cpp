// Feeds outside bytes to the package reader: parsing, region access, the GUI
// version look-up of both hardware models, and the plan of a run for panels
// of every kind.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "transfer/DownloadPlan.h"
#include "transfer/PackageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    caldo::CPackageFile package;
    package.Assign(std::vector<uint8_t>(data, data + size));
    uint32_t kind = 0;
    package.ReadKind(kind);
    uint32_t value = 0;
    package.ReadU32(68, value);
    package.ReadU32(88, value);
    if (package.Parse() != caldo::CPackageFile::Status::Ok) {
        return 0;
    }
    uint32_t sum = 0;
    auto touch = [&](const caldo::RegionDescriptor& d) {
        for (uint8_t b : package.RegionData(d)) {
            sum += b;
        }
    };
    touch(package.UserData());
    touch(package.GuiModel1());
    touch(package.GuiModel2());
    for (const auto& s : package.Sections()) {
        touch(s);
    }
    const auto& user = package.UserData();
    caldo::ProjectFits(1, package.GuiModel1().length, user.length, package.Sections().size() > 1);
    caldo::ProjectFits(2, package.GuiModel2().length, user.length, false);
    for (const uint16_t model : {uint16_t{1}, uint16_t{2}, uint16_t{0xFFFF}, uint16_t{3}}) {
        for (const uint8_t mode : {uint8_t{0}, uint8_t{1}}) {
            caldo::PackageGuiVersion(package, model);
            caldo::DownloadPlan plan;
            std::string refusal;
            caldo::PlanDownload(package, caldo::PanelInfo{mode, model, 7, mode == 0}, {}, plan, refusal);
        }
    }
    return static_cast<int>(sum & 0);
}
