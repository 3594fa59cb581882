#include "runtime/AddressRecord.h"

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

} // namespace balsar::runtime
