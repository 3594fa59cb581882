#include "plc/CAddr.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CAddr, 0, nullptr)

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

} // namespace balsar
