#include "editing/AddressPanel.h"

#include <algorithm>

#include "plc/CPortCom.h"
#include "plc/PlcStrings.h"
#include "plc/PortProtocols.h"
#include "plc/RegisterType.h"

namespace balsar {

namespace {

bool IsLocalBitType(const std::string& name) { return name == "LW.B" || name == "RW.B"; }

// The value clamped into the range, then into an int32.
int32_t Clamped(int64_t value, const FieldRange& range) {
    const int64_t inRange = std::clamp(value, range.minimum, std::max(range.minimum, range.maximum));
    return static_cast<int32_t>(std::clamp<int64_t>(inRange, INT32_MIN, INT32_MAX));
}

} // namespace

std::vector<PortChoice> AddressPortChoices(const std::array<const CPortCom*, 3>& ports,
                                           const std::array<std::string, 3>& names, const PortProtocols* protocols) {
    std::vector<PortChoice> choices;
    for (size_t i = 0; i < ports.size(); ++i) {
        if (ports[i] != nullptr && ports[i]->IsEnabled(protocols)) {
            choices.push_back({static_cast<int32_t>(i), names[i]});
        }
    }
    choices.push_back({PORT_LOCAL, texts::kLocalPortName});
    return choices;
}

int32_t WordCountForDataType(int32_t dataType, const CAddr& address, const PortProtocols* protocols) {
    static constexpr int32_t kCounts[] = {1, 2, 4};
    int32_t count = (dataType >= 0 && dataType < 3) ? kCounts[dataType] : 1;
    const RegisterType* type = address.FindRegisterType(protocols);
    if (count == 1 && type != nullptr && type->width == WIDTH_DWORD) {
        count = 2;
    }
    return count;
}

int32_t WordCountForTextLength(int32_t bytes, const CAddr& address) {
    int32_t count = bytes <= 0 ? 0 : bytes / 2 + bytes % 2;
    if (address.width != WIDTH_WORD && count % 2 != 0) {
        ++count;
    }
    return count;
}

AddressPanel::AddressPanel(CAddr& address, const PortProtocols* protocols)
    : m_address(address), m_protocols(protocols) {}

std::vector<std::string> AddressPanel::RegisterTypeChoices() const {
    const bool bit = m_address.width == WIDTH_BIT;
    if (m_address.port == PORT_LOCAL) {
        return bit ? std::vector<std::string>{"LW.B", "RW.B"} : std::vector<std::string>{"LW", "RW"};
    }
    const ProtocolDescription* description = PortDescription(m_address.port);
    return description ? description->RegisterNames(bit) : std::vector<std::string>{};
}

std::string AddressPanel::DeviceText() const {
    if (m_address.port == PORT_LOCAL) {
        return texts::kLocalPortName;
    }
    const ProtocolDescription* description = PortDescription(m_address.port);
    return description ? description->plcName : std::string();
}

void AddressPanel::ChoosePort(int32_t port) {
    const int32_t previous = m_address.port;
    if (port == PORT_LOCAL) {
        m_address.port = PORT_LOCAL;
        m_address.station = 0;
    } else {
        m_address.port = port;
        const ProtocolDescription* description = PortDescription(port);
        if (port != previous && description != nullptr) {
            m_address.station = description->stationDefault;
        }
    }
    const std::vector<std::string> types = RegisterTypeChoices();
    if (std::find(types.begin(), types.end(), m_address.regType) != types.end()) {
        ChooseRegisterType(m_address.regType);
    } else if (!types.empty()) {
        ChooseRegisterType(types.front());
    }
}

void AddressPanel::ChooseRegisterType(const std::string& name) {
    m_address.regType = name;
    if (m_address.port == PORT_LOCAL) {
        if (!IsLocalBitType(name)) {
            m_address.width = WIDTH_WORD;
        }
        m_address.hasSub = IsLocalBitType(name) ? 1 : 0;
        m_address.hasIndex = 0;
    } else if (const RegisterType* type = Type()) {
        m_address.width = type->width;
        m_address.hasSub = type->hasSub ? 1 : 0;
        m_address.hasIndex = type->hasIndex ? 1 : 0;
    }
    if (m_address.width == WIDTH_DWORD) {
        m_address.wordCount = 2;
    } else if (m_address.width == WIDTH_WORD && m_address.wordCount != 1 && m_address.wordCount != 2) {
        m_address.wordCount = 1;
    }
    if (m_address.width == WIDTH_BIT) {
        m_address.encoding = ENCODING_BIN;
    }
    ClampFields();
    ApplyFixedWordCount();
}

FieldRange AddressPanel::StationRange() const {
    const ProtocolDescription* description = PortDescription(m_address.port);
    return description ? FieldRange{BASE_DEC, description->stationMin, description->stationMax} : FieldRange{BASE_DEC, 0, 0};
}

FieldRange AddressPanel::AddressRange() const {
    if (m_address.port == PORT_LOCAL) {
        const bool rw = m_address.regType == "RW" || m_address.regType == "RW.B";
        return {BASE_DEC, 0, rw ? 511 : 255};
    }
    const RegisterType* type = Type();
    return type ? FieldRange{type->addressBase, type->minAddress, type->maxAddress} : FieldRange{};
}

FieldRange AddressPanel::SubRange() const {
    if (m_address.port == PORT_LOCAL) {
        return {BASE_HEX, 0, 15};
    }
    const RegisterType* type = Type();
    return type && type->hasSub ? FieldRange{type->subBase, type->subMin, type->subMax} : FieldRange{};
}

FieldRange AddressPanel::IndexRange() const {
    const RegisterType* type = m_address.port == PORT_LOCAL ? nullptr : Type();
    return type && type->hasIndex ? FieldRange{type->indexBase, type->indexMin, type->indexMax} : FieldRange{};
}

std::string AddressPanel::FormatText() const {
    return m_address.hasSub != 0 ? RangeText(AddressRange(), SubRange()) : RangeText(AddressRange());
}

const ProtocolDescription* AddressPanel::PortDescription(int32_t port) const {
    return (m_protocols != nullptr && port != PORT_LOCAL) ? m_protocols->PortProtocol(port) : nullptr;
}

void AddressPanel::ClampFields() {
    if (m_address.hasSub == 0) {
        m_address.sub = 0;
    }
    if (m_address.hasIndex == 0) {
        m_address.index = 0;
    }
    SetAddress(m_address.address);
    SetSub(m_address.sub);
    SetIndex(m_address.index);
    SetStation(m_address.station);
}

void AddressPanel::FixDataType(int32_t dataType) {
    m_fixedDataType = dataType;
    m_fixedTextBytes = -1;
    ApplyFixedWordCount();
}

void AddressPanel::FixTextLength(int32_t bytes) {
    m_fixedTextBytes = bytes;
    m_fixedDataType = -1;
    ApplyFixedWordCount();
}

void AddressPanel::ApplyFixedWordCount() {
    if (m_fixedDataType >= 0) {
        m_fixedWordCount = WordCountForDataType(m_fixedDataType, m_address, m_protocols);
    } else if (m_fixedTextBytes >= 0) {
        m_fixedWordCount = WordCountForTextLength(m_fixedTextBytes, m_address);
    } else {
        return;
    }
    m_address.wordCount = m_fixedWordCount;
}

void AddressPanel::SetStation(int64_t value) {
    if (m_address.port != PORT_LOCAL) {
        m_address.station = Clamped(value, StationRange());
    }
}

void AddressPanel::SetAddress(int64_t value) { m_address.address = Clamped(value, AddressRange()); }

void AddressPanel::SetSub(int64_t value) {
    if (m_address.hasSub != 0) {
        m_address.sub = Clamped(value, SubRange());
    }
}

void AddressPanel::SetIndex(int64_t value) {
    if (m_address.hasIndex != 0) {
        m_address.index = Clamped(value, IndexRange());
    }
}

void AddressPanel::SetEncoding(int32_t encoding) {
    if (EncodingEnabled()) {
        m_address.encoding = encoding == ENCODING_BCD ? ENCODING_BCD : ENCODING_BIN;
    }
}

void AddressPanel::SetWordCount(int32_t count) {
    if (WordCountEnabled() && (count == 1 || count == 2)) {
        m_address.wordCount = count;
    }
}

} // namespace balsar
