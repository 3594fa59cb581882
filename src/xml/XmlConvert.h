#pragma once
// The integer and flag readings every XML reader of the system uses.
#include <cstdint>
#include <string_view>

#include "xml/CXmlNodeWrapper.h"

namespace balsar {

// Decimal value of the leading digits of a text (after blanks and an optional
// sign); 0 for empty text or no digits; saturates at the 32-bit limits.
int32_t LeadingInt(std::string_view text);
// Integer attribute: empty or missing gives 0.
int32_t IntAttribute(const CXmlNodeWrapper& node, std::string_view name);
// Integer text of a node.
int32_t IntText(const CXmlNodeWrapper& node);
// Integer text of the named child; a missing child gives 0.
int32_t IntChild(const CXmlNodeWrapper& node, std::string_view child);
// True when the attribute equals word ignoring letter case; else false.
bool FlagAttribute(const CXmlNodeWrapper& node, std::string_view name, std::string_view word);
// The flag written back: "yes" for non-zero, else "no".
inline const char* YesNo(int32_t flag) { return flag != 0 ? "yes" : "no"; }

} // namespace balsar
