#include "plc/CPortCan.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CPortCan, 1, nullptr)

void CPortCan::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(enabled);
    if (enabled != 0) {
        ar.Value(second);
        ar.Value(protocolId);
    }
}

} // namespace balsar
