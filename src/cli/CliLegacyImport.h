#pragma once
// balsar-cli import-legacy FOLDER/sys.xml OUT.ZPJ: a project file from a
// project of the older XML form, as the designer's hidden import command
// reads it, with every element it could not take over named.
#include <iosfwd>
#include <string>
#include <vector>

namespace balsar {

// args start after "import-legacy". Exit 0: imported completely; 3: the
// project was written but the listed elements were not taken over
// completely; 1: nothing written (the file could not be read, or its PLCID
// is not in the older catalogue); 2: usage.
int RunImportLegacyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace balsar
