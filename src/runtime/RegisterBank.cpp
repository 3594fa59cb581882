#include "runtime/RegisterBank.h"

#include "runtime/NumberCodec.h"
#include "runtime/PlcLink.h"

namespace balsar::runtime {

int WordsOf(DataType type, bool twoWords) {
    switch (type) {
    case DataType::Double:
        return 4;
    case DataType::Float:
        return 2;
    default:
        return twoWords ? 2 : 1;
    }
}

uint64_t RegisterBank::Raw(const AddressRecord& address, int words) const {
    uint64_t raw = 0;
    for (int i = 0; i < words; ++i) {
        const int place = m_swapWords ? words - 1 - i : i;
        raw |= static_cast<uint64_t>(m_memory.Word(address, static_cast<size_t>(i))) << (16 * place);
    }
    return raw;
}

void RegisterBank::WriteRaw(const AddressRecord& address, int words, uint64_t raw) {
    std::vector<uint16_t> values(static_cast<size_t>(words));
    for (int i = 0; i < words; ++i) {
        const int place = m_swapWords ? words - 1 - i : i;
        values[static_cast<size_t>(i)] = static_cast<uint16_t>(raw >> (16 * place));
    }
    WriteValues(address, values);
}

double RegisterBank::Read(const AddressRecord& address, DataType type, int words) const {
    if (address.IsBit()) {
        return m_memory.Bit(address) ? 1.0 : 0.0;
    }
    return DecodeNumber(Raw(address, words), type, words, address.IsBcd());
}

void RegisterBank::Write(const AddressRecord& address, DataType type, int words, double value) {
    if (address.IsBit()) {
        WriteBit(address, value != 0);
        return;
    }
    WriteRaw(address, words, EncodeNumber(value, type, words, address.IsBcd()));
}

void RegisterBank::WriteBit(const AddressRecord& address, bool on) { WriteValues(address, {on ? uint16_t{1} : uint16_t{0}}); }

std::vector<uint16_t> RegisterBank::Values(const AddressRecord& address, size_t count) const {
    std::vector<uint16_t> values(count);
    for (size_t i = 0; i < count; ++i) {
        values[i] = m_memory.Word(address, i);
    }
    return values;
}

void RegisterBank::WriteValues(const AddressRecord& address, const std::vector<uint16_t>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        m_memory.SetWord(address, i, values[i]);
    }
    Forward(address, values);
}

void RegisterBank::Forward(const AddressRecord& address, const std::vector<uint16_t>& values) {
    if (m_link != nullptr && !address.IsLocal() && !values.empty()) {
        if (!m_link->Write(address, values)) {
            m_linkFailed = true;
        }
    }
}

bool RegisterBank::Refresh(const AddressRecord& address, size_t count) {
    if (m_link == nullptr || address.IsLocal() || count == 0) {
        return true;
    }
    std::vector<uint16_t> values(count);
    if (!m_link->Read(address, values)) {
        m_linkFailed = true;
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        m_memory.SetWord(address, i, values[i]);
    }
    return true;
}

} // namespace balsar::runtime
