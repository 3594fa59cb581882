// Checks of the link settings before a run, and the text that names a link
// in messages.
#pragma once

#include <string>

#include "transfer/LinkSettings.h"

namespace caldo {

// Completes and checks the settings: an IPv4 address of four numbers 0..255
// and a port 1..65535 for UDP, a port name for serial, the USB identities
// (read from the discovery file when none are given). False with a message
// that names the address, port or file.
bool PrepareLinkSettings(CLinkSettings& settings, std::string& message);

// The link as the messages name it: "UDP 192.168.1.20:5000", "串口 /dev/ttyUSB0",
// "USB 16c0:05dc, 16c0:05dd".
std::string DescribeLink(const CLinkSettings& settings);

} // namespace caldo
