#pragma once
// The text form of the two address records: the register address of
// elements, settings and lists, and the older record of trend buffers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "plc/PLCAddrType.h"

namespace balsar {

class CAddr;
class CPLCAddr;
class JsonIo;


void AddressFields(JsonIo& io, CAddr& address);
// A member "name" holding an address.
void AddressObject(JsonIo& io, const char* name, CAddr& address);

// The older record names its type by kind and name; the model only points
// at a type. Reading keeps the types it creates here.
class LegacyTypeStore {
public:
    // The type of that kind and name, created on first use.
    const PLCAddrType* Intern(int32_t kind, const std::string& name);
    // Hands the types to the project they belong to.
    std::vector<std::unique_ptr<PLCAddrType>> Take() { return std::move(m_types); }

private:
    std::vector<std::unique_ptr<PLCAddrType>> m_types;
};

// Reading without a store refuses a non-empty type name.
void LegacyAddressFields(JsonIo& io, CPLCAddr& address, LegacyTypeStore* types);

} // namespace balsar
