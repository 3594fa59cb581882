#include <charconv>
#include <ostream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "cli/CliCommands.h"
#include "editing/PortPage.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "project/NewProject.h"
#include "project/NewProjectStrings.h"

namespace balsar {

namespace {

constexpr const char* kNewUsage = "usage: balsar-cli new NAME --folder DIR --model ID [--port N=PROTOCOL_ID ...]\n";

class ErrSink : public MessageSink {
public:
    explicit ErrSink(std::ostream& err) : m_err(err) {}
    void Message(const std::string& text, MessageKind, const std::string& caption) override {
        m_err << (caption.empty() ? "" : caption + ": ") << text << '\n';
    }

private:
    std::ostream& m_err;
};

// Confirms the model question (the model is named on the command line) and
// refuses everything else, overwriting an existing folder in particular.
class NewCommandPrompt : public Prompt {
public:
    explicit NewCommandPrompt(std::ostream& err) : m_err(err) {}
    Answer Ask(const std::string& text, Buttons, const std::string&) override {
        const Answer answer = text == texts::kConfirmModel ? Answer::Yes : Answer::No;
        m_err << text << (answer == Answer::Yes ? " -> yes" : " -> no") << '\n';
        return answer;
    }

private:
    std::ostream& m_err;
};

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

struct PortChoice {
    int port = 0;
    int protocolId = 0;
};

// A port page with the protocol chosen and its defaults taken, stored into
// the port.
bool FillPort(const PortChoice& choice, const HardwareModel& model, const ProtocolLibrary& library, CPortCom& port,
              MessageSink& sink, std::ostream& err) {
    const HardwarePort* hardware = model.FindPort(choice.port);
    if (hardware == nullptr || hardware->IsCan()) {
        err << "the panel model has no serial port " << choice.port << '\n';
        return false;
    }
    int manufacturer = -1;
    int protocol = -1;
    if (!library.FindProtocol(choice.protocolId, manufacturer, protocol)) {
        err << "no protocol with ID " << choice.protocolId << " in the library\n";
        return false;
    }
    PortPage page(library, SerialOptions{hardware->rs232, hardware->rs485, hardware->rs422});
    page.ChooseManufacturer(manufacturer + 1, sink);
    if (!page.ChooseDevice(protocol, sink)) {
        return false;
    }
    page.Store(port, sink);
    return true;
}

} // namespace

int RunNewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    NewProjectRequest request;
    std::string folder;
    int modelId = 0;
    bool haveModel = false;
    std::vector<PortChoice> ports;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--folder" && hasValue) {
            folder = args[++i];
        } else if (arg == "--model" && hasValue && ParseInt(args[i + 1], modelId)) {
            haveModel = true;
            ++i;
        } else if (arg == "--port" && hasValue) {
            const std::string& value = args[++i];
            const size_t equals = value.find('=');
            PortChoice choice;
            if (equals == std::string::npos || !ParseInt(value.substr(0, equals), choice.port) ||
                !ParseInt(value.substr(equals + 1), choice.protocolId) || choice.port < 0 || choice.port > 2) {
                err << "bad --port value: " << value << '\n' << kNewUsage;
                return 2;
            }
            ports.push_back(choice);
        } else if (request.name.empty() && !arg.starts_with("--")) {
            request.name = arg;
        } else {
            err << "unexpected argument: " << arg << '\n' << kNewUsage;
            return 2;
        }
    }
    if (TrimProjectName(request.name).empty() || folder.empty() || !haveModel) {
        err << kNewUsage;
        return 2;
    }
    std::error_code ec;
    request.parentFolder = std::filesystem::absolute(folder, ec).lexically_normal();

    ErrSink sink(err);
    NewCommandPrompt prompt(err);
    // A new project's first language is fixed here rather than taken from
    // the machine's locale, so the command makes the same project anywhere.
    DesignerSession session = DesignerSession::ForProgram(sink, prompt, LanguageDefaults{});
    const ProtocolLibrary& library = session.Protocols();
    const HardwareModelList& models = session.Models();
    request.modelIndex = models.IndexOfId(modelId);
    HardwareModel chosen;
    if (request.modelIndex < 0 || !models.LoadModelByIndex(chosen, request.modelIndex, sink)) {
        err << "no panel model with ID " << modelId << '\n';
        return 1;
    }
    for (const PortChoice& choice : ports) {
        if (!FillPort(choice, chosen, library, request.ports.ports[static_cast<size_t>(choice.port)], sink, err)) {
            return 1;
        }
    }

    CMirloDoc doc(session, CoreClassRegistry());
    if (FinishNewProject(doc, session, request) != NewProjectResult::Created) {
        return 1;
    }
    const std::string path = doc.Project()->GetProjectPath();
    if (doc.IsModified() && !doc.OnSaveDocument(path)) {
        return 1;
    }
    out << path << '\n';
    return 0;
}

} // namespace balsar
