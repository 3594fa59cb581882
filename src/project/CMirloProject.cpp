#include "project/CMirloProject.h"

#include <algorithm>
#include <bitset>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/ElementArchiveContext.h"
#include "project/ProjectStrings.h"
#include "xml/CXmlNodeWrapper.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CMirloProject, 1, nullptr)

CMirloProject::CMirloProject(const LanguageDefaults& defaults)
    : languages(defaults), eventList(defaults.fontName) {}

CMirloProject::~CMirloProject() = default;

void CMirloProject::Serialize(Archive& ar) {
    // Pictures find the library through the archive's context: while the
    // whole project is written they only mark their entry as used.
    ElementArchiveContext elementContext(&bitmapLibrary, true);
    ArchiveContext* previous = ar.Context();
    ar.SetContext(&elementContext);
    struct Restore {
        Archive& ar;
        ArchiveContext* previous;
        ~Restore() { ar.SetContext(previous); }
    } restore{ar, previous};

    if (ar.IsStoring()) {
        bitmapLibrary.ResetUseCounts();
        SortScreens();
    }

    int32_t version = kFileVersion;
    ar.Value(version);
    if (version >= 3) {
        int32_t minimumReader = kMinimumReaderVersion;
        ar.Value(minimumReader);
        if (ar.IsLoading() && minimumReader > kMinimumReaderVersion) {
            throw NewerFileError();
        }
    }
    ar.Value(panelModelId);
    if (version >= 2) {
        ar.Value(showLabels);
    } else {
        showLabels = 1;
    }
    for (CPortCom& port : m_ports) {
        port.Serialize(ar);
    }
    m_portCan.Serialize(ar);
    languages.Serialize(ar);
    ar.ObjectList(m_screens);
    if (ar.IsLoading()) {
        // The image lists screens in ascending number whatever order a file
        // holds them in.
        SortScreens();
    }
    settings.Serialize(ar);
    if (ar.IsLoading() && languages.Count() > 0) {
        // A list from an older file carries no font: it takes the font of
        // the project's own first language, not that of the machine it is
        // opened on. A newer list reads its own over this.
        eventList.font = languages.GetFontName(0);
    }
    eventList.Serialize(ar);
    if (version >= 4) {
        bitmapLibrary.Serialize(ar);
    }
    if (version >= 5) {
        dataTransfers.Serialize(ar);
    }
}

void CMirloProject::SetProjectPath(const std::string& path) {
    m_path = path;
    const size_t slash = path.find_last_of('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const size_t dot = file.rfind('.'); dot != std::string::npos) {
        file.erase(dot);
    }
    m_name = file;
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    m_compileOutputPath = folder + "/" + m_name + ".bin~";
}

std::string CMirloProject::GetImageFolder() const {
    const size_t slash = m_path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1)) + "image";
}

CHMIFrame* CMirloProject::FindScreen(uint16_t number) const {
    for (const auto& screen : m_screens) {
        if (screen->GetNumber() == number) {
            return screen.get();
        }
    }
    return nullptr;
}

int CMirloProject::AddScreen(std::unique_ptr<CHMIFrame> screen) {
    if (!screen || FindScreen(screen->GetNumber()) != nullptr) {
        return 0;
    }
    m_screens.push_back(std::move(screen));
    SortScreens();
    return 1;
}

int CMirloProject::RemoveScreen(const CHMIFrame* screen) {
    const auto it = std::find_if(m_screens.begin(), m_screens.end(), [&](const auto& s) { return s.get() == screen; });
    if (it == m_screens.end()) {
        return 0;
    }
    m_screens.erase(it);
    return 1;
}

CHMIFrame* CMirloProject::NextScreen(const CHMIFrame* screen) const {
    for (size_t i = 0; i + 1 < m_screens.size(); ++i) {
        if (m_screens[i].get() == screen) {
            return m_screens[i + 1].get();
        }
    }
    return nullptr;
}

CHMIFrame* CMirloProject::PrevScreen(const CHMIFrame* screen) const {
    for (size_t i = 1; i < m_screens.size(); ++i) {
        if (m_screens[i].get() == screen) {
            return m_screens[i - 1].get();
        }
    }
    return nullptr;
}

void CMirloProject::SortScreens() {
    // Ascending by number; screens of equal number end up in reverse list
    // order, as building a descending list by insertion and walking it back
    // does.
    std::stable_sort(m_screens.begin(), m_screens.end(),
                     [](const auto& a, const auto& b) { return a->GetNumber() > b->GetNumber(); });
    std::reverse(m_screens.begin(), m_screens.end());
}

