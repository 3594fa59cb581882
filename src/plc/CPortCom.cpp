#include "plc/CPortCom.h"

#include <utility>

#include "base/Archive.h"
#include "plc/CommuUtils.h"
#include "plc/PortProtocols.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CPortCom, 1, nullptr)

CPortCom::CPortCom(int32_t portIndex) : port(portIndex) {}

void CPortCom::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(enabled);
    if (enabled == 0) {
        return;
    }
    for (int32_t* field : {&port, &protocolId, &serialType, &baud, &dataBits, &parity, &stopBits, &hasStation,
                           &station, &commTimeout, &protocolTimeout1, &protocolTimeout2, &maxWordsPerPacket,
                           &maxBitsPerPacket, &wordGap, &bitGap, &commInterval, &errorShowTime, &retries,
                           &retryAfterLimit}) {
        ar.Value(*field);
    }
}

int CPortCom::Compile(Image& image, MessageSink& sink) const {
    if (enabled == 0) {
        return 0;
    }
    const size_t start = image.size();
    AppendBytes(image, static_cast<uint32_t>(port), 1);
    AppendBytes(image, CommuUtils::SerialTypeCompileValue(serialType, sink), 1);
    AppendBytes(image, CommuUtils::DataBitCompileValue(dataBits, sink), 1);
    AppendBytes(image, CommuUtils::VerifyBitCompileValue(parity, sink), 1);
    AppendBytes(image, CommuUtils::BaudRateCompileValue(baud, sink), 4);
    AppendBytes(image, CommuUtils::StopBitCompileValue(stopBits, sink), 1);
    AppendBytes(image, hasStation != 0 ? 1 : 0, 1);
    AppendBytes(image, static_cast<uint32_t>(protocolId), 2);
    AppendBytes(image, static_cast<uint32_t>(commTimeout), 4);
    AppendBytes(image, static_cast<uint32_t>(protocolTimeout1), 4);
    AppendBytes(image, static_cast<uint32_t>(protocolTimeout2), 4);
    AppendBytes(image, static_cast<uint32_t>(station), 2);
    AppendBytes(image, static_cast<uint32_t>(maxWordsPerPacket), 2);
    AppendBytes(image, static_cast<uint32_t>(maxBitsPerPacket), 2);
    AppendBytes(image, static_cast<uint32_t>(wordGap), 1);
    AppendBytes(image, static_cast<uint32_t>(bitGap), 1);
    AppendBytes(image, static_cast<uint32_t>(commInterval), 1);
    AppendBytes(image, static_cast<uint32_t>(errorShowTime), 1);
    AppendBytes(image, static_cast<uint32_t>(retries), 1);
    AppendBytes(image, retryAfterLimit == 0 ? 1 : 0, 1);
    return static_cast<int>(image.size() - start);
}

bool CPortCom::IsEnabled(const PortProtocols* protocols) const {
    if (enabled == 0 || protocols == nullptr) {
        return false;
    }
    const ProtocolDescription* description = protocols->PortProtocol(port);
    return description != nullptr && description->HasRegisterTypes();
}

void CPortCom::CopyFrom(const CPortCom& other) {
    const int32_t keep = port;
    *this = other;
    port = keep;
}

void CPortCom::Exchange(CPortCom& other) {
    std::swap(*this, other);
    std::swap(port, other.port);
}

} // namespace balsar
