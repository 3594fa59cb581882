#include "transfer/SerialPorts.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <system_error>

namespace caldo {

namespace fs = std::filesystem;

namespace {

// A decimal number of at most 6 digits, as in device names and "comN".
bool IsShortNumber(const std::string& digits) {
    return !digits.empty() && digits.size() <= 6 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Devices named prefix + decimal number, sorted by the number.
std::vector<std::pair<unsigned long, std::string>> NumberedDevices(const fs::path& dev,
                                                                   const std::string& prefix) {
    std::vector<std::pair<unsigned long, std::string>> found;
    std::error_code ec;
    for (fs::directory_iterator it(dev, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        if (!IsShortNumber(digits)) {
            continue;
        }
        found.emplace_back(std::strtoul(digits.c_str(), nullptr, 10), name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

std::vector<std::string> EnumerateSerialDevices(const fs::path& root) {
    const fs::path dev = root / "dev";
    std::vector<std::string> result;
    std::set<std::string> listed; // canonical paths already in the result
    auto add = [&](const fs::path& path, const std::string& shown) {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(path, ec);
        const std::string key = ec ? path.string() : canonical.string();
        if (listed.insert(key).second) {
            result.push_back(shown);
        }
    };
    for (const auto& [number, name] : NumberedDevices(dev, "ttyS")) {
        std::error_code ec;
        if (fs::exists(root / "sys/class/tty" / name / "device", ec)) {
            add(dev / name, "/dev/" + name);
        }
    }
    for (const char* prefix : {"ttyUSB", "ttyACM"}) {
        for (const auto& [number, name] : NumberedDevices(dev, prefix)) {
            add(dev / name, "/dev/" + name);
        }
    }
    std::vector<std::string> byId;
    std::error_code ec;
    for (fs::directory_iterator it(dev / "serial/by-id", ec), end; !ec && it != end; it.increment(ec)) {
        byId.push_back(it->path().filename().string());
    }
    std::sort(byId.begin(), byId.end());
    for (const std::string& name : byId) {
        add(dev / "serial/by-id" / name, "/dev/serial/by-id/" + name);
    }
    return result;
}

std::string ResolveSerialPortName(const std::string& name, const fs::path& root) {
    if (!name.empty() && name[0] == '/') {
        return name;
    }
    if (name.size() < 4 || (name.compare(0, 3, "com") != 0 && name.compare(0, 3, "COM") != 0)) {
        return {};
    }
    const std::string digits = name.substr(3);
    if (!IsShortNumber(digits)) {
        return {};
    }
    const unsigned long index = std::strtoul(digits.c_str(), nullptr, 10);
    if (index == 0) {
        return {};
    }
    const std::vector<std::string> devices = EnumerateSerialDevices(root);
    if (index > devices.size()) {
        return {};
    }
    return devices[index - 1];
}

} // namespace caldo
