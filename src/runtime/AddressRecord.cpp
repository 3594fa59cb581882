#include "runtime/AddressRecord.h"

#include <charconv>
#include <vector>

#include "base/Text.h"
#include "runtime/ImageBytes.h"

namespace balsar::runtime {

AddressRecord AddressRecord::Read(const ImageBytes& bytes, size_t offset, const RecordName& record) {
    bytes.Require(offset, kSize, record);
    if (bytes.U8(offset, record) != 0x03) {
        ImageBytes::Fail(offset, record,
                         Format("address record tag is %u, not 3", static_cast<unsigned>(bytes.U8(offset, record))));
    }
    AddressRecord address;
    address.flags = bytes.U8(offset + 1, record);
    address.port = bytes.U8(offset + 2, record);
    address.station = bytes.U8(offset + 3, record);
    address.registerId = bytes.U8(offset + 4, record);
    address.format = bytes.U8(offset + 5, record);
    address.count = bytes.U16(offset + 6, record);
    address.linear = bytes.U32(offset + 8, record);
    if (address.port > 3 && address.port != kLocalPort) {
        ImageBytes::Fail(offset + 2, record, Format("address names port %u", static_cast<unsigned>(address.port)));
    }
    return address;
}

std::string AddressRecord::Text() const {
    if (IsLocal()) {
        switch (registerId) {
        case kLocalLW:
            return Format("LW%u", linear);
        case kLocalRW:
            return Format("RW%u", linear);
        case kLocalLWBit:
            return Format("LW%u.%X", linear >> 4, linear & 0xF);
        case kLocalRWBit:
            return Format("RW%u.%X", linear >> 4, linear & 0xF);
        default:
            break;
        }
    }
    return Format("%s%u st%u reg %u @%u", IsLocal() ? "LOCAL" : "COM", IsLocal() ? 0u : port,
                  static_cast<unsigned>(station), static_cast<unsigned>(registerId), linear);
}

namespace {

bool Number(std::string_view text, uint32_t& value, int base = 10) {
    if (text.empty()) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

bool AddressRecord::FromText(std::string_view text, AddressRecord& out) {
    if (text.size() > 2 && (text.substr(0, 2) == "LW" || text.substr(0, 2) == "RW")) {
        const bool lw = text[0] == 'L';
        const auto parts = Split(text.substr(2), '.');
        uint32_t word = 0;
        uint32_t bit = 0;
        if (parts.size() > 2 || !Number(parts[0], word) || word > 0x0FFFFFFF) {
            return false;
        }
        out = AddressRecord{};
        if (parts.size() == 1) {
            out.registerId = lw ? kLocalLW : kLocalRW;
            out.linear = word;
            return true;
        }
        if (!Number(parts[1], bit, 16) || bit > 15) {
            return false;
        }
        out.registerId = lw ? kLocalLWBit : kLocalRWBit;
        out.format = 0x00;
        out.linear = word * 16 + bit;
        return true;
    }
    const auto parts = Split(text, ':');
    uint32_t port = 0;
    uint32_t station = 0;
    uint32_t id = 0;
    uint32_t linear = 0;
    if ((parts.size() != 4 && parts.size() != 5) || !Number(parts[0], port) || port > 3 ||
        !Number(parts[1], station) || station > 255 || !Number(parts[2], id) || id > 255 ||
        !Number(parts[3], linear)) {
        return false;
    }
    out = AddressRecord{};
    out.port = static_cast<uint8_t>(port);
    out.station = static_cast<uint8_t>(station);
    out.registerId = static_cast<uint8_t>(id);
    out.linear = linear;
    if (parts.size() == 5) {
        if (parts[4] == "bit") {
            out.format = 0x00;
        } else if (parts[4] == "dword") {
            out.format = 0x24;
        } else if (parts[4] != "word") {
            return false;
        }
    }
    return true;
}

} // namespace balsar::runtime
