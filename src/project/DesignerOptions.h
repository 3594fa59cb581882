#pragma once
// Settings of the designer itself, not of any project. They belong to the
// designer session and outlive every project opened in it.
#include <cstdint>
#include <vector>

namespace balsar {

struct DesignerOptions {
    // Byte values offered in drop-down lists of property pages; emptied
    // when a project is closed.
    std::vector<uint8_t> byteChoices;
    // The designer's PC serial port number (1..9).
    int pcComPort = 1;
};

} // namespace balsar
