#pragma once
// The values of the side pane: a register a screen uses, shown as text and
// changed from text. A register element's value is shown in its data type
// (signed, unsigned, hexadecimal, float, double); a bit as 0 or 1; a run of
// words (ASCII strings, trend samples) as the words separated by blanks.
#include <string>

#include "runtime/PanelRuntime.h"

namespace balsar::simulator {

std::string RegisterValueText(const runtime::PanelRuntime& panel, uint16_t screen,
                              const runtime::RegisterUse& use);
// False with the reason when the text is no value of that kind.
bool SetRegisterValue(runtime::PanelRuntime& panel, uint16_t screen, const runtime::RegisterUse& use,
                      const std::string& text, std::string& error);

} // namespace balsar::simulator
