#include "runtime/RegisterMemory.h"

namespace balsar::runtime {

namespace {

constexpr uint64_t kBitSpace = 1ull << 39;
constexpr uint64_t kSlotMask = kBitSpace - 1;

uint64_t Key(uint32_t space, bool bits, uint64_t slot) {
    return (static_cast<uint64_t>(space) << 40) | (bits ? kBitSpace : 0) | (slot & kSlotMask);
}

uint32_t Space(uint8_t port, uint8_t station, uint8_t registerId) {
    return (static_cast<uint32_t>(port) << 16) | (static_cast<uint32_t>(station) << 8) | registerId;
}

} // namespace

RegisterMemory::Place RegisterMemory::PlaceOf(const AddressRecord& address, size_t i) {
    const uint64_t linear = address.linear;
    if (address.IsLocal() && (address.registerId == kLocalLWBit || address.registerId == kLocalRWBit)) {
        // The panel's bits are bits of its words: word number above bit number.
        const uint8_t words = address.registerId == kLocalLWBit ? kLocalLW : kLocalRW;
        const uint64_t bit = linear + i;
        return {Key(Space(kLocalPort, 0, words), false, bit >> 4), static_cast<int>(bit & 0xF)};
    }
    const uint32_t space = Space(address.port, address.IsLocal() ? 0 : address.station, address.registerId);
    if (address.IsBit()) {
        return {Key(space, true, linear + i), 0};
    }
    uint64_t slot = linear + i;
    if (!address.IsLocal()) {
        switch (address.UnitSize()) {
        case 0:
            slot = linear + 16 * i;
            break;
        case 1:
            slot = linear + 2 * i;
            break;
        case 4:
            slot = 2 * linear + i;
            break;
        default:
            break;
        }
    }
    return {Key(space, false, slot), -1};
}

uint16_t RegisterMemory::Word(const AddressRecord& address, size_t i) const {
    if (address.IsBit()) {
        return Bit(address, i) ? 1 : 0;
    }
    const auto it = m_cells.find(PlaceOf(address, i).key);
    return it == m_cells.end() ? 0 : it->second;
}

void RegisterMemory::SetWord(const AddressRecord& address, size_t i, uint16_t value) {
    if (address.IsBit()) {
        SetBit(address, i, value != 0);
        return;
    }
    m_cells[PlaceOf(address, i).key] = value;
}

bool RegisterMemory::Bit(const AddressRecord& address, size_t i) const {
    if (!address.IsBit()) {
        return Word(address, i) != 0;
    }
    const Place place = PlaceOf(address, i);
    const auto it = m_cells.find(place.key);
    if (it == m_cells.end()) {
        return false;
    }
    return ((it->second >> place.bit) & 1) != 0;
}

void RegisterMemory::SetBit(const AddressRecord& address, size_t i, bool on) {
    if (!address.IsBit()) {
        SetWord(address, i, on ? 1 : 0);
        return;
    }
    const Place place = PlaceOf(address, i);
    uint16_t& cell = m_cells[place.key];
    const auto mask = static_cast<uint16_t>(1u << place.bit);
    cell = static_cast<uint16_t>(on ? (cell | mask) : (cell & ~mask));
}

} // namespace balsar::runtime
