// The link options of the transfer tools' command lines, shared by caldo-cli
// and the dialogs: "--udp HOST:PORT", "--serial DEVICE", "--usb [VID:PID]".
#pragma once

#include <string>
#include <vector>

#include "transfer/LinkSettings.h"

namespace caldo {

bool IsLinkOption(const std::string& arg);

// Reads the link option at args[i] and its value, leaving i on the last
// argument taken. "--usb" alone leaves the identities to the discovery file;
// "--usb VID:PID" looks for that one id. False with the reason for a missing
// or malformed value.
bool ParseLinkOption(const std::vector<std::string>& args, size_t& i, CLinkSettings& link, std::string& error);

// One line of a targets file: "udp HOST:PORT", "serial DEVICE", "usb [VID:PID]",
// or a bare "HOST:PORT" for UDP. False with the reason.
bool ParseLinkTarget(const std::string& line, CLinkSettings& link, std::string& error);

} // namespace caldo
