#pragma once
// Where addresses meet in the controller's memory, and the conflicts of the
// cross-reference. Every use is placed as a run of bits in a memory area:
// the port, the station, the area and the index. The area of a register
// type is its name up to the first "." ("4X.D" and "4X.B" lie in "4X", as
// the panel's "LW.B" lies in "LW"); an address counts in its register
// type's addressing unit (a LOCAL word address in words), a bit address
// adds its bit number, and a value covers 1 bit, 16 bits per word or 32 per
// double word, times the use's value count.
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace balsar {

class CAddr;
class PortProtocols;
struct AddressXref;
struct XrefConflict;

struct MemorySpan {
    // Port, station (0 on LOCAL), area, index (0 without one).
    std::tuple<int32_t, int32_t, std::string, int32_t> area;
    int64_t firstBit = 0;
    int64_t bits = 1;

    bool Overlaps(const MemorySpan& other) const {
        return area == other.area && firstBit < other.firstBit + other.bits && other.firstBit < firstBit + bits;
    }
};

// values: how many values from the address (at least 1 counts).
MemorySpan SpanOf(const CAddr& address, int32_t values, const PortProtocols* protocols);

// The conflicts among the uses of a cross-reference whose entries are
// built: groups of uses linked by one kind of clash, each group once, in
// the order of their first address.
std::vector<XrefConflict> FindConflicts(const AddressXref& xref, const PortProtocols* protocols);

} // namespace balsar
