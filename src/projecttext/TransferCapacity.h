#pragma once
// How much user data the transfer tools let a panel take: the size rule
// they check before a download, from the length of the GUI program the
// package carries and whether a second PLC driver goes with it.
#include <cstdint>
#include <filesystem>
#include <string>

namespace balsar {

class CMirloProject;
class HardwareModel;
class ProtocolLibrary;

struct TransferCapacity {
    // The GUI program region of panel hardware 1 (the model's "HWFile").
    uint32_t guiBytes = 0;
    // COM1 is in use, so its driver is the package's second section.
    bool secondDriver = false;
    // The largest user-data region (the image padded to 4 bytes) each panel
    // hardware takes.
    uint32_t hardware1 = 0;
    uint32_t hardware2 = 0;
};

// Panel hardware 1 reserves the GUI program in whole kilobytes (rounding
// up from 256 bytes below a kilobyte boundary) from 100352 bytes, gets
// 6144 more without a second driver, and keeps 16 bytes of its own.
uint32_t Hardware1Capacity(uint32_t guiBytes, bool secondDriver);
// Panel hardware 2: 131072 bytes less its own 16.
uint32_t Hardware2Capacity();

// The capacity for the project's package: its ports' drivers from the
// library, the model's GUI program from hardwareFolder, each measured as
// the package stores it. False, with the reason, when the package could
// not be made (a protocol the library lacks, a missing file, a model
// without GUI program).
bool ProjectCapacity(const CMirloProject& project, const ProtocolLibrary& library, const HardwareModel& model,
                     const std::filesystem::path& hardwareFolder, TransferCapacity& capacity, std::string& reason);

} // namespace balsar
