#pragma once
// The panel-wide settings block of a project: start screen, screen saver,
// passwords, switches and the PLC control block.
#include <array>
#include <cstdint>
#include <string>

#include "plc/CAddr.h"

namespace balsar {

class Archive;
class MessageSink;
struct CompileContext;

class GlobalSettings {
public:
    static constexpr size_t kRecordSize = 56;
    static constexpr int32_t kMaxPassword = 999999999;
    // PLC control flags.
    static constexpr uint32_t kPlcSelectsScreen = 0x1;
    static constexpr uint32_t kReportCurrentScreen = 0x2;

    GlobalSettings();

    // Version 2 with the password screen; version 1 blocks read it as 1.
    void Serialize(Archive& ar);
    // Section 0 of the image: the 56-byte settings record, followed by the
    // PLC control block when a control function is on.
    void Compile(CompileContext& context) const;
    // Address operations of the project: back to the LOCAL default, and the
    // port swap.
    // Resets the control address when it is marked as lying on a changed port.
    void ResetAddress() { controlAddress.ResetIfPortChanged(); }
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

// The password check of the settings dialog's OK: every text, blanks
// trimmed, must be a decimal number of at most 999999999. On success the
// values go to passwords; otherwise "密码输入范围越界" is shown and passwords
// stay as they were.
bool CheckPasswords(const std::array<std::string, 8>& texts, std::array<int32_t, 8>& passwords, MessageSink& sink);

// Screen-saver delay choices: item 0..10 of the list stands for 0, 1, 2, 3,
// 5, 10, 15, 20, 30, 45 and 60 minutes.
uint16_t ScreenSaverDelayForItem(int item);
// The list item of a stored delay; -1 when the value is not one of them.
int ScreenSaverItemForDelay(uint16_t minutes);

} // namespace balsar
