#pragma once
// A register address: a value in a connected PLC (port 0..3) or in the
// panel's own memory (LOCAL), with its width, encoding and word count.
//
// An address does not keep the protocol description of its port: every
// lookup goes through the description loaded for the port at the time, so a
// protocol change takes effect at the next compile or edit.
//
// Owners that hold addresses (element kinds, settings, lists) forward their
// project-wide operations to each address:
//   ResetAddress()  -> ResetIfPortChanged()
//   SwapPorts(a, b) -> SwapPorts(a, b)
#include <array>
#include <cstdint>
#include <string>

#include "base/Archivable.h"
#include "base/ByteWriter.h"
#include "plc/PlcTypes.h"

namespace balsar {

class MessageSink;
class PortProtocols;
struct RegisterType;

class CAddr : public Archivable {
    BALSAR_DECLARE_CLASS(CAddr)
public:
    static constexpr size_t kRecordSize = 12;
    // Register identifiers of the panel's own register types.
    static constexpr uint8_t kLocalLW = 0xFF;
    static constexpr uint8_t kLocalRW = 0xFE;
    static constexpr uint8_t kLocalLWBit = 0xF9;
    static constexpr uint8_t kLocalRWBit = 0xF8;

    explicit CAddr(int32_t width = WIDTH_BIT);

    // Sets the defaults for a width on the given port (LOCAL by default):
    // register type "LW.B" for bits and "LW" otherwise, address 0, a
    // sub-address for bits only, word count 2 for double words.
    void Reset(int32_t width, int32_t port = PORT_LOCAL, int32_t station = 0);
    // The defaults of a new address: on the lowest-numbered port whose
    // enabled flag is set (LOCAL when none is), with that port protocol's
    // default station number. protocols may be null.
    void ResetOnFirstEnabledPort(int32_t width, const std::array<int32_t, 4>& portEnabled,
                                 const PortProtocols* protocols);
    void CopyFrom(const CAddr& other) { *this = other; }
    // Moves an address on port a to port b and one on port b to port a.
    void SwapPorts(int32_t a, int32_t b);

    // Resets to the LOCAL defaults of the same width when the address is on
    // a PLC port flagged in portChanged.
    void ResetIfPortChanged(const std::array<bool, 4>& portChanged);
    // Resets to the LOCAL defaults when the address was marked as lying on a
    // changed port (MarkIfPortChanged, or a port swap onto the port's
    // PendingResetPort number); other addresses are left alone.
    void ResetIfPortChanged();
    // Marks an address on a flagged PLC port for ResetIfPortChanged() by
    // moving it to that port's pending-reset number; UnmarkPendingReset puts
    // a marked address that nobody reset back on its port.
    void MarkIfPortChanged(const std::array<bool, 4>& portChanged);
    void UnmarkPendingReset();
    bool IsResetPending() const { return PendingResetOrigin(port) >= 0; }
    // Pending-reset port number of a PLC port, and back (-1 when not one).
    static int32_t PendingResetPort(int32_t plcPort) { return kPendingResetBase - plcPort; }
    static int32_t PendingResetOrigin(int32_t portNumber);

    void Serialize(Archive& ar) override;

    // Appends the 12-byte record. An address on a PLC port whose register
    // type the port's protocol does not define (or with no protocol at all)
    // is compiled as the LOCAL default of its width; the address itself is
    // never changed (the project check reports such addresses).
    void Compile(Image& image, const PortProtocols* protocols, MessageSink& sink) const;
    // True when the address can be compiled as it stands: on LOCAL, or on a
    // PLC port whose protocol defines its register type.
    bool IsDefinedFor(const PortProtocols* protocols) const;
    // The register type record of a PLC address; null on LOCAL or when the
    // port's protocol does not define it.
    const RegisterType* FindRegisterType(const PortProtocols* protocols) const;

    // Byte 4 of the record. Unknown LOCAL names show a message and give 0.
    uint8_t RegisterId(const PortProtocols* protocols, MessageSink& sink) const;
    // Byte 5: value size code (low nibble) and addressing unit code (high).
    uint8_t RegisterFormat(const PortProtocols* protocols, MessageSink& sink) const;
    // Bytes 6-7: 1 for BIT, wordCount for WORD, wordCount / 2 for DWORD.
    uint16_t Count() const;
    // Bytes 8-11.
    uint32_t LinearAddress(const PortProtocols* protocols) const;
    // 0 without a sub-address; 4 on LOCAL; else the sub-address bit length.
    int32_t SubShift(const PortProtocols* protocols) const;
    // 0 on LOCAL; else the register type's byte order flag.
    bool IsBigEndian(const PortProtocols* protocols) const;
    // The addressing unit: the register type's on a PLC port; on LOCAL 0 for
    // BIT, 2 for WORD and 3 for DWORD.
    int32_t UnitMode(const PortProtocols* protocols) const;
    // How many addressing units one value occupies: value bytes (WORD 2,
    // DWORD 4, BIT 0) divided by the unit's bytes; with a BIT unit, the
    // value's bits (BIT 1, WORD 16, DWORD 32).
    int32_t UnitsPerValue(const PortProtocols* protocols) const;

    // Every field compared.
    bool operator==(const CAddr& other) const;

    int32_t width = WIDTH_BIT;
    int32_t port = PORT_LOCAL;
    int32_t station = 0;
    std::string regType;
    std::string text;
    int32_t address = 0;
    int32_t hasSub = 0;
    int32_t sub = 0;
    int32_t hasIndex = 0;
    int32_t index = 0;
    int32_t encoding = ENCODING_BIN;
    int32_t wordCount = 1;

private:
    static constexpr int32_t kPendingResetBase = -100;
    void WriteRecord(Image& image, const PortProtocols* protocols, MessageSink& sink) const;
};

} // namespace balsar
