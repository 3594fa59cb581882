#pragma once
// The head of one line of an event list: the line number and a blank, the
// date in the chosen order and separator followed by a blank, and the time.
// The event's message follows the time directly, as the designer's sample
// line shows it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/ElementRecords.h"

namespace balsar::runtime {

std::string EventLineHead(const EventListRecord& layout, size_t lineNumber, int64_t seconds);

// The characters of the event list's digit text record, in its order.
inline constexpr const char* kEventDigits = "0123456789:.-/ ";

} // namespace balsar::runtime
