#pragma once
// A serial port of the panel (COM0..COM2) bound to one protocol of the
// library, with its line settings, station and driver timing parameters.
// The eleven driver values are the port's AdvancedPortSettings part: the
// port page and the advanced dialog take and give them as one value, while
// the archive and the compiled record name each field where it belongs.
#include <cstdint>

#include "base/Archivable.h"
#include "base/ByteWriter.h"
#include "plc/AdvancedPortSettings.h"

namespace balsar {

class MessageSink;
class PortProtocols;

class CPortCom : public Archivable, public AdvancedPortSettings {
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

    AdvancedPortSettings& Advanced() { return *this; }
    const AdvancedPortSettings& Advanced() const { return *this; }

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
};

} // namespace balsar
