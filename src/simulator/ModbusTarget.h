#pragma once
// How a register type of the protocol library maps onto Modbus: the
// library's "0X" coils, "1X" discrete inputs, "3X" input registers and "4X"
// holding registers, with register numbers counted from 1 ("4X 1" is the
// holding register at offset 0). A type with a sub-address ("4X.B") names a
// bit of a holding register; a double-word type ("4X.D") two consecutive
// holding registers.
#include <cstdint>
#include <string>

#include "plc/RegisterType.h"
#include "runtime/AddressRecord.h"

namespace balsar::simulator {

enum class ModbusTable { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

struct ModbusTarget {
    ModbusTable table = ModbusTable::HoldingRegisters;
    // Offset of the first coil, input or register in the protocol data unit.
    uint32_t offset = 0;
    // For a bit of a holding register: the bit (0 = least significant);
    // -1 otherwise.
    int bit = -1;

    bool IsBitTable() const { return table == ModbusTable::Coils || table == ModbusTable::DiscreteInputs; }
    bool Writable() const { return table == ModbusTable::Coils || table == ModbusTable::HoldingRegisters; }
    // The function code that reads it (1, 2, 4 or 3).
    int ReadFunction() const;
    // The function code that writes `count` values (5 or 15 for coils, 6
    // or 16 for registers; 0 for the read-only tables). A bit of a holding
    // register is read with 3 and written back with 6.
    int WriteFunction(size_t count) const;
    bool operator==(const ModbusTarget& other) const = default;
};

// False with the reason when the register type has no Modbus equivalent
// (a name outside 0X/1X/3X/4X) or the address lies below register 1.
bool ModbusTargetOf(const RegisterType& type, const runtime::AddressRecord& address, ModbusTarget& out,
                    std::string& error);

// "coils", "discrete inputs", "input registers", "holding registers".
const char* TableName(ModbusTable table);

} // namespace balsar::simulator
