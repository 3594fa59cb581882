#pragma once
// The designer's document: holds the one open project, reads and writes its
// project file, tracks unsaved changes and the "already open" lock. No Qt:
// messages and questions go through the session's MessageSink and Prompt.
// Whenever its project is replaced or closed, the session forgets the
// model and port descriptions of the previous one; the shell activates the
// new project (DesignerSession::Activate).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "project/CMirloProject.h"
#include "project/LegacyImport.h"
#include "project/ProjectLock.h"

namespace balsar {

class Archive;
class ClassRegistry;
class DesignerSession;

class CMirloDoc {
public:
    // registry: the classes a project file may create.
    CMirloDoc(DesignerSession& session, const ClassRegistry& registry);
    ~CMirloDoc();

    // Writes the project as one archived object (storing), or reads one
    // object of class CMirloProject and makes it the open project (loading).
    void Serialize(Archive& ar);
    // Reads a project file. On any failure the message is shown and the open
    // project stays as it was.
    bool OnOpenDocument(const std::string& path);
    bool OnSaveDocument(const std::string& path) { return SaveToFile(path, true); }
    // Writes the project file safely (temporary file, flush, rename). With
    // rename set, the project takes the path and the modified flag clears.
    bool SaveToFile(const std::string& path, bool rename);
    // Whether closing may go on: asks to save when the project changed or
    // its file no longer matches what would be written.
    bool SaveModified();
    void ClearProject();

    // The shell's project commands without their file dialogs.
    // Open: ".ZPJ" check, lock check, close the current project, read.
    bool OpenProject(const std::string& path);
    // Save As: asks before replacing an existing file of that name.
    bool SaveProjectAs(const std::string& path);
    // Close: SaveModified, then ClearProject; false when the user cancelled.
    bool CloseProject();
    // Makes a newly created project the open one (new-project wizard).
    void SetProject(std::unique_ptr<CMirloProject> project);
    // A new, empty project with the session's first language.
    std::unique_ptr<CMirloProject> CreateProject() const;

    // Legacy XML import of xmlFile (the command passes "sys.xml" of the
    // current folder), with the session's older PLC catalogue. On success
    // the imported project is open, the document modified, and its screens
    // are numbered in system-screen mode. On failure the document is as it
    // was: no import state is left behind.
    bool LoadLegacyXml(const std::string& xmlFile, const XmlElementFactory& factory);
    // What the import left with the open project; none for other projects.
    const std::optional<LegacyImport>& LegacyImportState() const { return m_legacyImport; }
    // Screens are numbered from 65535 while the open project came from the
    // legacy import.
    bool SystemScreenMode() const { return m_legacyImport.has_value(); }

    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_modified; }
    std::string GetTitle() const;

    // The panel size of the current model (see DesignerSession) and the
    // editor grid that follows from it: a column or row per 4 pixels, 8
    // canvas pixels per column or row.
    int PanelWidth() const;
    int PanelHeight() const;
    int Columns() const { return PanelWidth() / 4; }
    int Rows() const { return PanelHeight() / 4; }
    int CanvasWidth() const { return Columns() * 8; }
    int CanvasHeight() const { return Rows() * 8; }

    CMirloProject* Project() const { return m_project.get(); }
    CHMIFrame* CurrentScreen() const { return m_currentScreen; }
    void SetCurrentScreen(CHMIFrame* screen) { m_currentScreen = screen; }
    const std::string& DocumentPath() const { return m_documentPath; }

    int AddScreen(std::unique_ptr<CHMIFrame> screen);
    int RemoveScreen(const CHMIFrame* screen);
    CHMIFrame* FindScreen(uint16_t number) const;
    int AddElement(std::unique_ptr<CGraphElement> element);
    int RemoveElement(const CGraphElement* element);
    // Swaps two serial ports of the open project and marks it modified.
    bool SwapPorts(int a, int b);

private:
    std::vector<uint8_t> StoreProject();
    // The project was replaced or closed: its import state and the session's
    // model and port descriptions no longer apply.
    void ForgetProjectState();

    DesignerSession& m_session;
    const ClassRegistry& m_registry;
    std::unique_ptr<CMirloProject> m_project;
    CHMIFrame* m_currentScreen = nullptr;
    bool m_modified = false;
    std::string m_documentPath;
    std::string m_documentTitle;
    ProjectLock m_lock;
    std::optional<LegacyImport> m_legacyImport;
};

} // namespace balsar
