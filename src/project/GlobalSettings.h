#pragma once
// The panel-wide settings block of a project: start screen, screen saver,
// passwords, switches and the PLC control block.
#include <array>
#include <cstdint>

#include "plc/CAddr.h"

namespace balsar {

class Archive;
struct CompileContext;

class GlobalSettings {
public:
    GlobalSettings();

    // Version 2 with the password screen; version 1 blocks read it as 1.
    void Serialize(Archive& ar);
    // Section 0 of the image: the settings record and the PLC control block.
    // Not written yet: the section stays empty until the record lands.
    void Compile(CompileContext& context);
    void ResetAddress() { controlAddress.Reset(controlAddress.width); }
    void SwapPorts(int32_t a, int32_t b) { controlAddress.SwapPorts(a, b); }

    bool operator==(const GlobalSettings& other) const = default;

    uint32_t optionFlags = 1;
    uint16_t initialScreen = 1;
    uint16_t screenSaverScreen = 0;
    uint16_t screenSaverDelay = 3;
    uint8_t wakePasswordLevel = 0;
    uint16_t reserved = 255;
    std::array<int32_t, 8> passwords{};
    uint16_t passwordScreen = 1;
    uint32_t plcControlFlags = 0;
    CAddr controlAddress{WIDTH_WORD};
};

} // namespace balsar
