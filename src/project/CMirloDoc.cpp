#include "project/CMirloDoc.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Prompt.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "project/DesignerSession.h"
#include "project/LegacyPlcCatalogue.h"
#include "project/ProjectStrings.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace fs = std::filesystem;

CMirloDoc::CMirloDoc(DesignerSession& session, const ClassRegistry& registry)
    : m_session(session), m_registry(registry) {}

CMirloDoc::~CMirloDoc() = default;

std::unique_ptr<CMirloProject> CMirloDoc::CreateProject() const {
    m_session.options.byteChoices.push_back(0);
    return std::make_unique<CMirloProject>(m_session.NewProjectLanguage());
}

void CMirloDoc::Serialize(Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObject(m_project.get());
        return;
    }
    std::unique_ptr<CMirloProject> loaded = ar.ReadObjectAs<CMirloProject>();
    if (!loaded) {
        throw ArchiveError("no project in file");
    }
    m_session.options.byteChoices.push_back(0);
    m_project = std::move(loaded);
    m_currentScreen = m_project->Screens().empty() ? nullptr : m_project->Screens().front().get();
}

bool CMirloDoc::OnOpenDocument(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, bytes, error)) {
        m_session.sink.Message(Format(texts::kCannotOpenFile, path.c_str(), error.c_str()));
        return false;
    }
    // Read into a scratch document state first, so a damaged file leaves the
    // open project untouched.
    std::unique_ptr<CMirloProject> previous = std::move(m_project);
    CHMIFrame* previousScreen = m_currentScreen;
    try {
        Archive ar(bytes, m_registry);
        Serialize(ar);
    } catch (const NewerFileError&) {
        m_project = std::move(previous);
        m_currentScreen = previousScreen;
        m_session.sink.Message(texts::kNewerVersion);
        return false;
    } catch (const ArchiveError&) {
        m_project = std::move(previous);
        m_currentScreen = previousScreen;
        m_session.sink.Message(texts::kOpenFailed);
        return false;
    }
    previous.reset();
    ForgetProjectState();
    m_project->SetProjectPath(path);
    m_documentPath = path;
    std::error_code ec;
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) {
        fs::current_path(folder, ec);
    }
    SetModifiedFlag(false);
    return true;
}

std::vector<uint8_t> CMirloDoc::StoreProject() {
    Archive ar;
    Serialize(ar);
    return ar.TakeData();
}

bool CMirloDoc::SaveToFile(const std::string& path, bool rename) {
    if (!m_project) {
        return false;
    }
    m_project->SortScreens();
    const std::vector<uint8_t> bytes = StoreProject();
    std::string error;
    if (!WriteFileAtomically(path, bytes, error)) {
        m_session.sink.Message(Format(texts::kCannotCreateFile, path.c_str(), error.c_str()));
        return false;
    }
    if (rename) {
        m_project->SetProjectPath(path);
        m_documentPath = path;
        SetModifiedFlag(false);
    }
    return true;
}

bool CMirloDoc::SaveModified() {
    if (!m_modified) {
        if (!m_project || m_project->GetProjectPath().empty()) {
            return true;
        }
        // What a save would write now, compared with the file on disk: a file
        // changed behind the designer's back still gets the question.
        const std::vector<uint8_t> bytes = StoreProject();
        if (FileEquals(m_project->GetProjectPath(), bytes)) {
            return true;
        }
    }
    const std::string name = m_documentPath.empty() ? GetTitle() : m_documentPath;
    const Answer answer = m_session.prompt.Ask(Format(texts::kSaveChangesFormat, name.c_str()), Buttons::YesNoCancel,
                                               texts::kApplicationTitle);
    if (answer == Answer::Cancel) {
        return false;
    }
    if (answer == Answer::Yes) {
        if (m_documentPath.empty()) {
            return false;
        }
        return OnSaveDocument(m_documentPath);
    }
    return true;
}

void CMirloDoc::ForgetProjectState() {
    m_legacyImport.reset();
    m_session.ForgetProject();
}

void CMirloDoc::ClearProject() {
    m_project.reset();
    m_currentScreen = nullptr;
    ForgetProjectState();
    m_session.options.byteChoices.clear();
    m_documentPath.clear();
    m_documentTitle.clear();
    SetModifiedFlag(false);
}

