// The command line of the transfer tools: "-D"/"-d" download, "-U"/"-u" upload,
// "-f"/"-F" followed by the package path. Options count only when there are more
// than three arguments, the program name included. Beyond these, a link option
// ("--udp HOST:PORT", "--serial DEVICE", "--usb [VID:PID]") chooses the link,
// and "--allow-placeholder" lets placeholder programs go into a panel that is
// not emulated.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "transfer/LinkSettings.h"

namespace caldo {

enum class TransferDirection { Download = 0, Upload = 1 };

struct TransferCommandLine {
    TransferDirection direction = TransferDirection::Download;
    std::string packagePath;
    std::optional<CLinkSettings> link; // when a link option was given
    bool allowPlaceholder = false;
};

// args[0] is the program name. A malformed link option is ignored, like any
// argument the tool does not know.
TransferCommandLine ParseTransferCommandLine(const std::vector<std::string>& args);

} // namespace caldo
