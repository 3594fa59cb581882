#pragma once
// Values in the panel's registers: numbers of one, two or four words in the
// word order the panel is set to, BCD-coded registers, floats, and the way
// through a PlcLink to a real device. Device registers are kept in the
// memory as a copy: Refresh reads them from the link, writes go to both.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/AddressRecord.h"
#include "runtime/ElementRecords.h"
#include "runtime/RegisterMemory.h"

namespace balsar::runtime {

class PlcLink;

// How many words a value of that type takes (two-word integers when asked).
int WordsOf(DataType type, bool twoWords);

class RegisterBank {
public:
    RegisterMemory& Memory() { return m_memory; }
    const RegisterMemory& Memory() const { return m_memory; }
    // The link device registers go through; null for none.
    void SetLink(PlcLink* link) { m_link = link; }
    PlcLink* Link() const { return m_link; }
    // Big-endian word order: the first word is the most significant.
    void SetSwapWords(bool swap) { m_swapWords = swap; }

    // The words as they stand, combined: the first word lowest unless the
    // word order is swapped.
    uint64_t Raw(const AddressRecord& address, int words) const;
    void WriteRaw(const AddressRecord& address, int words, uint64_t raw);
    // A number of the type: signed and unsigned integers (decoded when the
    // address is BCD), hexadecimal as the raw bits, floats and doubles.
    double Read(const AddressRecord& address, DataType type, int words) const;
    // Rounded and limited to what the words can hold, BCD-coded when the
    // address is.
    void Write(const AddressRecord& address, DataType type, int words, double value);
    bool ReadBit(const AddressRecord& address, size_t i = 0) const { return m_memory.Bit(address, i); }
    void WriteBit(const AddressRecord& address, bool on);

    // Consecutive values (words, or bits as 0/1) as stored.
    std::vector<uint16_t> Values(const AddressRecord& address, size_t count) const;
    void WriteValues(const AddressRecord& address, const std::vector<uint16_t>& values);

    // Reads count values of a device register from the link into the
    // memory. True for the panel's own registers and without a link; false
    // when the device did not answer.
    bool Refresh(const AddressRecord& address, size_t count);

    // Whether a read or write through the link failed since the last Clear.
    bool LinkFailed() const { return m_linkFailed; }
    void ClearLinkFailed() { m_linkFailed = false; }

private:
    void Forward(const AddressRecord& address, const std::vector<uint16_t>& values);

    RegisterMemory m_memory;
    PlcLink* m_link = nullptr;
    bool m_swapWords = false;
    bool m_linkFailed = false;
};

} // namespace balsar::runtime
