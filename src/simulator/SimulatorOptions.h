#pragma once
// The command lines of VIRur and MirloSpy, parsed into what to do.
#include <string>
#include <vector>

#include "simulator/LinkEndpoint.h"

namespace balsar::simulator {

// One --set or --press of a headless render, in command-line order.
struct PanelAction {
    enum class Kind { Set, Press };
    Kind kind = Kind::Set;
    std::string text; // "REG=VALUE" or the key name
};

struct SimulatorOptions {
    enum class Mode { Help, Window, Render, PollOnce };
    Mode mode = Mode::Help;
    std::string image;
    // Window: the designer's offline command line (model, encoder, picture)
    // or the online "-o -f IMAGE".
    bool online = false;
    int modelId = -1;
    bool encoder = false;
    std::string picture;
    // Render and poll-once.
    std::string renderDir;
    std::vector<PanelAction> actions;
    LinkEndpoint endpoint;

    // False with the reason for a command line that fits no form.
    static bool ParseVirur(const std::vector<std::string>& args, SimulatorOptions& out, std::string& error);
    static bool ParseMirloSpy(const std::vector<std::string>& args, SimulatorOptions& out,
                              std::string& error);
};

} // namespace balsar::simulator
