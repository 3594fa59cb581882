#pragma once
// The CAN port (port index 3). It is stored but never enabled by the
// communication dialog and has no compiled form.
#include <cstdint>

#include "base/Archivable.h"

namespace balsar {

class CPortCan : public Archivable {
    BALSAR_DECLARE_CLASS(CPortCan)
public:
    void Serialize(Archive& ar) override;
    bool operator==(const CPortCan& other) const = default;

    int32_t enabled = 0;
    int32_t second = 0;
    int32_t protocolId = 0;
};

} // namespace balsar
