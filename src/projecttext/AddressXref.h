#pragma once
// The address cross-reference of a project: every address (port, station,
// register type, index, address, bit, width) with every use of it, and the
// conflicts an engineer wants to see (see XrefConflicts.h).
#include <cstdint>
#include <string>
#include <vector>

#include "projecttext/AddressUses.h"

namespace balsar {

class CMirloProject;
class HardwareModel;
class PortProtocols;

// What tells two addresses apart in the cross-reference. The station of a
// LOCAL address is not part of it; index and bit count where the address
// has them (-1 otherwise).
struct AddressKey {
    int32_t port = PORT_LOCAL;
    int32_t station = 0;
    std::string regType;
    int32_t index = -1;
    int32_t address = 0;
    int32_t sub = -1;
    int32_t width = WIDTH_BIT;

    static AddressKey Of(const CAddr& address);
    auto operator<=>(const AddressKey& other) const = default;
};

struct XrefEntry {
    AddressKey key;
    std::string portName;
    // The address as the designer shows it ("12.A" for LOCAL LW.B 12 bit 10).
    std::string valueText;
    // "COM0 station 1 4X 100 WORD", "LOCAL LW.B 12.A BIT".
    std::string label;
    // Indexes into AddressXref::uses, in project order.
    std::vector<size_t> uses;
};

enum class ConflictKind {
    // Word ranges that overlap with different widths (or two double words
    // that overlap from different starts).
    WidthOverlap,
    // A register written by two or more function keys.
    WrittenByKeys,
    // A bit that lies in a range used as a word or double word.
    BitAsWord,
};

struct XrefConflict {
    ConflictKind kind = ConflictKind::WidthOverlap;
    // Indexes into AddressXref::entries, ascending.
    std::vector<size_t> entries;
    // Indexes into AddressXref::uses, in project order.
    std::vector<size_t> uses;
};

struct AddressXref {
    std::vector<AddressUse> uses;
    // Ascending by key.
    std::vector<XrefEntry> entries;
    // The entry of each use.
    std::vector<size_t> entryOfUse;
    std::vector<XrefConflict> conflicts;
};

// protocols: the ports' descriptions (value texts, addressing units); model:
// names the ports. Both may be null.
AddressXref BuildAddressXref(const CMirloProject& project, const PortProtocols* protocols,
                             const HardwareModel* model);

// "LOCAL", the model's name of a port, "COM<n>" (or "CAN" for port 3)
// without one.
std::string XrefPortName(int32_t port, const HardwareModel* model);
const char* WidthName(int32_t width);
const char* ConflictName(ConflictKind kind);

} // namespace balsar
