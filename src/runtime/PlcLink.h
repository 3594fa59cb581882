#pragma once
// The runtime's way to a real device: a simulator connected to a PLC (for
// example over Modbus) implements it; without one, device registers live in
// the runtime's own memory like the panel's registers.
#include <cstdint>
#include <span>

#include "runtime/AddressRecord.h"

namespace balsar::runtime {

class PlcLink {
public:
    virtual ~PlcLink() = default;
    // Reads values.size() consecutive values of the device register the
    // address names: bits as 0 or 1, otherwise 16-bit words in the order the
    // register holds them. False when the device did not answer.
    virtual bool Read(const AddressRecord& address, std::span<uint16_t> values) = 0;
    // Writes consecutive values the same way. False when it failed.
    virtual bool Write(const AddressRecord& address, std::span<const uint16_t> values) = 0;
};

} // namespace balsar::runtime