bool CMirloDoc::OpenProject(const std::string& path) {
    const std::string extension = fs::path(path).extension().string();
    if (AsciiUpper(extension) != texts::kProjectExtension) {
        m_session.sink.Message(texts::kNotZpj, MessageKind::Error, texts::kFileFormatCaption);
        return false;
    }
    ProjectLock lock;
    if (!lock.Acquire(path)) {
        m_session.sink.Message(texts::kAlreadyOpen);
        return false;
    }
    if (m_project && !CloseProject()) {
        return false;
    }
    if (!OnOpenDocument(path)) {
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

bool CMirloDoc::SaveProjectAs(const std::string& path) {
    if (!m_project) {
        return false;
    }
    std::error_code ec;
    if (fs::exists(path, ec)) {
        if (m_session.prompt.Ask(texts::kReplaceExisting, Buttons::YesNo) != Answer::Yes) {
            return false;
        }
    }
    const bool samePath = ProjectLock::NormalisedName(path) == ProjectLock::NormalisedName(m_documentPath);
    ProjectLock lock;
    if (!samePath && !lock.Acquire(path)) {
        m_session.sink.Message(texts::kAlreadyOpen);
        return false;
    }
    if (!OnSaveDocument(path)) {
        return false;
    }
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) {
        fs::current_path(folder, ec);
    }
    if (!samePath) {
        m_lock = std::move(lock);
    }
    return true;
}

bool CMirloDoc::CloseProject() {
    if (!SaveModified()) {
        return false;
    }
    ClearProject();
    m_lock.Release();
    return true;
}

void CMirloDoc::SetProject(std::unique_ptr<CMirloProject> project) {
    m_project = std::move(project);
    ForgetProjectState();
    m_currentScreen = (m_project && !m_project->Screens().empty()) ? m_project->Screens().front().get() : nullptr;
    m_documentPath = m_project ? m_project->GetProjectPath() : std::string();
}

bool CMirloDoc::LoadLegacyXml(const std::string& xmlFile, const XmlElementFactory& factory) {
    // Everything the import changes is kept aside until it has succeeded.
    const bool wasModified = m_modified;
    std::string previousPath = std::move(m_documentPath);
    std::string previousTitle = std::move(m_documentTitle);
    const auto fail = [&] {
        m_documentPath = std::move(previousPath);
        m_documentTitle = std::move(previousTitle);
        SetModifiedFlag(wasModified);
        return false;
    };
    const LegacyPlcCatalogue* catalogue = m_session.LegacyCatalogue();
    LegacyImport import;
    SetModifiedFlag(true);
    m_documentTitle = "sys.xml";
    m_documentPath = (ProgramFolder() / "sys.xml").string();
    CXmlDocumentWrapper document;
    if (!document.Load(xmlFile)) {
        m_session.sink.Message(Format(texts::kErrorLoadXml, xmlFile.c_str()));
        return fail();
    }
    const CXmlNodeWrapper root = document.RootElement();
    if (!root) {
        return fail();
    }
    import.softwareVersion = root.GetValue("SoftVersion");
    const int plcId = IntAttribute(root, "PLCID");
    if (catalogue == nullptr || !catalogue->FindName(plcId)) {
        return fail();
    }
    import.plc = plcId;
    auto project = std::make_unique<CMirloProject>(m_session.NewProjectLanguage());
    project->SetProjectPath(m_documentPath);
    if (!project->XmlLoad(root, m_session.sink, import.plc, factory)) {
        return fail();
    }
    m_project = std::move(project);
    m_currentScreen = m_project->Screens().empty() ? nullptr : m_project->Screens().front().get();
    m_session.options.byteChoices.push_back(0);
    ForgetProjectState();
    m_legacyImport = std::move(import);
    return true;
}

void CMirloDoc::SetModifiedFlag(bool modified) { m_modified = modified; }

std::string CMirloDoc::GetTitle() const {
    if (!m_project) {
        return texts::kApplicationTitle;
    }
    if (m_documentPath.empty()) {
        return m_documentTitle.empty() ? std::string(texts::kApplicationTitle) : m_documentTitle;
    }
    const std::string file = fs::path(m_documentPath).filename().string();
    return Format("%s - [%s%s]", m_documentPath.c_str(), file.c_str(), m_modified ? " *" : "");
}

int CMirloDoc::PanelWidth() const { return m_session.PanelWidth(); }

int CMirloDoc::PanelHeight() const { return m_session.PanelHeight(); }

int CMirloDoc::AddScreen(std::unique_ptr<CHMIFrame> screen) {
    if (!m_project) {
        return 0;
    }
    SetModifiedFlag(true);
    CHMIFrame* raw = screen.get();
    const int added = m_project->AddScreen(std::move(screen));
    if (added != 0) {
        m_currentScreen = raw;
    }
    return added;
}

int CMirloDoc::RemoveScreen(const CHMIFrame* screen) {
    if (!m_project) {
        return 0;
    }
    SetModifiedFlag(true);
    m_currentScreen = nullptr;
    return m_project->RemoveScreen(screen);
}

CHMIFrame* CMirloDoc::FindScreen(uint16_t number) const {
    return m_project ? m_project->FindScreen(number) : nullptr;
}

int CMirloDoc::AddElement(std::unique_ptr<CGraphElement> element) {
    if (m_currentScreen == nullptr) {
        return 0;
    }
    SetModifiedFlag(true);
    return m_currentScreen->AddElement(std::move(element));
}

int CMirloDoc::RemoveElement(const CGraphElement* element) {
    if (m_currentScreen == nullptr) {
        return 0;
    }
    SetModifiedFlag(true);
    return m_currentScreen->RemoveElement(element);
}

bool CMirloDoc::SwapPorts(int a, int b) {
    if (!m_project) {
        return false;
    }
    if (a == b) {
        return true;
    }
    if (!m_project->SwapPorts(a, b, m_session.sink)) {
        return false;
    }
    SetModifiedFlag(true);
    return true;
}

} // namespace balsar
