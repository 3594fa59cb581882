#include "transfer/UsbPipeLink.h"

#include <libusb-1.0/libusb.h>

#include <cctype>
#include <cstdlib>
#include <string>

#include "transfer/Frame.h"

namespace caldo {

std::optional<UsbPipes> ChooseUsbPipes(const std::vector<UsbEndpointInfo>& endpoints) {
    // The interfaces in the order their endpoints appear.
    std::vector<int> interfaces;
    for (const auto& ep : endpoints) {
        if (interfaces.empty() || interfaces.back() != ep.interfaceNumber) {
            interfaces.push_back(ep.interfaceNumber);
        }
    }
    for (int number : interfaces) {
        std::optional<uint8_t> out, in;
        for (const auto& ep : endpoints) {
            if (ep.interfaceNumber != number || (ep.attributes & 0x03) != LIBUSB_TRANSFER_TYPE_BULK) {
                continue;
            }
            if (ep.address & LIBUSB_ENDPOINT_IN) {
                if (!in) {
                    in = ep.address;
                }
            } else if (!out) {
                out = ep.address;
            }
        }
        if (in && out) {
            return UsbPipes{number, *out, *in};
        }
    }
    return std::nullopt;
}

bool ParseUsbId(const std::string& text, uint16_t& vendorId, uint16_t& productId) {
    auto parseHex = [](std::string part, uint16_t& value) {
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
        value = static_cast<uint16_t>(std::strtoul(part.c_str(), nullptr, 16));
        return true;
    };
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return false;
    }
    uint16_t v = 0, p = 0;
    if (!parseHex(text.substr(0, colon), v) || !parseHex(text.substr(colon + 1), p)) {
        return false;
    }
    vendorId = v;
    productId = p;
    return true;
}

bool CUsbPipeLink::Configure(const CLinkSettings& settings) {
    m_vendorId = settings.usbVendorId;
    m_productId = settings.usbProductId;
    return true;
}

bool CUsbPipeLink::Open() {
    if (libusb_init(&m_context) != 0) {
        m_context = nullptr;
        return false;
    }
    m_handle = libusb_open_device_with_vid_pid(m_context, m_vendorId, m_productId);
    if (!m_handle) {
        return false;
    }
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(libusb_get_device(m_handle), &config) != 0) {
        return false;
    }
    std::vector<UsbEndpointInfo> endpoints;
    for (uint8_t i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface& iface = config->interface[i];
        if (iface.num_altsetting < 1) {
            continue;
        }
        const libusb_interface_descriptor& alt = iface.altsetting[0];
        for (uint8_t e = 0; e < alt.bNumEndpoints; ++e) {
            endpoints.push_back(
                {alt.bInterfaceNumber, alt.endpoint[e].bEndpointAddress, alt.endpoint[e].bmAttributes});
        }
    }
    libusb_free_config_descriptor(config);
    const auto pipes = ChooseUsbPipes(endpoints);
    if (!pipes) {
        return false;
    }
    libusb_set_auto_detach_kernel_driver(m_handle, 1);
    if (libusb_claim_interface(m_handle, pipes->interfaceNumber) != 0) {
        return false;
    }
    m_claimedInterface = pipes->interfaceNumber;
    m_pipes = *pipes;
    return true;
}

bool CUsbPipeLink::Close() {
    if (m_handle) {
        if (m_claimedInterface >= 0) {
            libusb_release_interface(m_handle, m_claimedInterface);
        }
        libusb_close(m_handle);
        m_handle = nullptr;
    }
    m_claimedInterface = -1;
    if (m_context) {
        libusb_exit(m_context);
        m_context = nullptr;
    }
    return true;
}

bool CUsbPipeLink::Send(const uint8_t* data, size_t length, int /*timeoutUnits*/) {
    if (m_claimedInterface < 0) {
        return true; // shows up as a missing reply, like any failed write
    }
    int transferred = 0;
    // The synchronous transfer is cancelled by libusb before it returns on time-out,
    // so nothing can complete into this frame's memory later. A failed or short
    // write is not reported here: it shows up as a missing reply.
    libusb_bulk_transfer(m_handle, m_pipes.writeEndpoint, const_cast<uint8_t*>(data),
                         static_cast<int>(length), &transferred, kSendTimeoutMs);
    return true;
}

bool CUsbPipeLink::Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
    received = 0;
    if (m_claimedInterface < 0 || capacity < static_cast<size_t>(kMaxPacket)) {
        return false;
    }
    int transferred = 0;
    const unsigned timeoutMs = static_cast<unsigned>(timeoutUnits > 0 ? timeoutUnits : 1) * 2000u;
    if (libusb_bulk_transfer(m_handle, m_pipes.readEndpoint, buffer, kMaxPacket, &transferred, timeoutMs) !=
        0) {
        return false;
    }
    size_t frameLength = 0;
    if (!AcceptReply(buffer, static_cast<size_t>(transferred), LengthOrder::LowFirst, 5, frameLength)) {
        return false;
    }
    received = frameLength;
    return true;
}

} // namespace caldo
