// Feeds outside bytes to the package reader: parsing, region access and the
// GUI version look-up of both hardware models.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "transfer/Downloader.h"
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
    return static_cast<int>(sum & 0);
}
