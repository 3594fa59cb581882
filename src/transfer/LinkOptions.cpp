#include "transfer/LinkOptions.h"

#include <sstream>

namespace caldo {

bool IsLinkOption(const std::string& arg) {
    return arg == "--udp" || arg == "--serial" || arg == "--usb";
}

bool ParseLinkOption(const std::vector<std::string>& args, size_t& i, CLinkSettings& link, std::string& error) {
    const std::string& option = args[i];
    const bool haveValue = i + 1 < args.size();
    if (option == "--udp") {
        const std::string target = haveValue ? args[i + 1] : std::string();
        const size_t colon = target.rfind(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == target.size()) {
            error = "--udp needs HOST:PORT";
            return false;
        }
        ++i;
        link.kind = kLinkUdp;
        link.addressText = target.substr(0, colon);
        link.portText = target.substr(colon + 1);
        return true;
    }
    if (option == "--serial") {
        if (!haveValue) {
            error = "--serial needs a device";
            return false;
        }
        link.kind = kLinkSerial;
        link.serialPortName = args[++i];
        link.baudRate = 115200;
        return true;
    }
    // --usb, optionally followed by VID:PID.
    link.kind = kLinkUsb;
    link.usbIds.clear();
    if (haveValue && args[i + 1].find(':') != std::string::npos && args[i + 1].rfind("--", 0) != 0) {
        UsbPanelId id;
        if (!ParseUsbId(args[++i], id.vendorId, id.productId)) {
            error = "--usb takes VID:PID in hexadecimal";
            return false;
        }
        link.usbIds.push_back(id);
    }
    return true;
}

bool ParseLinkTarget(const std::string& line, CLinkSettings& link, std::string& error) {
    std::istringstream words(line);
    std::vector<std::string> args;
    for (std::string word; words >> word;) {
        args.push_back(word);
    }
    if (args.empty()) {
        error = "empty target";
        return false;
    }
    if (args.size() == 1 && args[0].find(':') != std::string::npos && args[0] != "usb") {
        args.insert(args.begin(), "udp"); // a bare HOST:PORT
    }
    args[0] = "--" + args[0];
    if (!IsLinkOption(args[0])) {
        error = "unknown link \"" + args[0].substr(2) + "\" (udp, serial or usb)";
        return false;
    }
    size_t i = 0;
    if (!ParseLinkOption(args, i, link, error)) {
        return false;
    }
    if (i + 1 != args.size()) {
        error = "unexpected \"" + args[i + 1] + "\"";
        return false;
    }
    return true;
}

} // namespace caldo
