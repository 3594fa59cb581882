#pragma once
// What the legacy XML import could not take over. The older form carries
// less than a project holds: static and dynamic texts, lamps and function
// keys come without texts, states or addresses; register and bar addresses
// ("Reg") of the panel's own types "LW" and "RW" are taken over as LOCAL
// addresses, those of a PLC's types have no port in the older form and are
// left at the element's default (LW 0);
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

class CMirloProject;

// Completes the import of the file into the project it made (null: review
// only): takes over the addresses that have a counterpart. Returns the
// shortfalls, screens and parts in file order. A file that cannot be read
// gives none (the import itself reports that).
std::vector<LegacyShortfall> ReviewLegacyXml(const std::filesystem::path& xmlFile, CMirloProject* project = nullptr);

// "screen 3, Register REG2: address ... not taken over".
std::string ShortfallText(const LegacyShortfall& shortfall);

} // namespace balsar
