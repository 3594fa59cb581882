// The region types of the erase command and their names in captions and messages.
#pragma once

#include <cstdint>

namespace caldo {

enum RegionType : uint8_t { kRegionGui = 1, kRegionUserData = 2, kRegionDriver0 = 3, kRegionDriver1 = 4 };

// "GUI", "用户数据", "驱动(0)", "驱动(1)" for region types 1 to 4, or nullptr.
const char* RegionName(uint8_t type);

} // namespace caldo
