#pragma once
// Starts outside programs for the designer's tool commands with QProcess.
#include "compiler/ProcessLauncher.h"

namespace balsar::app {

class QtProcessLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;
    bool StartAndWait(const std::string& program, const std::vector<std::string>& arguments, int& exitCode) override;
};

} // namespace balsar::app
