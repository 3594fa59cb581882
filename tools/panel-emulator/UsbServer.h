// The USB transport of panel-emulator: the panel's USB device in a umockdev
// testbed, answering the bulk transfers of libusb in another process.
#pragma once

#include <cstdint>
#include <functional>

#include "Responder.h"

namespace panelsim {

struct UsbIdentity {
    uint16_t applicationVendor = 0x16C0, applicationProduct = 0x05DC;
    uint16_t bootloaderVendor = 0x16C0, bootloaderProduct = 0x05DD;
};

// Whether this build can emulate the USB device.
bool UsbEmulationAvailable();

// Emulates the panel's USB device and prints "usb TESTBED_ROOT VID:PID" first.
// A program started with LD_PRELOAD=libumockdev-preload.so.0 and
// UMOCKDEV_DIR=TESTBED_ROOT finds the device through libusb. While the
// bootloader runs the device enumerates anew under the bootloader's id, as
// the panel does. applicationRunning tells which. Returns only on an error.
int ServeUsb(const UsbIdentity& identity, const Responder& respond, const std::function<bool()>& applicationRunning);

} // namespace panelsim
