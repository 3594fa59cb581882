#pragma once
// The jump action of a function key: show another screen, go back to the
// previous one, or open the password or the alarm-list screen.
#include <cstdint>
#include <memory>

#include "base/Archivable.h"
#include "elements/ElementCopy.h"

namespace balsar {

class CJumpFrame : public Archivable, public CopyableValue<CJumpFrame> {
    BALSAR_DECLARE_CLASS(CJumpFrame)
public:
    enum Kind : int32_t { JUMP_TO_SCREEN = 0, JUMP_BACK = 1, JUMP_PASSWORD = 2, JUMP_ALARM_LIST = 3 };

    // Version 1, target screen (16-bit), kind (32-bit). The version is not
    // checked on loading.
    void Serialize(Archive& ar) override;

    // The function code the key compiles: the kind itself.
    uint32_t FunctionCode() const { return static_cast<uint32_t>(kind) & 0xFF; }
    // The page's screen list is enabled only for a jump to a given screen;
    // the target stays stored whatever the kind.
    bool TargetEnabled() const { return kind == JUMP_TO_SCREEN; }

    bool operator==(const CJumpFrame& other) const = default;

    int32_t kind = JUMP_TO_SCREEN;
    uint16_t targetScreen = 1;
};

} // namespace balsar
