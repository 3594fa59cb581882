// The command line of the transfer tools: "-D"/"-d" download, "-U"/"-u" upload,
// "-f"/"-F" followed by the package path. Options count only when there are more
// than three arguments, the program name included.
#pragma once

#include <string>
#include <vector>

namespace caldo {

enum class TransferDirection { Download = 0, Upload = 1 };

struct TransferCommandLine {
    TransferDirection direction = TransferDirection::Download;
    std::string packagePath;
};

// args[0] is the program name.
TransferCommandLine ParseTransferCommandLine(const std::vector<std::string>& args);

} // namespace caldo
