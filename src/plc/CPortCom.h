#pragma once
// A serial port of the panel (COM0..COM2) bound to one protocol of the
// library, with its line settings, station and driver timing parameters.
#include <cstdint>

#include "base/Archivable.h"
#include "base/ByteWriter.h"

namespace balsar {

class MessageSink;
class PortProtocols;

class CPortCom : public Archivable {
    BALSAR_DECLARE_CLASS(CPortCom)
public:
    explicit CPortCom(int32_t portIndex = 0);

    void Serialize(Archive& ar) override;
    // Appends the 36-byte port record when the port is in use; returns the
    // number of bytes appended (0 when not in use).
    int Compile(Image& image, MessageSink& sink) const;
    // In use for the address editor: the enabled flag is set and the
    // protocol loaded for the port has at least one register type.
    bool IsEnabled(const PortProtocols* protocols) const;
    // Copies every setting but the port index.
    void CopyFrom(const CPortCom& other);
    // Swaps every setting but the port index with another port.
    void Exchange(CPortCom& other);

    bool operator==(const CPortCom& other) const = default;

    static constexpr int kRecordSize = 36;

    int32_t enabled = 0;
    int32_t port = 0;
    int32_t protocolId = 0;
    int32_t serialType = 0;
    int32_t baud = 0;
    int32_t dataBits = 0;
    int32_t parity = 0;
    int32_t stopBits = 0;
    int32_t hasStation = 0;
    int32_t station = 1;
    int32_t commTimeout = 0;
    int32_t protocolTimeout1 = 0;
    int32_t protocolTimeout2 = 0;
    int32_t maxWordsPerPacket = 0;
    int32_t maxBitsPerPacket = 0;
    int32_t wordGap = 0;
    int32_t bitGap = 0;
    int32_t commInterval = 0;
    int32_t errorShowTime = 0;
    int32_t retries = 10;
    int32_t retryAfterLimit = 1;
};

} // namespace balsar
