// What the panel says about itself in reply to the panel information command,
// and the values the tools compare it with.
#pragma once

#include <cstddef>
#include <cstdint>

namespace caldo {

inline constexpr uint8_t kPanelModeApplication = 1;
inline constexpr uint16_t kPanelModel1 = 1;
inline constexpr uint16_t kPanelModel1Alias = 0xFFFF;
inline constexpr uint16_t kPanelModel2 = 2;

// Bytes 16.. of the panel information reply of a simulated panel. A panel
// that sends them says it is no real hardware, so a placeholder program may be
// written into it.
inline constexpr char kEmulatedPanelMark[] = "EMULATED";
inline constexpr size_t kEmulatedPanelMarkOffset = 16;

struct PanelInfo {
    uint8_t mode = 0; // 1 = application running, anything else = bootloader
    uint16_t model = 0;
    uint16_t guiVersion = 0;
    bool emulated = false; // the reply carried kEmulatedPanelMark
};

bool IsModel1(uint16_t model);
bool IsKnownModel(uint16_t model);

} // namespace caldo
