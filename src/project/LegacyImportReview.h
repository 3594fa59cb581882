#pragma once
// What the legacy XML import could not take over. The older form carries
// less than a project holds: static and dynamic texts, lamps and function
// keys come without texts, states or addresses; register and bar addresses
// ("Reg", an entry of the older PLC catalogue) have no counterpart in the
// current register types and are left at the element's default (LW 0);
// pictures read their bitmap from the "image" folder beside the file; a
// "Part" of a type this designer does not know is dropped. The review reads
// the same file and names each such element, so nothing is lost silently.
#include <filesystem>
#include <string>
#include <vector>

namespace balsar {

struct LegacyShortfall {
    int screen = 0;
    // The element's "Name" (its "Type" and "ID" when it has none).
    std::string element;
    std::string message;
};

// The shortfalls of the file, screens and parts in file order. A file that
// cannot be read gives none (the import itself reports that).
std::vector<LegacyShortfall> ReviewLegacyXml(const std::filesystem::path& xmlFile);

// "screen 3, Register REG2: address ... not taken over".
std::string ShortfallText(const LegacyShortfall& shortfall);

} // namespace balsar
