#pragma once
// balsar-cli run in-process: its exit status and what it wrote to stdout
// and stderr.
#include <sstream>
#include <string>
#include <vector>

#include "cli/BalsarCli.h"

namespace balsar::test {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBalsarCli(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace balsar::test
