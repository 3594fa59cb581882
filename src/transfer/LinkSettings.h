// Settings of the link to the panel, owned by the tool's front end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "transfer/UsbPanelIds.h"

namespace caldo {

inline constexpr int32_t kLinkUdp = 1;
inline constexpr int32_t kLinkUsb = 2;
inline constexpr int32_t kLinkSerial = 3;

struct CLinkSettings {
    int32_t kind = kLinkUsb;    // 1 = UDP, 2 = USB pipes, 3 = serial port
    std::string addressText;    // UDP: dotted IPv4 address
    std::string portText;       // UDP: decimal port
    std::string serialPortName; // serial: "comN" or a device path
    int32_t baudRate = 115200;  // serial
    // USB: the panel identities looked for. Empty: the run reads them from
    // usbIdFile (the library's discovery file when that is empty too).
    std::vector<UsbPanelId> usbIds;
    std::filesystem::path usbIdFile;
};

} // namespace caldo
