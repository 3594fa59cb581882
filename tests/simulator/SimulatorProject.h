#pragma once
// The project the simulator tests run: on screen 1 a register on the PLC's
// holding register 4X 10, a lamp on coil 0X 5, F1 setting 4X 20 to 1234,
// F2 switching coil 0X 6 on and F3 jumping to screen 2, which shows the
// panel's own LW 3. Port 0 speaks Modbus RTU (station 1) with a short
// timeout and one retry (unless asked otherwise), so that silent devices
// cost little time.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/DesignerFixture.h"

namespace balsar::simulator::test {

std::vector<uint8_t> CompileSimulatorProject(runtime::test::DesignerFixture& designer, bool cutOff = false,
                                             int retries = 1);
// The image written to a file of the test's own folder; its path.
std::string WriteImage(const std::vector<uint8_t>& image, const std::string& name);
// A fresh empty folder under the test temporary folder.
std::string TempFolder(const std::string& name);

} // namespace balsar::simulator::test
