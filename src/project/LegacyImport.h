#pragma once
// What the legacy XML import leaves with the project it made. The document
// holds it for that project only: closing it, or opening or creating any
// other project, forgets it, and a failed import leaves none.
#include <optional>
#include <string>

namespace balsar {

struct LegacyImport {
    // The entry of the older PLC catalogue the file named ("PLCID").
    std::optional<int> plc;
    // The file's "SoftVersion".
    std::string softwareVersion;
};

} // namespace balsar
