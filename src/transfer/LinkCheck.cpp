#include "transfer/LinkCheck.h"

#include "base/Text.h"
#include "transfer/SerialPorts.h"
#include "transfer/TransferStrings.h"
#include "transfer/UdpLink.h"

namespace caldo {

bool PrepareLinkSettings(CLinkSettings& settings, std::string& message) {
    switch (settings.kind) {
    case kLinkUdp: {
        uint32_t address = 0;
        uint16_t port = 0;
        if (!ParseIpv4Text(settings.addressText, address)) {
            message = balsar::Format(text::kBadAddressFmt, settings.addressText.c_str());
            return false;
        }
        if (!ParsePortText(settings.portText, port)) {
            message = balsar::Format(text::kBadPortFmt, settings.portText.c_str());
            return false;
        }
        return true;
    }
    case kLinkSerial:
        if (ResolveSerialPortName(settings.serialPortName).empty()) {
            message = balsar::Format(text::kBadSerialPortFmt, settings.serialPortName.c_str());
            return false;
        }
        return true;
    case kLinkUsb: {
        if (!settings.usbIds.empty()) {
            return true;
        }
        if (settings.usbIdFile.empty()) {
            settings.usbIdFile = DefaultUsbPanelIdFile();
        }
        std::string error;
        if (!LoadUsbPanelIds(settings.usbIdFile, settings.usbIds, error)) {
            message = balsar::Format(text::kUsbIdFileFailedFmt, error.c_str());
            return false;
        }
        return true;
    }
    default:
        message = text::kStartFailure;
        return false;
    }
}

std::string DescribeLink(const CLinkSettings& settings) {
    switch (settings.kind) {
    case kLinkUdp:
        return "UDP " + settings.addressText + ":" + settings.portText;
    case kLinkSerial: {
        const std::string device = ResolveSerialPortName(settings.serialPortName);
        std::string shown = std::string(text::kSerialWord) + " " + settings.serialPortName;
        if (!device.empty() && device != settings.serialPortName) {
            shown += " (" + device + ")";
        }
        return shown;
    }
    case kLinkUsb:
        return settings.usbIds.empty() ? std::string("USB") : "USB " + FormatUsbIds(settings.usbIds);
    default:
        return {};
    }
}

} // namespace caldo
