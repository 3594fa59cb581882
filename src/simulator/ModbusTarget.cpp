#include "simulator/ModbusTarget.h"

#include <string_view>

namespace balsar::simulator {

int ModbusTarget::ReadFunction() const {
    switch (table) {
    case ModbusTable::Coils:
        return 1;
    case ModbusTable::DiscreteInputs:
        return 2;
    case ModbusTable::InputRegisters:
        return 4;
    case ModbusTable::HoldingRegisters:
        return 3;
    }
    return 0;
}

int ModbusTarget::WriteFunction(size_t count) const {
    switch (table) {
    case ModbusTable::Coils:
        return count == 1 ? 5 : 15;
    case ModbusTable::HoldingRegisters:
        return count == 1 || bit >= 0 ? 6 : 16;
    default:
        return 0;
    }
}

const char* TableName(ModbusTable table) {
    switch (table) {
    case ModbusTable::Coils:
        return "coils";
    case ModbusTable::DiscreteInputs:
        return "discrete inputs";
    case ModbusTable::InputRegisters:
        return "input registers";
    case ModbusTable::HoldingRegisters:
        return "holding registers";
    }
    return "";
}

bool ModbusTargetOf(const RegisterType& type, const runtime::AddressRecord& address, ModbusTarget& out,
                    std::string& error) {
    const std::string_view name = type.name;
    ModbusTarget target;
    if (name.starts_with("0X")) {
        target.table = ModbusTable::Coils;
    } else if (name.starts_with("1X")) {
        target.table = ModbusTable::DiscreteInputs;
    } else if (name.starts_with("3X")) {
        target.table = ModbusTable::InputRegisters;
    } else if (name.starts_with("4X")) {
        target.table = ModbusTable::HoldingRegisters;
    } else {
        error = "register type " + type.name + " has no Modbus equivalent";
        return false;
    }
    uint32_t number = address.linear;
    if (type.hasSub && type.subLength > 0 && type.subLength < 32) {
        if (target.IsBitTable()) {
            error = "register type " + type.name + " has a sub-address, which Modbus bits do not have";
            return false;
        }
        target.bit = static_cast<int>(address.linear & ((1u << type.subLength) - 1));
        number = address.linear >> type.subLength;
        if (target.bit > 15) {
            error = "bit " + std::to_string(target.bit) + " of " + type.name + " is beyond a 16-bit register";
            return false;
        }
    }
    if (number < 1 || number > 65536) {
        error = type.name + " " + std::to_string(number) + " is outside the Modbus registers 1..65536";
        return false;
    }
    target.offset = number - 1;
    // A register type addressed in double words counts two registers per
    // address.
    if (type.unit == UNIT_DWORD && !target.IsBitTable() && target.bit < 0) {
        target.offset = (number - 1) * 2;
    }
    out = target;
    return true;
}

} // namespace balsar::simulator
