// The USB identities of the text panels: vendor and product id of the
// application and of the bootloader (the panel enumerates anew when it
// restarts into its bootloader), and the class triple of the interface that
// carries the two bulk pipes. They come from a library file, so the ids of a
// new panel are added without rebuilding the tools.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace caldo {

struct UsbPanelId {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    bool bootloader = false;
    // The interface's class, subclass and protocol; -1 matches any value.
    int interfaceClass = -1;
    int interfaceSubClass = -1;
    int interfaceProtocol = -1;

    bool operator==(const UsbPanelId&) const = default;
};

// Parses the discovery file's text. One identity per line:
//     application|bootloader  VID:PID  [CLASS/SUBCLASS/PROTOCOL]
// in hexadecimal, "*" for any value of the triple; "#" starts a comment.
// False with the line number and the reason for a malformed line or when no
// identity is given.
bool ParseUsbPanelIds(const std::string& text, std::vector<UsbPanelId>& ids, std::string& error);
// Reads and parses the file; false with a reason that names the file.
bool LoadUsbPanelIds(const std::filesystem::path& file, std::vector<UsbPanelId>& ids, std::string& error);
// <library folder>/usb/panels.conf
std::filesystem::path DefaultUsbPanelIdFile();

// Parses "VID:PID" in hexadecimal (an optional 0x prefix on each part).
bool ParseUsbId(const std::string& text, uint16_t& vendorId, uint16_t& productId);
// "16c0:05dc"
std::string FormatUsbId(uint16_t vendorId, uint16_t productId);
// The ids of a list, "16c0:05dc, 16c0:05dd".
std::string FormatUsbIds(const std::vector<UsbPanelId>& ids);

} // namespace caldo
