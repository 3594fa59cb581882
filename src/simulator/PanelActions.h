#pragma once
// What the headless modes do with a running panel: key names to key codes,
// "--set REG=VALUE" and "--press KEY" applied in order, every screen's
// frame, and one read of the PLC registers a screen uses.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/FrameBuffer.h"
#include "simulator/SimulatorOptions.h"

namespace balsar::runtime {
class PanelRuntime;
class PlcLink;
} // namespace balsar::runtime

namespace balsar::simulator {

class PortRegisters;

// F1..F15, UP, DOWN, LEFT, RIGHT, ENT (ENTER), ESC (ESCAPE), 0..9 and
// KEY<code>, in any case; -1 for anything else.
int KeyCodeOf(std::string_view name);

// Sets a register ("LW12=5", "RW3.A=1", "0:1:4:100=-2", "0x" for
// hexadecimal) or presses and releases a key, then lets 100 ms pass. False
// with the reason for a malformed register, value or key.
bool ApplyAction(runtime::PanelRuntime& panel, const PanelAction& action, std::string& error);

// Every screen by number: the current one as the panel shows it now (focus
// and entry included), the others with the current register values.
std::map<uint16_t, runtime::FrameBuffer> RenderAllScreens(runtime::PanelRuntime& panel);

// One value read through the link.
struct PolledRegister {
    runtime::AddressRecord address;
    std::vector<uint16_t> values;
    // "<port> <register type> <address> = <value>", values separated by
    // blanks.
    std::string line;
};

// Reads every distinct PLC register the screen uses once through the link
// and stores the values in the panel's registers. False with the
// communication error at the first register that fails.
bool PollScreenOnce(runtime::PanelRuntime& panel, uint16_t screen, runtime::PlcLink& link,
                    const PortRegisters& names, std::vector<PolledRegister>& out, std::string& error);

} // namespace balsar::simulator
