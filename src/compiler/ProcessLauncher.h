#pragma once
// Starting outside programs. The designer implements this with QProcess,
// tests record the calls. Arguments are passed one by one, never through a
// shell, so paths with blanks need no quoting here.
#include <string>
#include <vector>

namespace balsar {

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program and returns at once. False when it could not be
    // started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Starts the program and waits until it ends; exitCode receives its exit
    // status. False when it could not be started.
    virtual bool StartAndWait(const std::string& program, const std::vector<std::string>& arguments,
                              int& exitCode) = 0;
};

} // namespace balsar
