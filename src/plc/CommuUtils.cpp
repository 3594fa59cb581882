#include "plc/CommuUtils.h"

#include <iterator>

#include "base/MessageSink.h"
#include "base/Text.h"

namespace balsar::CommuUtils {

const uint32_t kBaudRates[9] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 187500};

namespace {

template <size_t N>
uint32_t Lookup(const uint32_t (&table)[N], int32_t index, const char* message, MessageSink& sink) {
    if (index < 0 || static_cast<size_t>(index) >= N) {
        sink.Message(Format(message, index));
        return 0;
    }
    return table[index];
}

const uint32_t kSerialTypes[] = {0, 2, 1};
const uint32_t kDataBits[] = {7, 8};
const uint32_t kParity[] = {'N', 'O', 'E'};
const uint32_t kStopBits[] = {1, 2};

} // namespace

uint32_t SerialTypeCompileValue(int32_t index, MessageSink& sink) {
    return Lookup(kSerialTypes, index, "[CommuUtils::SerialTypeCompileValue]Not support: %d", sink);
}

uint32_t DataBitCompileValue(int32_t index, MessageSink& sink) {
    return Lookup(kDataBits, index, "[CommuUtils::DataBitCompileValue]Not support: %d", sink);
}

uint32_t VerifyBitCompileValue(int32_t index, MessageSink& sink) {
    return Lookup(kParity, index, "[CommuUtils::VerifyBitCompileValue]Not support: %d", sink);
}

uint32_t BaudRateCompileValue(int32_t index, MessageSink& sink) {
    return Lookup(kBaudRates, index, "[CommuUtils::BaudRateCompileValue]Not support: %d", sink);
}

uint32_t StopBitCompileValue(int32_t index, MessageSink& sink) {
    return Lookup(kStopBits, index, "[CommuUtils::StopBitCompileValue]Not support: %d", sink);
}

} // namespace balsar::CommuUtils
