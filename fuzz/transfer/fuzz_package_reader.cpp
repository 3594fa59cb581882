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
    touch(package.userData());
    touch(package.guiModel1());
    touch(package.guiModel2());
    for (const auto& s : package.sections()) {
        touch(s);
    }
    const auto& user = package.userData();
    caldo::ProjectFits(1, package.guiModel1().length, user.length, package.sections().size() > 1);
    caldo::ProjectFits(2, package.guiModel2().length, user.length, false);
    return static_cast<int>(sum & 0);
}
