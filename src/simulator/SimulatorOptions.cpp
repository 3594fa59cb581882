#include "simulator/SimulatorOptions.h"

#include <charconv>

namespace balsar::simulator {

namespace {

bool IsHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

bool ParseInt(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

bool SimulatorOptions::ParseVirur(const std::vector<std::string>& args, SimulatorOptions& out,
                                  std::string& error) {
    SimulatorOptions options;
    if (IsHelp(args)) {
        out = options;
        return true;
    }
    if (!args.empty() && args[0] == "--render") {
        if (args.size() < 3) {
            error = "--render needs OUTDIR and IMAGE";
            return false;
        }
        options.mode = Mode::Render;
        options.renderDir = args[1];
        options.image = args[2];
        for (size_t i = 3; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if ((arg == "--set" || arg == "--press") && i + 1 < args.size()) {
                options.actions.push_back(PanelAction{
                    arg == "--set" ? PanelAction::Kind::Set : PanelAction::Kind::Press, args[++i]});
            } else {
                error = "unexpected argument: " + arg;
                return false;
            }
        }
        out = options;
        return true;
    }
    if (args.size() != 4) {
        error = "expected MODEL_ID IMAGE ENCODER PICTURE";
        return false;
    }
    options.mode = Mode::Window;
    if (!ParseInt(args[0], options.modelId)) {
        error = "MODEL_ID is not a number: " + args[0];
        return false;
    }
    options.image = args[1];
    if (args[2] != "0" && args[2] != "1") {
        error = "ENCODER must be 0 or 1: " + args[2];
        return false;
    }
    options.encoder = args[2] == "1";
    options.picture = args[3];
    out = options;
    return true;
}

bool SimulatorOptions::ParseMirloSpy(const std::vector<std::string>& args, SimulatorOptions& out,
                                     std::string& error) {
    SimulatorOptions options;
    options.online = true;
    if (IsHelp(args)) {
        out = options;
        return true;
    }
    if (args.size() == 3 && args[0] == "-o" && args[1] == "-f") {
        options.mode = Mode::Window;
        options.image = args[2];
        out = options;
        return true;
    }
    if (args.empty() || args[0] != "--poll-once") {
        error = "expected -o -f IMAGE or --poll-once IMAGE";
        return false;
    }
    if (args.size() < 2) {
        error = "--poll-once needs IMAGE";
        return false;
    }
    options.mode = Mode::PollOnce;
    options.image = args[1];
    bool haveLink = false;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size()) {
            error = "missing value after " + arg;
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--tcp" || arg == "--serial") {
            if (haveLink) {
                error = "give one link: --tcp HOST:PORT or --serial DEVICE";
                return false;
            }
            haveLink = true;
            if (arg == "--serial") {
                options.endpoint = LinkEndpoint::Serial(value);
            } else if (!LinkEndpoint::ParseTcp(value, options.endpoint)) {
                error = "--tcp " + value + ": expected HOST:PORT";
                return false;
            }
        } else if (arg == "--render") {
            options.renderDir = value;
        } else {
            error = "unexpected argument: " + arg;
            return false;
        }
    }
    if (!haveLink) {
        error = "--poll-once needs --tcp HOST:PORT or --serial DEVICE";
        return false;
    }
    out = options;
    return true;
}

} // namespace balsar::simulator
