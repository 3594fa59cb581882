#pragma once
// The common start of VIRur and MirloSpy: parse the command line, run a
// headless mode or open the window.
namespace balsar::simulator {

int SimulatorMain(int argc, char** argv, bool online);

} // namespace balsar::simulator
