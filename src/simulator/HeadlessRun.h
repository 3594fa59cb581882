#pragma once
// The headless modes of the two programs, as functions that tests call in
// process: "VIRur --render" and "MirloSpy --poll-once". They print to the
// given streams and return the exit status (0 done, 1 failed).
#include <iosfwd>

#include "simulator/SimulatorOptions.h"

namespace balsar::simulator {

int RunRender(const SimulatorOptions& options, std::ostream& out, std::ostream& err);
int RunPollOnce(const SimulatorOptions& options, std::ostream& out, std::ostream& err);

} // namespace balsar::simulator
