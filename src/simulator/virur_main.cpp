// VIRur: the offline simulator.
#include "simulator/SimulatorMain.h"

int main(int argc, char** argv) {
    return balsar::simulator::SimulatorMain(argc, argv, false);
}
