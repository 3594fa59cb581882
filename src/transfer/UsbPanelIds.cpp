#include "transfer/UsbPanelIds.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/FileIo.h"
#include "base/ProgramPaths.h"

namespace caldo {

namespace {

bool ParseHex(std::string part, unsigned long max, unsigned long& value) {
    if (part.size() > 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
        part = part.substr(2);
    }
    if (part.empty() || part.size() > 4) {
        return false;
    }
    for (char c : part) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    value = std::strtoul(part.c_str(), nullptr, 16);
    return value <= max;
}

// "ff/00/00", "*" parts match anything.
bool ParseClassTriple(const std::string& text, UsbPanelId& id) {
    int* const fields[] = {&id.interfaceClass, &id.interfaceSubClass, &id.interfaceProtocol};
    std::istringstream in(text);
    std::string part;
    int index = 0;
    while (std::getline(in, part, '/')) {
        if (index == 3) {
            return false;
        }
        unsigned long value = 0;
        if (part == "*") {
            *fields[index] = -1;
        } else if (ParseHex(part, 0xFF, value)) {
            *fields[index] = static_cast<int>(value);
        } else {
            return false;
        }
        ++index;
    }
    return index == 3;
}

} // namespace

bool ParseUsbId(const std::string& text, uint16_t& vendorId, uint16_t& productId) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return false;
    }
    unsigned long v = 0, p = 0;
    if (!ParseHex(text.substr(0, colon), 0xFFFF, v) || !ParseHex(text.substr(colon + 1), 0xFFFF, p)) {
        return false;
    }
    vendorId = static_cast<uint16_t>(v);
    productId = static_cast<uint16_t>(p);
    return true;
}

std::string FormatUsbId(uint16_t vendorId, uint16_t productId) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendorId, productId);
    return text;
}

std::string FormatUsbIds(const std::vector<UsbPanelId>& ids) {
    std::string text;
    for (const UsbPanelId& id : ids) {
        text += (text.empty() ? "" : ", ") + FormatUsbId(id.vendorId, id.productId);
    }
    return text;
}

bool ParseUsbPanelIds(const std::string& text, std::vector<UsbPanelId>& ids, std::string& error) {
    std::vector<UsbPanelId> parsed;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const size_t hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::string role, usbId, triple, extra;
        if (!(words >> role)) {
            continue; // blank or comment
        }
        UsbPanelId id;
        const bool roleOk = role == "application" || role == "bootloader";
        id.bootloader = role == "bootloader";
        const bool idOk = static_cast<bool>(words >> usbId) && ParseUsbId(usbId, id.vendorId, id.productId);
        const bool tripleOk = !(words >> triple) || ParseClassTriple(triple, id);
        if (!roleOk || !idOk || !tripleOk || (words >> extra)) {
            error = "line " + std::to_string(number) +
                    ": expected \"application|bootloader VID:PID [CLASS/SUBCLASS/PROTOCOL]\"";
            return false;
        }
        parsed.push_back(id);
    }
    if (parsed.empty()) {
        error = "no USB id given";
        return false;
    }
    ids = std::move(parsed);
    return true;
}

bool LoadUsbPanelIds(const std::filesystem::path& file, std::vector<UsbPanelId>& ids, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!balsar::ReadFileBytes(file, bytes, reason)) {
        error = file.string() + ": " + reason;
        return false;
    }
    if (!ParseUsbPanelIds(std::string(bytes.begin(), bytes.end()), ids, reason)) {
        error = file.string() + ": " + reason;
        return false;
    }
    return true;
}

std::filesystem::path DefaultUsbPanelIdFile() {
    return balsar::LibraryFolder() / "usb" / "panels.conf";
}

} // namespace caldo
