#pragma once
// The older panel-link record. It is filled only by the legacy XML import and
// its parameter block is handed to the simulator; the project file does not
// carry it.
#include <array>
#include <cstdint>
#include <optional>

#include "base/Archivable.h"

namespace balsar {

class CXmlNodeWrapper;

class CCommunication : public Archivable {
    BALSAR_DECLARE_CLASS(CCommunication)
public:
    static constexpr size_t kBlockSize = 28;

    void Serialize(Archive& ar) override;
    // Appends a "Communication" child to parent. pcComPort is the designer's
    // PC serial port number (1..9).
    void XmlSave(CXmlNodeWrapper& parent, int pcComPort) const;
    // Reads the attributes of a "Communication" element. A text not in its
    // table leaves the field unchanged. plcId is taken from currentPlcId when
    // there is a current older device description.
    void XmlLoad(const CXmlNodeWrapper& node, std::optional<uint8_t> currentPlcId);
    // The 28-byte parameter block in the record's in-memory layout: plcId,
    // displayId, 2 pad bytes, baud, dataBits, stopBits, parity, serialType
    // (32-bit each), configured, sendMaxLen, receiveMaxLen, 1 pad byte.
    std::array<uint8_t, kBlockSize> Block() const;

    bool operator==(const CCommunication& other) const = default;

    uint8_t plcId = 1;
    uint8_t displayId = 1;
    int32_t baud = 7;
    int32_t dataBits = 0;
    int32_t stopBits = 0;
    int32_t parity = 0;
    int32_t serialType = 0;
    uint8_t configured = 0;
    uint8_t sendMaxLen = 10;
    uint8_t receiveMaxLen = 10;
};

} // namespace balsar
