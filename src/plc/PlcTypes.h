#pragma once
// Enumerations shared by addresses, ports and the elements that use them.
#include <cstdint>

namespace balsar {

// Data width of a register value.
enum DataWidth : int32_t { WIDTH_BIT = 0, WIDTH_WORD = 1, WIDTH_DWORD = 2 };
// Number base of a shown or parsed value.
enum NumberBase : int32_t { BASE_OCT = 0, BASE_DEC = 1, BASE_HEX = 2, BASE_DEC_SIGN = 3 };
// Addressing unit of a register type.
enum AddressUnit : int32_t { UNIT_BIT = 0, UNIT_BYTE = 1, UNIT_WORD = 2, UNIT_DWORD = 3 };
// Value encoding.
enum Encoding : int32_t { ENCODING_BIN = 0, ENCODING_BCD = 1 };

// The panel's own registers; ports 0..3 are the communication ports.
constexpr int32_t PORT_LOCAL = -1;
constexpr int kPortCount = 4;
constexpr int kCanPortIndex = 3;

} // namespace balsar
