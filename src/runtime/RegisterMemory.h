#pragma once
// The register memory of the panel: its own LW and RW words (with their
// LW.B and RW.B bits) and a copy of every device register the image names,
// by port, station, register identifier and address. Registers that were
// never written read 0.
//
// A value of several words at an address takes consecutive places as the
// register's addressing unit counts them: word-addressed registers one
// address per word, byte-addressed two, double-word-addressed half of one.
#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "runtime/AddressRecord.h"

namespace balsar::runtime {

class RegisterMemory {
public:
    // The i-th word of the value at the address; a bit address reads its
    // i-th bit as 0 or 1.
    uint16_t Word(const AddressRecord& address, size_t i = 0) const;
    // A bit address sets its i-th bit to value != 0.
    void SetWord(const AddressRecord& address, size_t i, uint16_t value);
    // The i-th bit from a bit address; a word address reads word i != 0.
    bool Bit(const AddressRecord& address, size_t i = 0) const;
    void SetBit(const AddressRecord& address, size_t i, bool on);
    void Clear() { m_cells.clear(); }

private:
    struct Place {
        uint64_t key;
        int bit; // -1 for a whole word
    };
    static Place PlaceOf(const AddressRecord& address, size_t i);

    std::unordered_map<uint64_t, uint16_t> m_cells;
};

} // namespace balsar::runtime
