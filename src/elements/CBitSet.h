#pragma once
// The bit action of a function key: what is written to the key's bit.
#include <cstdint>
#include <memory>

#include "base/Archivable.h"
#include "elements/ElementCopy.h"

namespace balsar {

class CBitSet : public Archivable, public CopyableValue<CBitSet> {
    BALSAR_DECLARE_CLASS(CBitSet)
public:
    enum Mode : int32_t {
        BIT_ON = 0,
        BIT_OFF = 1,
        BIT_INVERT = 2,
        BIT_RESET_SWITCH = 3,
        BIT_ON_ENTERING = 4,
        BIT_ON_LEAVING = 5,
        BIT_OFF_ENTERING = 6,
        BIT_OFF_LEAVING = 7,
    };
    static constexpr int kModeCount = 8;

    // Version 1, mode. The version is not checked on loading.
    void Serialize(Archive& ar) override;

    // 0x10 + mode.
    uint32_t FunctionCode() const { return (0x10u + static_cast<uint32_t>(mode)) & 0xFF; }

    bool operator==(const CBitSet& other) const = default;

    int32_t mode = BIT_ON;
};

} // namespace balsar
