#pragma once
// The designer session: the services one designer (or one balsar-cli run)
// works with, assembled in one place. It owns the protocol library, the
// protocol description of each of the four ports, the panel model list and
// the current panel model, the font engine and the first language of new
// projects, and refers to where messages and questions go.
//
// The current model and the port descriptions follow the open project:
// Activate loads them from a project, ForgetProject empties them (the
// document calls it whenever its project is replaced or closed), so nothing
// of one project carries over into the next. The session keeps no copy of
// project state: the labels flag, the model ID and the ports are read from
// the project, the panel size from the current model.
//
// Build one with ForProgram in a program and with the constructor and
// SessionParts in tests, benchmarks and fuzz targets. No Qt.
#include <filesystem>
#include <memory>
#include <optional>

#include "elements/FontEngine.h"
#include "elements/LanguageDefaults.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/DesignerOptions.h"
#include "project/LegacyPlcCatalogue.h"

namespace balsar {

class CMirloProject;
class MessageSink;
class Prompt;

// What a session is built from. A part left empty takes its default;
// designated initializers name the parts a test chooses, e.g.
// DesignerSession session{sink, prompt, SessionParts{.fonts = std::move(engine)}}.
struct SessionParts {
    // The folder of "index.CFG" and the protocol folders; empty: lib/plc of
    // the program folder.
    std::filesystem::path plcFolder{};
    // The folder of the panel model files; empty: lib/hardware of the
    // program folder.
    std::filesystem::path hardwareFolder{};
    // Operating-system fonts; null: built-in dot-matrix glyphs only.
    std::unique_ptr<FontEngine> fonts{};
    // The first language of a new project.
    LanguageDefaults newProjectLanguage{};
    // The older PLC catalogue the legacy XML import looks "PLCID" up in (not
    // owned); null: the owned one below, if any.
    const LegacyPlcCatalogue* legacyCatalogue = nullptr;
    // A catalogue the session keeps (ForProgram: lib/plc/legacy-plcs.xml).
    std::unique_ptr<LegacyPlcCatalogue> ownedLegacyCatalogue{};
};

class DesignerSession {
public:
    // The panel size while there is no model with a resolution.
    static constexpr int kDefaultPanelWidth = 128;
    static constexpr int kDefaultPanelHeight = 64;

    // A session of the given parts. Nothing is read from disk before it is
    // first needed.
    DesignerSession(MessageSink& sink, Prompt& prompt, SessionParts parts = {});
    // The session of the running program: the library below LibraryFolder(),
    // FreeType fonts with the aliases of lib/fonts/fonts.conf, and as first
    // language of new projects the given one or else the system's (from the
    // locale, with that language's default font).
    static DesignerSession ForProgram(MessageSink& sink, Prompt& prompt,
                                      std::optional<LanguageDefaults> newProjectLanguage = std::nullopt);

    ~DesignerSession();
    DesignerSession(const DesignerSession&) = delete;
    DesignerSession& operator=(const DesignerSession&) = delete;
    DesignerSession(DesignerSession&&) = delete;
    DesignerSession& operator=(DesignerSession&&) = delete;

    // Where messages go and questions are asked.
    MessageSink& sink;
    Prompt& prompt;
    // Settings of the designer itself.
    DesignerOptions options;

    // The protocol library, loaded on first use (a missing or broken file is
    // reported through the sink once).
    const ProtocolLibrary& Protocols() const;
    // The panel model list, loaded on first use.
    const HardwareModelList& Models() const;
    // The protocol description of each port 0..3: those of the open
    // project's protocols after Activate, empty ones without a project.
    const PortProtocols& PortDescriptions() const { return m_ports; }
    // The current panel model: the open project's after Activate; an empty
    // model (ID -1, no ports, no keys) without one.
    const HardwareModel& Model() const { return m_model; }
    // Whether there is a current model (Activate found the project's, or
    // SetModel chose one).
    bool HasModel() const { return m_hasModel; }
    // Operating-system fonts; null when the session has none.
    FontEngine* Fonts() const { return m_fonts.get(); }
    const LanguageDefaults& NewProjectLanguage() const { return m_newProjectLanguage; }
    // Null when there is none.
    const LegacyPlcCatalogue* LegacyCatalogue() const { return m_legacyCatalogue; }

    // The panel size: the current model's resolution, or 128 x 64 when the
    // model has none.
    int PanelWidth() const;
    int PanelHeight() const;

    // Follows a project that became the open one: forgets the previous
    // project's model and descriptions, then loads the project's model and
    // the descriptions of its ports' protocols. False when the model ID is
    // not in the list (the session then has no model).
    bool Activate(const CMirloProject& project);
    // Reloads the port descriptions from the project's protocol IDs (after
    // the communication settings changed or two ports were swapped); a port
    // whose ID the library lacks keeps its description.
    void ReloadPortProtocols(const CMirloProject& project);
    // Back to no open project: no model, four empty descriptions.
    void ForgetProject();
    // Makes a model the current one (a tool or test that picks a model
    // without a project; Activate replaces it).
    void SetModel(const HardwareModel& model);

private:
    mutable ProtocolLibrary m_protocols;
    mutable HardwareModelList m_models;
    PortProtocols m_ports;
    HardwareModel m_model;
    bool m_hasModel = false;
    std::unique_ptr<FontEngine> m_fonts;
    const LanguageDefaults m_newProjectLanguage;
    std::unique_ptr<LegacyPlcCatalogue> m_ownedLegacyCatalogue;
    const LegacyPlcCatalogue* m_legacyCatalogue;
};

} // namespace balsar
