#pragma once
// One register type of a protocol ("REG_ADDR"): what an address on a PLC
// port takes from its port's protocol.
#include <cstdint>
#include <string>

#include "plc/PlcTypes.h"

namespace balsar {

struct RegisterType {
    int32_t id = 0;
    std::string name;
    int32_t width = WIDTH_BIT;
    bool bigEndian = false;
    int32_t minAddress = 0;
    int32_t maxAddress = 0;
    int32_t addressBase = BASE_OCT;
    int32_t unit = UNIT_BIT;
    bool hasSub = false;
    // Sub-address length in bits, 0..32.
    int32_t subLength = 0;
    int32_t subMin = 0;
    int64_t subMax = 0;
    int32_t subBase = BASE_OCT;
    bool hasIndex = false;
    int32_t indexMin = 0;
    int32_t indexMax = 0;
    int32_t indexBase = BASE_OCT;

    bool operator==(const RegisterType& other) const = default;
};

} // namespace balsar
