#pragma once
// The designer's document: holds the one open project, reads and writes its
// project file, tracks unsaved changes and the "already open" lock. No Qt:
// messages and questions go through the context's MessageSink and Prompt.
#include <cstdint>
#include <memory>
#include <string>

#include "project/CMirloProject.h"
#include "project/ProjectLock.h"

namespace balsar {

class Archive;
class ClassRegistry;
struct DesignerContext;

class CMirloDoc {
public:
    // registry: the classes a project file may create.
    CMirloDoc(DesignerContext& context, const ClassRegistry& registry);
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
    // A new, empty project with the system language defaults.
    std::unique_ptr<CMirloProject> CreateProject() const;

    // Legacy XML import of xmlFile (the command passes "sys.xml" of the
    // current folder).
    bool LoadLegacyXml(const std::string& xmlFile, const XmlElementFactory& factory);

    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_modified; }
    std::string GetTitle() const;

    void SetPanelSize(int width, int height);
    int PanelWidth() const { return m_panelWidth; }
    int PanelHeight() const { return m_panelHeight; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int CanvasWidth() const { return m_canvasWidth; }
    int CanvasHeight() const { return m_canvasHeight; }

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

    DesignerContext& m_context;
    const ClassRegistry& m_registry;
    std::unique_ptr<CMirloProject> m_project;
    CHMIFrame* m_currentScreen = nullptr;
    bool m_modified = false;
    std::string m_documentPath;
    std::string m_documentTitle;
    ProjectLock m_lock;
    int m_panelWidth = 0;
    int m_panelHeight = 0;
    int m_columns = 0;
    int m_rows = 0;
    int m_canvasWidth = 0;
    int m_canvasHeight = 0;
};

} // namespace balsar
