#pragma once
// balsar-cli strings: the texts of a project out to CSV or XLIFF for
// translation, and the translations back into the project.
#include <iosfwd>
#include <string>
#include <vector>

// The lines of the strings commands in balsar-cli's usage.
#define BALSAR_CLI_STRINGS_USAGE                                                                  \
    "  strings export PROJECT.ZPJ --lang ID OUT.(csv|xlf)\n"                                      \
    "                                   every text the panel shows, for translation into ID\n"  \
    "  strings import PROJECT.ZPJ IN.(csv|xlf) --lang ID [--out NEW.ZPJ]\n"                       \
    "                                   the translations written back (into PROJECT without --out)\n"

namespace balsar {

// strings export|import ...: args start after "strings". Exit 0 done, 1
// refused (the reason printed, no file written), 2 usage.
int RunStringsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace balsar
