#pragma once
// Numbers as register words hold them: signed and unsigned integers of one,
// two or four words (BCD-coded when the address says so), hexadecimal as the
// raw bits, IEEE floats in two words and doubles in four.
#include <cstdint>

#include "runtime/ElementRecords.h"

namespace balsar::runtime {

double DecodeNumber(uint64_t raw, DataType type, int words, bool bcd);
// Rounded and limited to what the words can hold.
uint64_t EncodeNumber(double value, DataType type, int words, bool bcd);

} // namespace balsar::runtime
