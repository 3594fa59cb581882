#pragma once
// Creates an empty element of the class that a legacy XML "Type" names.
#include <memory>
#include <string_view>

#include "elements/CGraphElement.h"

namespace balsar {

// Null when the name is not one the screen loader creates ("Led" to
// "Picture") or that kind is not available.
std::unique_ptr<CGraphElement> CreateElementForXmlType(std::string_view typeName);

} // namespace balsar
