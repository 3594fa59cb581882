#pragma once
// The word action of a function key: set, add, subtract, step up or down a
// PLC word, with a limit for the adding and subtracting modes and a delay and
// rate for the stepping modes.
#include <cstdint>
#include <memory>
#include <string>

#include "base/Archivable.h"
#include "elements/ElementCopy.h"

namespace balsar {

class CWordSet : public Archivable, public CopyableValue<CWordSet> {
    BALSAR_DECLARE_CLASS(CWordSet)
public:
    enum Mode : int32_t {
        WORD_SET = 0,
        WORD_ADD = 1,
        WORD_SUBTRACT = 2,
        WORD_INCREMENT = 3,
        WORD_DECREMENT = 4,
        WORD_SET_ENTERING = 5,
        WORD_SET_LEAVING = 6,
        WORD_ADD_CYCLING = 7,
        WORD_INCREMENT_CYCLING = 8,
    };
    static constexpr int kModeCount = 9;
    // Delay and rate: tenths of a second, 1 to 15.
    static constexpr int kTenthsCount = 15;

    // Version 1, mode, value, limit, delay, speed, immediate. The version is
    // not checked on loading.
    void Serialize(Archive& ar) override;

    // 0x20 + mode.
    uint32_t FunctionCode() const { return (0x20u + static_cast<uint32_t>(mode)) & 0xFF; }
    // Words of the key's function block for this mode, the first included:
    // 2 (value) for the setting modes, 3 (value, limit) for adding and
    // subtracting, 5 (value, limit, delay, speed) for the stepping and
    // cycling modes and for any mode the list does not know.
    static int BlockWords(int32_t mode);
    // The values that follow the first word, in block order.
    uint32_t ValueWord(int index) const;

    // Page rules: the value box's label, the limit box's label (empty when
    // the mode uses no limit), whether the limit and the delay, rate and
    // immediate controls are enabled.
    static const char* ValueLabel(int32_t mode);
    static const char* LimitLabel(int32_t mode);
    static bool UsesLimit(int32_t mode);
    static bool UsesTiming(int32_t mode);
    // Entry i (0..14) of the delay and rate lists ("0.1 sec" .. "1.5 sec"); a
    // list index stores as index + 1 tenths.
    static std::string TenthsText(int index);

    bool operator==(const CWordSet& other) const = default;

    int32_t mode = WORD_SET;
    int32_t value = 0;
    int32_t limit = 0;
    int32_t delay = 1;
    int32_t speed = 1;
    int32_t immediate = 0;
};

} // namespace balsar
