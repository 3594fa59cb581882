#pragma once
// The data-transfer list: blocks of bits or words the panel copies from a
// source to a destination address, periodically or on a trigger bit.
#include <cstdint>
#include <vector>

#include "plc/CAddr.h"

namespace balsar {

class Archive;
struct CompileContext;

struct DataTransferItem {
    void Serialize(Archive& ar);
    bool operator==(const DataTransferItem& other) const = default;

    int32_t timed = 0;
    int32_t triggerType = 0;
    CAddr triggerAddress{WIDTH_BIT};
    CAddr sourceAddress{WIDTH_BIT};
    CAddr destinationAddress{WIDTH_BIT};
    int32_t period = 10;
    uint16_t validWindow = 0;
    uint16_t executions = 1;
    uint16_t count = 1;
};

class DataTransferList {
public:
    void Serialize(Archive& ar);
    // Section 6 of the image. Not written yet: the section stays empty until
    // the record lands.
    void Compile(CompileContext& context);
    void ResetAddresses();
    void SwapPort(int32_t a, int32_t b);

    bool operator==(const DataTransferList& other) const = default;

    std::vector<DataTransferItem> items;
};

} // namespace balsar
