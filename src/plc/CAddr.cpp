#include "plc/CAddr.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "plc/PlcStrings.h"
#include "plc/PortProtocols.h"
#include "plc/RegisterType.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CAddr, 0, nullptr)

namespace {

constexpr int32_t kLocalSubShift = 4;

// Value size code of a width: BIT 0, WORD 2, DWORD 4.
uint8_t WidthCode(int32_t width) {
    switch (width) {
    case WIDTH_WORD:
        return 2;
    case WIDTH_DWORD:
        return 4;
    default:
        return 0;
    }
}

// Size code of an addressing unit: BIT 0, BYTE 1, WORD 2, DWORD 4.
uint8_t UnitCode(int32_t unit) {
    switch (unit) {
    case UNIT_BYTE:
        return 1;
    case UNIT_WORD:
        return 2;
    case UNIT_DWORD:
        return 4;
    default:
        return 0;
    }
}

} // namespace

CAddr::CAddr(int32_t widthValue) { Reset(widthValue); }

void CAddr::Reset(int32_t widthValue, int32_t portValue, int32_t stationValue) {
    width = widthValue;
    port = portValue;
    station = portValue == PORT_LOCAL ? 0 : stationValue;
    regType = widthValue == WIDTH_BIT ? "LW.B" : "LW";
    text.clear();
    address = 0;
    hasSub = widthValue == WIDTH_BIT ? 1 : 0;
    sub = 0;
    hasIndex = 0;
    index = 0;
    encoding = ENCODING_BIN;
    wordCount = widthValue == WIDTH_DWORD ? 2 : 1;
}

void CAddr::ResetOnFirstEnabledPort(int32_t widthValue, const std::array<int32_t, 4>& portEnabled,
                                    const PortProtocols* protocols) {
    for (int32_t p = 0; p < 4; ++p) {
        if (portEnabled[static_cast<size_t>(p)] != 0) {
            const ProtocolDescription* description = protocols ? protocols->PortProtocol(p) : nullptr;
            Reset(widthValue, p, description ? description->stationDefault : 0);
            return;
        }
    }
    Reset(widthValue, PORT_LOCAL);
}

void CAddr::SwapPorts(int32_t a, int32_t b) {
    if (a == b) {
        return;
    }
    if (port == a) {
        port = b;
    } else if (port == b) {
        port = a;
    }
}

void CAddr::ResetIfPortChanged(const std::array<bool, 4>& portChanged) {
    if (port >= 0 && port < 4 && portChanged[static_cast<size_t>(port)]) {
        Reset(width, PORT_LOCAL);
    }
}

void CAddr::ResetIfPortChanged() {
    if (IsResetPending()) {
        Reset(width, PORT_LOCAL);
    }
}

void CAddr::MarkIfPortChanged(const std::array<bool, 4>& portChanged) {
    if (port >= 0 && port < 4 && portChanged[static_cast<size_t>(port)]) {
        port = PendingResetPort(port);
    }
}

void CAddr::UnmarkPendingReset() {
    if (IsResetPending()) {
        port = PendingResetOrigin(port);
    }
}

int32_t CAddr::PendingResetOrigin(int32_t portNumber) {
    const int32_t origin = kPendingResetBase - portNumber;
    return (origin >= 0 && origin < 4) ? origin : -1;
}

void CAddr::Serialize(Archive& ar) {
    int32_t version = 2;
    ar.Value(version);
    ar.Value(width);
    ar.Value(port);
    ar.Value(station);
    ar.String(regType);
    ar.String(text);
    ar.Value(address);
    ar.Value(hasSub);
    ar.Value(sub);
    ar.Value(encoding);
    ar.Value(wordCount);
    if (version >= 2) {
        ar.Value(hasIndex);
        ar.Value(index);
    } else {
        hasIndex = 0;
        index = 0;
    }
}

bool CAddr::operator==(const CAddr& other) const {
    return width == other.width && port == other.port && station == other.station && regType == other.regType &&
           text == other.text && address == other.address && hasSub == other.hasSub && sub == other.sub &&
           hasIndex == other.hasIndex && index == other.index && encoding == other.encoding &&
           wordCount == other.wordCount;
}

const RegisterType* CAddr::FindRegisterType(const PortProtocols* protocols) const {
    if (port == PORT_LOCAL || protocols == nullptr) {
        return nullptr;
    }
    const ProtocolDescription* description = protocols->PortProtocol(port);
    return description ? description->FindRegisterType(width == WIDTH_BIT, regType) : nullptr;
}

bool CAddr::IsDefinedFor(const PortProtocols* protocols) const {
    return port == PORT_LOCAL || FindRegisterType(protocols) != nullptr;
}

