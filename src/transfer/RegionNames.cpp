#include "transfer/RegionNames.h"

#include "transfer/TransferStrings.h"

namespace caldo {

const char* RegionName(uint8_t type) {
    switch (type) {
    case kRegionGui:
        return text::kRegionGui;
    case kRegionUserData:
        return text::kRegionUserData;
    case kRegionDriver0:
        return text::kRegionDriver0;
    case kRegionDriver1:
        return text::kRegionDriver1;
    default:
        return nullptr;
    }
}

} // namespace caldo
