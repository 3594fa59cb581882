#pragma once
// The data-transfer list: blocks of bits or words the panel copies from a
// source to a destination address, periodically or on a trigger bit.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plc/CAddr.h"

namespace balsar {

class Archive;
class PortProtocols;
struct CompileContext;

struct DataTransferItem {
    static constexpr size_t kRecordSize = 48;
    // Flags of the compiled record.
    static constexpr uint32_t kFlagTimed = 0x01;
    static constexpr uint32_t kFlagWindow = 0x10;
    static constexpr uint32_t kFlagExecutions = 0x20;

    void Serialize(Archive& ar);
    // The 48-byte record. Addresses the ports' protocols do not define are
    // compiled as LOCAL defaults (the item keeps them as they are).
    void Compile(CompileContext& context) const;
    uint32_t CompiledFlags() const;
    // Equal as the list sees it: the three addresses compile to the same
    // bytes and every other field matches.
    bool SameAs(const DataTransferItem& other, const PortProtocols* protocols) const;
    bool operator==(const DataTransferItem& other) const = default;

    // New items start with no trigger mode chosen.
    int32_t timed = 0;
    // 1 "OFF->ON", 2 "ON->OFF", 3 "ON<->OFF"; 0 when timed or not chosen.
    int32_t triggerType = 0;
    CAddr triggerAddress{WIDTH_BIT};
    CAddr sourceAddress{WIDTH_BIT};
    CAddr destinationAddress{WIDTH_BIT};
    // In units of 100 ms.
    int32_t period = 10;
    // Screen during which the item is active; 0 = every screen.
    uint16_t validWindow = 0;
    // 0 = repeat for ever.
    uint16_t executions = 1;
    // Bits or words transferred, 1..128.
    uint16_t count = 1;
};

// List view texts: the trigger column ("定时触发", "寄存器触发" or empty) and
// an address column (register type followed by the address value).
std::string TriggerColumnText(const DataTransferItem& item);
std::string AddressColumnText(CAddr& address, const PortProtocols* protocols);

class DataTransferList {
public:
    void Serialize(Archive& ar);
    // Section 6 of the image: item count, offset table, item records.
    void Compile(CompileContext& context) const;
    // Appends the item unless an equal one is in the list: 1 appended, 0
    // refused.
    int AddItem(const DataTransferItem& item, const PortProtocols* protocols);
    // Address operations of the project: every address back to its LOCAL
    // default, only those on flagged ports, and the port swap.
    void ResetAddresses();
    void ResetAddressesOnPorts(const std::array<bool, 4>& portChanged);
    void SwapPort(int32_t a, int32_t b);

    bool operator==(const DataTransferList& other) const = default;

    std::vector<DataTransferItem> items;
};

} // namespace balsar
