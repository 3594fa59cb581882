#pragma once
// Conversions from the stored list indexes of a serial port to the values
// compiled into the port record. An index outside its table shows a message
// and gives 0.
#include <cstdint>

namespace balsar {

class MessageSink;

namespace CommuUtils {

// The nine baud rates, in list order.
extern const uint32_t kBaudRates[9];

uint32_t SerialTypeCompileValue(int32_t index, MessageSink& sink);
uint32_t DataBitCompileValue(int32_t index, MessageSink& sink);
uint32_t VerifyBitCompileValue(int32_t index, MessageSink& sink);
uint32_t BaudRateCompileValue(int32_t index, MessageSink& sink);
uint32_t StopBitCompileValue(int32_t index, MessageSink& sink);

} // namespace CommuUtils
} // namespace balsar
