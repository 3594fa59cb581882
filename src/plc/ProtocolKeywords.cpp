#include "plc/ProtocolKeywords.h"

#include <utility>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "plc/PlcStrings.h"

namespace balsar::ProtocolKeywords {

namespace {

using Entry = std::pair<std::string_view, int32_t>;

template <size_t N>
int32_t Convert(const Entry (&table)[N], std::string_view text, const char* message, MessageSink& sink) {
    // A missing or empty value reads as 0 like every other missing value.
    if (text.empty()) {
        return 0;
    }
    const std::string upper = AsciiUpper(text);
    for (const Entry& entry : table) {
        if (upper == entry.first) {
            return entry.second;
        }
    }
    sink.Message(Format(message, std::string(text).c_str()));
    return 0;
}

const Entry kSerialTypes[] = {{"RS232", 0}, {"RS485", 1}, {"RS485-2", 1}, {"RS485-4", 2}, {"RS422", 2}};
const Entry kBaudRates[] = {{"1200", 0},  {"2400", 1},  {"4800", 2},   {"9600", 3},  {"19200", 4},
                            {"38400", 5}, {"57600", 6}, {"115200", 7}, {"187500", 8}};
const Entry kDataBits[] = {{"7", 0}, {"8", 1}};
const Entry kStopBits[] = {{"1", 0}, {"2", 1}};
const Entry kWidths[] = {{"BIT", 0}, {"WORD", 1}, {"DWORD", 2}};
const Entry kDataModes[] = {{"OCT", 0}, {"DEC", 1}, {"HEX", 2}};
const Entry kAddressModes[] = {{"BIT", 0}, {"BYTE", 1}, {"WORD", 2}, {"DWORD", 3}};

} // namespace

int32_t SerialType(std::string_view text, MessageSink& sink) {
    return Convert(kSerialTypes, text, texts::kTransSerialType, sink);
}
int32_t BaudRate(std::string_view text, MessageSink& sink) {
    return Convert(kBaudRates, text, texts::kTransBaudRate, sink);
}
int32_t DataBit(std::string_view text, MessageSink& sink) {
    return Convert(kDataBits, text, texts::kTransDataBit, sink);
}
int32_t StopBit(std::string_view text, MessageSink& sink) {
    return Convert(kStopBits, text, texts::kTransStopBit, sink);
}
int32_t AddressWidth(std::string_view text, MessageSink& sink) {
    return Convert(kWidths, text, texts::kTransAddressWidth, sink);
}
int32_t DataMode(std::string_view text, MessageSink& sink) {
    return Convert(kDataModes, text, texts::kTransDataMode, sink);
}
int32_t AddressMode(std::string_view text, MessageSink& sink) {
    return Convert(kAddressModes, text, texts::kTransAddressMode, sink);
}

std::string SerialTypeName(int32_t code) {
    switch (code) {
    case 0:
        return "RS232";
    case 1:
        return "RS485";
    case 2:
        return "RS422";
    default:
        return texts::kSerialTypeError;
    }
}

} // namespace balsar::ProtocolKeywords