uint16_t CMirloProject::NextFreeScreenNumber(bool systemScreenMode) const {
    std::bitset<65536> used;
    for (const auto& screen : m_screens) {
        used.set(screen->GetNumber());
    }
    uint32_t candidate = systemScreenMode ? 65535 : 1;
    // Stepping past 65535 wraps the 16-bit result to 0, which no screen uses
    // unless a file says so; stop there in any case.
    while (candidate < 65536 && used.test(candidate)) {
        ++candidate;
    }
    return static_cast<uint16_t>(candidate);
}

CPortCom* CMirloProject::GetPort(int index) {
    return (index >= 0 && index < 3) ? &m_ports[static_cast<size_t>(index)] : nullptr;
}

const CPortCom* CMirloProject::GetPort(int index) const {
    return (index >= 0 && index < 3) ? &m_ports[static_cast<size_t>(index)] : nullptr;
}

bool CMirloProject::SwapPorts(int a, int b, MessageSink& sink) {
    if (a == b) {
        return true;
    }
    if (a < 0 || a > 2 || b < 0 || b > 2) {
        sink.Message(texts::kOnlyCom0To2);
        return false;
    }
    settings.SwapPorts(a, b);
    eventList.SwapPort(a, b);
    dataTransfers.SwapPort(a, b);
    for (auto& screen : m_screens) {
        screen->SwapPorts(a, b);
    }
    m_ports[static_cast<size_t>(a)].Exchange(m_ports[static_cast<size_t>(b)]);
    return true;
}

void CMirloProject::ResetAllAddresses() {
    settings.ResetAddress();
    eventList.ResetAddresses();
    dataTransfers.ResetAddresses();
    for (auto& screen : m_screens) {
        screen->ResetAddresses();
    }
}

void CMirloProject::XmlSave(CXmlNodeWrapper& node, int pcComPort) const {
    node.SetValue("Name", m_name);
    if (node.Name() == "HMI") {
        CXmlNodeWrapper frames = node.InsertNode(0, "Frames");
        for (const auto& screen : m_screens) {
            screen->XmlSave(frames);
        }
    } else if (node.Name() == "MirloProject") {
        m_communication.XmlSave(node, pcComPort);
        node.InsertNode(node.NumNodes(), "Sarvo");
        CXmlNodeWrapper frames = node.InsertNode(node.NumNodes(), "Frames");
        for (const auto& screen : m_screens) {
            screen->XmlSave(frames);
        }
        if (legacyAlarmList) {
            legacyAlarmList->XmlSave(node);
        } else {
            CAlarmList().XmlSave(node);
        }
    }
}

namespace {

void LoadFrames(const CXmlNodeWrapper& frames, CMirloProject& project, MessageSink& sink,
                const XmlElementFactory& factory) {
    for (int i = 0; i < frames.NumNodes(); ++i) {
        const CXmlNodeWrapper child = frames.GetNode(i);
        if (child.Name().empty()) {
            continue;
        }
        auto screen = std::make_unique<CHMIFrame>();
        if (screen->XmlLoad(child, sink, factory)) {
            project.AddScreen(std::move(screen));
        }
    }
}

} // namespace

bool CMirloProject::XmlLoad(const CXmlNodeWrapper& node, MessageSink& sink, std::optional<int> legacyPlc,
                            const XmlElementFactory& factory) {
    const std::string root = node.Name();
    if (root == "HMI") {
        const CXmlNodeWrapper frames = node.FindNode("Frames");
        if (!frames) {
            return false;
        }
        LoadFrames(frames, *this, sink, factory);
        return true;
    }
    if (root != "MirloProject") {
        return true;
    }
    const CXmlNodeWrapper communication = node.FindNode("Communication");
    if (!communication) {
        sink.Message(texts::kFindCommunication);
        return false;
    }
    std::optional<uint8_t> plcId;
    if (legacyPlc) {
        plcId = static_cast<uint8_t>(*legacyPlc);
    }
    m_communication.XmlLoad(communication, plcId);
    // The legacy settings are checked for their presence only; the legacy
    // alarm list is kept with the project. Neither reaches the project file.
    if (!node.FindNode("Sarvo")) {
        sink.Message(texts::kFindSarvo);
        return false;
    }
    const CXmlNodeWrapper frames = node.FindNode("Frames");
    if (!frames) {
        sink.Message(texts::kFindFrames);
        return false;
    }
    LoadFrames(frames, *this, sink, factory);
    const CXmlNodeWrapper alarms = node.FindNode("AlarmList");
    if (!alarms) {
        sink.Message(texts::kFindAlarmList);
        return false;
    }
    legacyAlarmList = std::make_unique<CAlarmList>();
    return legacyAlarmList->XmlLoad(alarms, sink);
}

} // namespace balsar
