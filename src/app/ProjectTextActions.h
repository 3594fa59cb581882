#pragma once
// The project's text forms in the designer: entries of the 工程 menu for
// the JSON form and the strings for translation (with file dialogs), the
// cross-reference dock, the memory meter in the status bar after each
// compile, and the report of what the legacy import could not take over.
#include <functional>

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace balsar {
class CMirloDoc;
class DesignerSession;
namespace editor {
class ScreenEditor;
}
} // namespace balsar

namespace balsar::app {

class XrefDock;

class ProjectTextActions : public QObject {
    Q_OBJECT
public:
    // Adds the entries to the window's menu titled projectMenuTitle, the dock
    // (hidden until asked for) and the status-bar pane. openProject opens a
    // project file the way the window does.
    ProjectTextActions(QMainWindow& window, CMirloDoc& doc, DesignerSession& session, editor::ScreenEditor& editor,
                       const QString& projectMenuTitle, std::function<bool(const QString&)> openProject);

    // The file-taking parts of the commands, without dialogs (tests call
    // them); each reports its failure through the session's message sink
    // and returns success.
    bool ExportJson(const QString& path);
    bool ImportJson(const QString& jsonPath, const QString& projectPath);
    bool ExportStrings(const QString& path, int language);
    bool ImportStrings(const QString& path, int language);

    // The memory meter's figures of the open project, shown in the status bar.
    void AfterCompile();
    // After the legacy import of xmlFile: takes over what it can and lists
    // every element it could not take over completely in one message.
    void AfterLegacyImport(const QString& xmlFile);
    // Follows a change of the open project (the dock's list).
    void AfterProjectChange();

    XrefDock* Dock() const { return m_dock; }
    QLabel* MemoryPane() const { return m_memory; }
    QAction* ExportJsonAction() const { return m_exportJson; }
    QAction* ImportJsonAction() const { return m_importJson; }
    QAction* ExportStringsAction() const { return m_exportStrings; }
    QAction* ImportStringsAction() const { return m_importStrings; }
    QAction* XrefAction() const { return m_xref; }

private:
    QMenu* FindMenu(const QString& title) const;
    bool AskLanguage(const QString& title, int& language);
    void Warn(const QString& text);

    QMainWindow& m_window;
    CMirloDoc& m_doc;
    DesignerSession& m_session;
    editor::ScreenEditor& m_editor;
    std::function<bool(const QString&)> m_openProject;
    XrefDock* m_dock = nullptr;
    QLabel* m_memory = nullptr;
    QAction* m_exportJson = nullptr;
    QAction* m_importJson = nullptr;
    QAction* m_exportStrings = nullptr;
    QAction* m_importStrings = nullptr;
    QAction* m_xref = nullptr;
};

} // namespace balsar::app
