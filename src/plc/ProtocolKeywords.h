#pragma once
// Keyword values of the protocol descriptions and their numeric codes. Each
// conversion compares the text in upper case; an unknown text shows the
// conversion's message (with the text as read) and gives 0; an empty text
// gives 0 without a message.
#include <cstdint>
#include <string>
#include <string_view>

namespace balsar {

class MessageSink;

namespace ProtocolKeywords {

// "RS232" 0; "RS485", "RS485-2" 1; "RS485-4", "RS422" 2.
int32_t SerialType(std::string_view text, MessageSink& sink);
// "1200" 0 ... "187500" 8, in the order of the baud table.
int32_t BaudRate(std::string_view text, MessageSink& sink);
// "7" 0, "8" 1.
int32_t DataBit(std::string_view text, MessageSink& sink);
// "1" 0, "2" 1.
int32_t StopBit(std::string_view text, MessageSink& sink);
// "BIT" 0, "WORD" 1, "DWORD" 2.
int32_t AddressWidth(std::string_view text, MessageSink& sink);
// "OCT" 0, "DEC" 1, "HEX" 2.
int32_t DataMode(std::string_view text, MessageSink& sink);
// "BIT" 0, "BYTE" 1, "WORD" 2, "DWORD" 3.
int32_t AddressMode(std::string_view text, MessageSink& sink);

// The name shown for a serial type code: "RS232", "RS485", "RS422", else
// "ERROR".
std::string SerialTypeName(int32_t code);

} // namespace ProtocolKeywords
} // namespace balsar
