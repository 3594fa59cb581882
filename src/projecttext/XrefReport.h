#pragma once
// The cross-reference as text for people and as JSON for programs. Both
// list the addresses in key order and the conflicts after them; the same
// project always gives the same output.
#include <string>

namespace balsar {

struct AddressXref;

// One block per address: its label, then one indented line per use;
// then the conflicts, then a summary line.
std::string XrefText(const AddressXref& xref);
// {"addresses": [...], "conflicts": [...]}, two spaces' indent.
std::string XrefJson(const AddressXref& xref);

} // namespace balsar
