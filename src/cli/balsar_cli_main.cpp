#include <iostream>
#include <string>
#include <vector>

#include "cli/BalsarCli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return balsar::RunBalsarCli(args, std::cout, std::cerr);
}
