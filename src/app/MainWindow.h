#pragma once
// The designer's main window: menus, toolbars and status bar built from the
// command table, the project tree beside the screen editor, and the
// project commands of the shell.
#include <QMainWindow>
#include <QStringList>
#include <map>
#include <memory>

#include "app/DesignerServices.h"

class QAction;
class QLabel;

namespace balsar {
struct FindingPlace;
class ProcessLauncher;
} // namespace balsar

namespace balsar::editor {
class CanvasWidget;
class ProjectTree;
class ScreenCommands;
class ScreenEditor;
} // namespace balsar::editor

namespace balsar::app {

class ProjectTextActions;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 860;
    static constexpr int kHeight = 730;

    explicit MainWindow(DesignerServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The project commands without their file dialogs.
    bool OpenProjectPath(const QString& path);
    bool SaveProject();
    bool SaveProjectAsPath(const QString& path);
    bool CloseProject();
    // Closes the current project, then opens every file in order.
    void OpenDroppedFiles(const QStringList& paths);
    void ImportLegacyProject();

    QAction* Action(int id) const;
    QList<QAction*> RecentActions() const { return m_recentActions; }
    editor::ScreenEditor& Editor() const { return *m_editor; }
    editor::ScreenCommands& ScreenCommands() const { return *m_screenCommands; }
    editor::ProjectTree* Tree() const { return m_tree; }
    editor::CanvasWidget* Canvas() const { return m_canvas; }
    QLabel* MousePane() const { return m_mousePane; }
    ProjectTextActions* ProjectText() const { return m_projectText; }
    class CheckDock* CheckPane() const { return m_checkDock; }
    // Where the tool commands start outside programs; null (the default):
    // a QProcess launcher. Tests give one that records the starts.
    void SetProcessLauncher(ProcessLauncher* launcher) { m_launcher = launcher; }
    // The user manual's file: docs/manual/index.html beside the program (built
    // from docs/manual), else the markdown in the source tree.
    static QString ManualPath();

public slots:
    void UpdateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildCommands();
    void Run(int id);
    void AfterProjectChange();
    void RefreshTitle();
    void RefreshRecent();
    void RememberRecent(const QString& path);
    void OpenWithDialog();
    void SaveAsWithDialog();
    void NewScreenWithDialog();
    void CopyScreenWithDialog();
    void ScreenPropertiesWithDialog();
    void ShowManual();
    void ShowAbout();
    void NotAvailable();
    // The upload/download task: its dialog, then the serial tool.
    void SerialTaskWithDialog();
    // Download, Offline simulation or Simulator through the outside programs.
    void RunTool(int id);
    // Checks the open project and shows the findings in the check pane;
    // true when there are no errors.
    bool CheckProjectNow();
    // Selects the element of a finding on its screen (or shows the screen);
    // a finding in the event list, the data transfers or the settings opens
    // that dialog, at the item in a list.
    void GoToFinding(const FindingPlace& place);
    // New project: closes the open one, then runs the new-project wizard.
    void NewProjectWithWizard();
    // The communication settings, opened on a port's page.
    void CommunicationWithDialog(int page);
    // Refreshes the views after a settings dialog changed the project.
    void AfterSettingsChange(int command);
    // The event list's dialog (it stays open beside the editor) and the
    // data transfers' dialog, each with a row selected (none: -1).
    void EventListWithDialog(int row);
    void DataTransfersWithDialog(int row);
    // The property dialog of an element of the current screen, as one undo step.
    void EditElementAt(int index);

    DesignerServices& m_services;
    std::unique_ptr<editor::ScreenEditor> m_editor;
    std::unique_ptr<editor::ScreenCommands> m_screenCommands;
    editor::ProjectTree* m_tree = nullptr;
    editor::CanvasWidget* m_canvas = nullptr;
    QLabel* m_mousePane = nullptr;
    ProjectTextActions* m_projectText = nullptr;
    class CheckDock* m_checkDock = nullptr;
    std::map<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QString m_startFolder;
    ProcessLauncher* m_launcher = nullptr;
};

} // namespace balsar::app
