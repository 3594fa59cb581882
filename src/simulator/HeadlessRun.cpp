#include "simulator/HeadlessRun.h"

#include <ostream>

#include "base/MessageSink.h"
#include "plc/ProtocolLibrary.h"
#include "runtime/PanelRuntime.h"
#include "simulator/FramePng.h"
#include "simulator/ModbusLink.h"
#include "simulator/PanelActions.h"
#include "simulator/PortRegisters.h"

namespace balsar::simulator {

namespace {

// Messages of the protocol library go to the error stream.
class StreamSink : public MessageSink {
public:
    explicit StreamSink(std::ostream& err) : m_err(err) {}
    void Message(const std::string& text, MessageKind, const std::string&) override { m_err << text << '\n'; }

private:
    std::ostream& m_err;
};

bool Load(runtime::PanelRuntime& panel, const std::string& image, std::ostream& err) {
    std::string error;
    if (!panel.LoadFile(image, error)) {
        err << image << ": " << error << '\n';
        return false;
    }
    panel.Step(0);
    return true;
}

int WriteScreens(runtime::PanelRuntime& panel, const std::string& folder, std::ostream& out,
                 std::ostream& err) {
    std::string error;
    const auto frames = RenderAllScreens(panel);
    if (!SaveScreens(frames, folder, error)) {
        err << error << '\n';
        return 1;
    }
    out << frames.size() << " screen(s) written to " << folder << '\n';
    return 0;
}

} // namespace

int RunRender(const SimulatorOptions& options, std::ostream& out, std::ostream& err) {
    runtime::PanelRuntime panel;
    if (!Load(panel, options.image, err)) {
        return 1;
    }
    for (const PanelAction& action : options.actions) {
        std::string error;
        if (!ApplyAction(panel, action, error)) {
            err << error << '\n';
            return 1;
        }
    }
    return WriteScreens(panel, options.renderDir, out, err);
}

int RunPollOnce(const SimulatorOptions& options, std::ostream& out, std::ostream& err) {
    runtime::PanelRuntime panel;
    if (!Load(panel, options.image, err)) {
        return 1;
    }
    StreamSink sink(err);
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel.Image().ports, library, sink);

    ModbusLink link(names);
    std::string error;
    if (!link.Open(options.endpoint, error)) {
        err << error << '\n';
        return 1;
    }
    std::vector<PolledRegister> polled;
    if (!PollScreenOnce(panel, panel.CurrentScreen(), link, names, polled, error)) {
        err << error << '\n';
        return 1;
    }
    for (const PolledRegister& r : polled) {
        out << r.line << '\n';
    }
    if (polled.empty()) {
        err << "the initial screen uses no PLC register\n";
    }
    if (options.renderDir.empty()) {
        return 0;
    }
    return WriteScreens(panel, options.renderDir, out, err);
}

} // namespace balsar::simulator
