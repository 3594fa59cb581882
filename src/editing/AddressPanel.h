#pragma once
// The address editing panel without its window: which ports, register types
// and ranges it offers, and what each choice does to the address. Every
// change is written to the address at once.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plc/AddressText.h"
#include "plc/CAddr.h"

namespace balsar {

class CPortCom;
class ProtocolDescription;
class PortProtocols;

// One entry of the port list: a port number (PORT_LOCAL for "LOCAL") and
// its name.
struct PortChoice {
    int32_t port = PORT_LOCAL;
    std::string name;
    bool operator==(const PortChoice& other) const = default;
};

// The port list: each enabled port among 0, 1 and 2 under its model name,
// then "LOCAL". ports[i] may be null; names[i] is the model's device name.
std::vector<PortChoice> AddressPortChoices(const std::array<const CPortCom*, 3>& ports,
                                           const std::array<std::string, 3>& names, const PortProtocols* protocols);

// wordCount for an owner that fixes the value size by data type: 0 gives 1,
// 1 gives 2, 2 gives 4; a PLC double-word register then needs at least 2.
int32_t WordCountForDataType(int32_t dataType, const CAddr& address, const PortProtocols* protocols);
// wordCount for a text of n bytes: n / 2 rounded up, then rounded up to an
// even number when the address is not a word address.
int32_t WordCountForTextLength(int32_t bytes, const CAddr& address);

class AddressPanel {
public:
    AddressPanel(CAddr& address, const PortProtocols* protocols);

    // LOCAL, or a PLC port: the station range and default, the device name
    // and the register type list follow; the current type is kept when the
    // new list has it, else the first is chosen.
    void ChoosePort(int32_t port);
    // The address takes the type's width (LOCAL word types: WORD) and its
    // fields, clamped into the new ranges.
    void ChooseRegisterType(const std::string& name);

    std::vector<std::string> RegisterTypeChoices() const;
    std::string DeviceText() const;
    bool StationEnabled() const { return m_address.port != PORT_LOCAL; }
    FieldRange StationRange() const;
    FieldRange AddressRange() const;
    bool SubEnabled() const { return m_address.hasSub != 0; }
    FieldRange SubRange() const;
    bool IndexEnabled() const { return m_address.hasIndex != 0; }
    FieldRange IndexRange() const;
    // The format-and-range text: "DDD.H(0.0~255.F)".
    std::string FormatText() const;
    bool EncodingEnabled() const { return m_address.width != WIDTH_BIT; }
    bool WordCountEnabled() const { return m_address.width == WIDTH_WORD && m_fixedWordCount == 0; }

    // Owners that fix the value size: the word-count choice then shows this
    // single count and is disabled.
    void FixDataType(int32_t dataType);
    void FixTextLength(int32_t bytes);
    int32_t FixedWordCount() const { return m_fixedWordCount; }

    // Field edits, clamped into the current ranges.
    void SetStation(int64_t value);
    void SetAddress(int64_t value);
    void SetSub(int64_t value);
    void SetIndex(int64_t value);
    void SetEncoding(int32_t encoding);
    void SetWordCount(int32_t count);

    const CAddr& Address() const { return m_address; }

private:
    const RegisterType* Type() const { return m_address.FindRegisterType(m_protocols); }
    // The protocol loaded for a PLC port; null for LOCAL or no protocols.
    const ProtocolDescription* PortDescription(int32_t port) const;
    void ClampFields();
    void ApplyFixedWordCount();

    CAddr& m_address;
    const PortProtocols* m_protocols;
    int32_t m_fixedWordCount = 0;
    int32_t m_fixedDataType = -1;
    int32_t m_fixedTextBytes = -1;
};

} // namespace balsar
