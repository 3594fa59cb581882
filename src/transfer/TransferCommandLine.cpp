#include "transfer/TransferCommandLine.h"

#include "transfer/LinkOptions.h"

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
        } else if (a == "--allow-placeholder") {
            result.allowPlaceholder = true;
        } else if (IsLinkOption(a)) {
            CLinkSettings link;
            std::string error;
            if (ParseLinkOption(args, i, link, error)) {
                result.link = link;
            }
        }
    }
    return result;
}

} // namespace caldo
