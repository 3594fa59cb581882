// Settings of the link to the panel, owned by the tool's front end.
#pragma once

#include <cstdint>
#include <string>

namespace caldo {

inline constexpr int32_t kLinkUdp = 1;
inline constexpr int32_t kLinkUsb = 2;
inline constexpr int32_t kLinkSerial = 3;

// The USB vendor/product pair the panel enumerates with unless configured otherwise.
inline constexpr uint16_t kDefaultUsbVendorId = 0x16C0;
inline constexpr uint16_t kDefaultUsbProductId = 0x05DC;

struct CLinkSettings {
    int32_t kind = kLinkUsb;    // 1 = UDP, 2 = USB pipes, 3 = serial port
    std::string addressText;    // UDP: dotted IPv4 address
    std::string portText;       // UDP: decimal port
    std::string serialPortName; // serial: "comN" or a device path
    int32_t baudRate = 115200;  // serial
    uint16_t usbVendorId = kDefaultUsbVendorId;
    uint16_t usbProductId = kDefaultUsbProductId;
};

} // namespace caldo
