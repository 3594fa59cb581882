#include "project/DesignerSession.h"

#include <utility>

#include "base/ProgramPaths.h"
#include "elements/FontEngine.h"
#include "elements/FreeTypeFontEngine.h"
#include "elements/Languages.h"
#include "project/CMirloProject.h"
#include "project/LegacyPlcCatalogueFile.h"
#include "project/PortSettingsChange.h"

namespace balsar {

namespace {

std::filesystem::path OrProgramLibrary(std::filesystem::path folder, const char* below) {
    return folder.empty() ? LibraryFolder() / below : std::move(folder);
}

} // namespace

DesignerSession::DesignerSession(MessageSink& messages, Prompt& questions, SessionParts parts)
    : sink(messages), prompt(questions), m_protocols(OrProgramLibrary(std::move(parts.plcFolder), "plc")),
      m_models(OrProgramLibrary(std::move(parts.hardwareFolder), "hardware")), m_fonts(std::move(parts.fonts)),
      m_newProjectLanguage(std::move(parts.newProjectLanguage)), m_ownedLegacyCatalogue(std::move(parts.ownedLegacyCatalogue)),
      m_legacyCatalogue(parts.legacyCatalogue ? parts.legacyCatalogue : m_ownedLegacyCatalogue.get()) {}

DesignerSession DesignerSession::ForProgram(MessageSink& sink, Prompt& prompt,
                                            std::optional<LanguageDefaults> newProjectLanguage) {
    SessionParts parts;
    parts.plcFolder = LibraryFolder() / "plc";
    parts.hardwareFolder = LibraryFolder() / "hardware";
    parts.ownedLegacyCatalogue = std::make_unique<LegacyPlcCatalogueFile>(LibraryFolder() / "plc" / "legacy-plcs.xml", sink);
    parts.fonts = std::make_unique<FreeTypeFontEngine>(LibraryFolder() / "fonts" / "fonts.conf");
    parts.newProjectLanguage =
        newProjectLanguage ? std::move(*newProjectLanguage) : SystemLanguageDefaults(parts.fonts.get());
    return DesignerSession(sink, prompt, std::move(parts));
}

DesignerSession::~DesignerSession() = default;

const ProtocolLibrary& DesignerSession::Protocols() const {
    m_protocols.EnsureLoaded(sink);
    return m_protocols;
}

const HardwareModelList& DesignerSession::Models() const {
    m_models.EnsureLoaded(sink);
    return m_models;
}

int DesignerSession::PanelWidth() const {
    return m_model.resolutionX > 0 && m_model.resolutionY > 0 ? m_model.resolutionX : kDefaultPanelWidth;
}

int DesignerSession::PanelHeight() const {
    return m_model.resolutionX > 0 && m_model.resolutionY > 0 ? m_model.resolutionY : kDefaultPanelHeight;
}

bool DesignerSession::Activate(const CMirloProject& project) {
    ForgetProject();
    m_hasModel = Models().LoadModelById(m_model, project.panelModelId, sink);
    ReloadPortProtocols(project);
    return m_hasModel;
}

void DesignerSession::ReloadPortProtocols(const CMirloProject& project) {
    m_ports.Reload(NotePorts(project).protocolId, Protocols(), sink);
}

void DesignerSession::ForgetProject() {
    m_model = HardwareModel();
    m_hasModel = false;
    m_ports.Clear();
}

void DesignerSession::SetModel(const HardwareModel& model) {
    m_model = model;
    m_hasModel = true;
}

} // namespace balsar
