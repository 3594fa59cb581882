#pragma once
// The older catalogue of PLC descriptions that the legacy XML project form
// refers to by "PLCID". Only the lookup the import needs is declared here.
#include <optional>
#include <string>

namespace balsar {

class LegacyPlcCatalogue {
public:
    virtual ~LegacyPlcCatalogue() = default;
    // Name of the description with that ID, if the catalogue has one.
    virtual std::optional<std::string> FindName(int id) const = 0;
};

} // namespace balsar
