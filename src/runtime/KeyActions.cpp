#include "runtime/KeyActions.h"

#include <algorithm>

#include "runtime/RegisterBank.h"

namespace balsar::runtime {

namespace {

enum Function : int {
    BIT_ON = 0x10,
    BIT_OFF = 0x11,
    BIT_INVERT = 0x12,
    BIT_MOMENTARY = 0x13,
    BIT_ON_ENTER = 0x14,
    BIT_ON_LEAVE = 0x15,
    BIT_OFF_ENTER = 0x16,
    BIT_OFF_LEAVE = 0x17,
    WORD_SET = 0x20,
    WORD_ADD = 0x21,
    WORD_SUBTRACT = 0x22,
    WORD_INCREMENT = 0x23,
    WORD_DECREMENT = 0x24,
    WORD_SET_ENTER = 0x25,
    WORD_SET_LEAVE = 0x26,
    WORD_ADD_CYCLE = 0x27,
    WORD_INCREMENT_CYCLE = 0x28,
};

bool Repeats(int function) {
    return function == WORD_INCREMENT || function == WORD_DECREMENT || function == WORD_INCREMENT_CYCLE;
}

DataType NumberType(const KeyRecord& key) {
    return key.Value(0) < 0 || key.Value(1) < 0 ? DataType::Signed : DataType::Unsigned;
}

// Tenths of a second, 1 at least.
uint64_t Tenths(int32_t value) { return 100u * static_cast<uint64_t>(std::max(value, 1)); }

} // namespace

void KeyActions::WordSet(const KeyRecord& key, RegisterBank& registers) {
    registers.Write(*key.address, NumberType(key), key.address->ValueWords(), key.Value(0));
}

void KeyActions::WordStep(const KeyRecord& key, RegisterBank& registers) {
    const AddressRecord& address = *key.address;
    const DataType type = NumberType(key);
    const double current = registers.Read(address, type, address.ValueWords());
    const double step = key.Value(0);
    const double limit = key.Value(1);
    double next = current;
    switch (key.Function()) {
    case WORD_ADD:
    case WORD_INCREMENT:
        next = std::min(current + step, std::max(limit, current));
        break;
    case WORD_SUBTRACT:
    case WORD_DECREMENT:
        next = std::max(current - step, std::min(limit, current));
        break;
    case WORD_ADD_CYCLE:
    case WORD_INCREMENT_CYCLE:
        next = current + step > limit ? 0 : current + step;
        break;
    default:
        return;
    }
    registers.Write(address, type, address.ValueWords(), next);
}

std::optional<KeyActions::Jump> KeyActions::Press(const KeyRecord& key, RegisterBank& registers) {
    const int function = key.Function();
    if (function <= JUMP_ALARMS) {
        return Jump{function, static_cast<uint16_t>(key.Value(0))};
    }
    if (!key.address) {
        return std::nullopt;
    }
    const AddressRecord& address = *key.address;
    switch (function) {
    case BIT_ON:
    case BIT_MOMENTARY:
        registers.WriteBit(address, true);
        break;
    case BIT_OFF:
        registers.WriteBit(address, false);
        break;
    case BIT_INVERT:
        registers.WriteBit(address, !registers.ReadBit(address));
        break;
    case WORD_SET:
        WordSet(key, registers);
        break;
    case WORD_ADD:
    case WORD_SUBTRACT:
    case WORD_ADD_CYCLE:
        WordStep(key, registers);
        break;
    default:
        break;
    }
    m_held = &key;
    m_heldFor = 0;
    if (Repeats(function)) {
        if (key.Immediate()) {
            WordStep(key, registers);
        }
        m_nextRepeat = Tenths(key.Value(2));
    }
    return std::nullopt;
}

void KeyActions::Release(RegisterBank& registers) {
    if (m_held != nullptr && m_held->Function() == BIT_MOMENTARY && m_held->address) {
        registers.WriteBit(*m_held->address, false);
    }
    m_held = nullptr;
}

void KeyActions::Step(uint32_t milliseconds, RegisterBank& registers) {
    if (m_held == nullptr || !Repeats(m_held->Function()) || !m_held->address) {
        return;
    }
    m_heldFor += milliseconds;
    while (m_heldFor >= m_nextRepeat) {
        WordStep(*m_held, registers);
        m_nextRepeat += Tenths(m_held->Value(3));
    }
}

void KeyActions::Enter(const ScreenRecord& screen, RegisterBank& registers) {
    for (const ElementRecord& element : screen.elements) {
        const auto* key = std::get_if<KeyRecord>(&element.data);
        if (key == nullptr || !key->address) {
            continue;
        }
        switch (key->Function()) {
        case BIT_ON_ENTER:
            registers.WriteBit(*key->address, true);
            break;
        case BIT_OFF_ENTER:
            registers.WriteBit(*key->address, false);
            break;
        case WORD_SET_ENTER:
            WordSet(*key, registers);
            break;
        default:
            break;
        }
    }
}

void KeyActions::Leave(const ScreenRecord& screen, RegisterBank& registers) {
    for (const ElementRecord& element : screen.elements) {
        const auto* key = std::get_if<KeyRecord>(&element.data);
        if (key == nullptr || !key->address) {
            continue;
        }
        switch (key->Function()) {
        case BIT_ON_LEAVE:
            registers.WriteBit(*key->address, true);
            break;
        case BIT_OFF_LEAVE:
            registers.WriteBit(*key->address, false);
            break;
        case WORD_SET_LEAVE:
            WordSet(*key, registers);
            break;
        default:
            break;
        }
    }
}

} // namespace balsar::runtime
