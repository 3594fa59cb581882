#include "transfer/TransferCommandLine.h"

namespace caldo {

TransferCommandLine ParseTransferCommandLine(const std::vector<std::string>& args) {
    TransferCommandLine result;
    if (args.size() <= 3) {
        return result;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-D" || a == "-d") {
            result.direction = TransferDirection::Download;
        } else if (a == "-U" || a == "-u") {
            result.direction = TransferDirection::Upload;
        } else if (a == "-f" || a == "-F") {
            if (i + 1 < args.size()) {
                result.packagePath = args[++i];
            }
        }
    }
    return result;
}

} // namespace caldo