void CAddr::Compile(Image& image, const PortProtocols* protocols, MessageSink& sink) const {
    if (IsDefinedFor(protocols)) {
        WriteRecord(image, protocols, sink);
        return;
    }
    CAddr local(*this);
    local.Reset(width, PORT_LOCAL);
    local.WriteRecord(image, protocols, sink);
}

void CAddr::WriteRecord(Image& image, const PortProtocols* protocols, MessageSink& sink) const {
    uint32_t flags = 0;
    if (encoding == ENCODING_BCD) {
        flags |= 0x80;
    }
    if (IsBigEndian(protocols)) {
        flags |= 0x01;
    }
    AppendBytes(image, 0x03, 1);
    AppendBytes(image, flags, 1);
    AppendBytes(image, port == PORT_LOCAL ? 0xFFu : static_cast<uint32_t>(port), 1);
    AppendBytes(image, port == PORT_LOCAL ? 0u : static_cast<uint32_t>(station), 1);
    AppendBytes(image, RegisterId(protocols, sink), 1);
    AppendBytes(image, RegisterFormat(protocols, sink), 1);
    AppendBytes(image, Count(), 2);
    AppendBytes(image, LinearAddress(protocols), 4);
}

uint8_t CAddr::RegisterId(const PortProtocols* protocols, MessageSink& sink) const {
    if (port != PORT_LOCAL) {
        const RegisterType* type = FindRegisterType(protocols);
        return type ? static_cast<uint8_t>(type->id & 0xFF) : 0;
    }
    if (regType == "LW.B") {
        return kLocalLWBit;
    }
    if (regType == "LW") {
        return kLocalLW;
    }
    if (regType == "RW.B") {
        return kLocalRWBit;
    }
    if (regType == "RW") {
        return kLocalRW;
    }
    sink.Message(Format(texts::kRegIdNotSupported, regType.c_str()));
    return 0;
}

uint8_t CAddr::RegisterFormat(const PortProtocols* protocols, MessageSink& sink) const {
    uint8_t low = 0;
    if (port != PORT_LOCAL) {
        low = WidthCode(width);
    } else if (regType == "LW" || regType == "RW") {
        low = 2;
    } else if (regType != "LW.B" && regType != "RW.B") {
        sink.Message(Format(texts::kRegTypeNotSupported, regType.c_str()));
    }
    return static_cast<uint8_t>(low | (UnitCode(UnitMode(protocols)) << 4));
}

uint16_t CAddr::Count() const {
    switch (width) {
    case WIDTH_BIT:
        return 1;
    case WIDTH_DWORD:
        return static_cast<uint16_t>(wordCount / 2);
    default:
        return static_cast<uint16_t>(wordCount);
    }
}

int32_t CAddr::SubShift(const PortProtocols* protocols) const {
    if (hasSub == 0) {
        return 0;
    }
    if (port == PORT_LOCAL) {
        return kLocalSubShift;
    }
    const RegisterType* type = FindRegisterType(protocols);
    return type ? type->subLength : 0;
}

uint32_t CAddr::LinearAddress(const PortProtocols* protocols) const {
    // Unsigned arithmetic: a damaged file may hold any values, and the
    // record keeps the low 32 bits whatever they are.
    uint32_t value = static_cast<uint32_t>(address);
    if (hasSub != 0) {
        const int32_t shift = SubShift(protocols);
        value = (shift >= 32 ? 0u : value << shift) + static_cast<uint32_t>(sub);
    }
    if (hasIndex != 0) {
        value += static_cast<uint32_t>(index) * (hasSub != 0 ? 800000u : 100000u);
    }
    return value;
}

bool CAddr::IsBigEndian(const PortProtocols* protocols) const {
    if (port == PORT_LOCAL) {
        return false;
    }
    const RegisterType* type = FindRegisterType(protocols);
    return type != nullptr && type->bigEndian;
}

int32_t CAddr::UnitMode(const PortProtocols* protocols) const {
    if (port != PORT_LOCAL) {
        const RegisterType* type = FindRegisterType(protocols);
        return type ? type->unit : UNIT_BIT;
    }
    switch (width) {
    case WIDTH_WORD:
        return UNIT_WORD;
    case WIDTH_DWORD:
        return UNIT_DWORD;
    default:
        return UNIT_BIT;
    }
}

int32_t CAddr::UnitsPerValue(const PortProtocols* protocols) const {
    const int32_t unitBytes = UnitCode(UnitMode(protocols));
    if (unitBytes == 0) {
        return width == WIDTH_DWORD ? 32 : width == WIDTH_WORD ? 16 : 1;
    }
    return WidthCode(width) / unitBytes;
}

} // namespace balsar
