// Mapping of "comN" port names to the serial devices of the machine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace caldo {

// The serial devices found under root (normally "/"), in a stable order:
// /dev/ttyS* that have a hardware device behind them (/sys/class/tty/NAME/device),
// then /dev/ttyUSB*, then /dev/ttyACM*, each group by its number, then entries of
// /dev/serial/by-id by name whose target is not listed yet. Paths are returned
// relative to root's "dev" folder, prefixed with "/dev/".
std::vector<std::string> EnumerateSerialDevices(const std::filesystem::path& root = "/");

// Resolves a serial port name: a name starting with '/' is a device path taken
// as is; "comN" or "COMN" (N >= 1) is the N-th device of EnumerateSerialDevices.
// Returns an empty string when the name cannot be resolved.
std::string ResolveSerialPortName(const std::string& name, const std::filesystem::path& root = "/");

} // namespace caldo
