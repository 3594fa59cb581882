// Placeholder program files: the driver and GUI program files shipped in lib/
// until real ones come from the panel firmware side. Their payload (the part
// the package carries) starts with a mark, so that the tools can tell them
// from real programs and never write one into a real panel by mistake.
#pragma once

#include <cstdint>
#include <span>

namespace caldo {

inline constexpr char kPlaceholderMark[] = "BALSAR-PLACEHOLDER";

// Whether the region data is a placeholder program.
bool IsPlaceholderProgram(std::span<const uint8_t> region);

} // namespace caldo
