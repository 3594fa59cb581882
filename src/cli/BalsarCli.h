#pragma once
// The headless front end of the designer: balsar-cli.
#include <iosfwd>
#include <string>
#include <vector>

namespace balsar {

// Runs one command line (args without the program name). Returns the exit
// status: 0 success, 1 failure (message printed), 2 usage error.
int RunBalsarCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace balsar
