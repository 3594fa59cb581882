#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppStrings.h"
#include "app/CheckDock.h"
#include "app/CommandIcons.h"
#include "app/CommandTable.h"
#include "app/MainToolBars.h"
#include "app/ProjectFolders.h"
#include "app/QtProcessLauncher.h"
#include "app/RecentProjects.h"
#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "check/ProjectCheck.h"
#include "compiler/ExternalTools.h"
#include "dialogs/CommunicationDialog.h"
#include "dialogs/DataTransferDialog.h"
#include "dialogs/ElementPropertiesDialog.h"
#include "dialogs/EventListDialog.h"
#include "dialogs/GlobalSettingsDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/NewProjectWizard.h"
#include "dialogs/SerialTaskDialog.h"
#include "editor/CanvasWidget.h"
#include "editor/PictureInsert.h"
#include "app/ProjectTextActions.h"
#include "editor/ProjectTree.h"
#include "editor/ScreenCommands.h"
#include "editor/ScreenDialogs.h"
#include "editor/ScreenEditor.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKinds.h"
#include "elements/FindingStrings.h"
#include "i18n/LanguageMenu.h"
#include "app/AppText.h"
#include "i18n/UiText.h"
#include "icons/SuiteIcons.h"

namespace balsar::app {

using namespace ids;
using editor::AlignMode;
using editor::CentreMode;

MainWindow::MainWindow(DesignerServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_startFolder(QDir::currentPath()) {
    m_editor = std::make_unique<editor::ScreenEditor>(services.doc, services.session, CoreClassRegistry());
    m_screenCommands = std::make_unique<editor::ScreenCommands>(*m_editor);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    m_tree = new editor::ProjectTree(*m_editor, central);
    m_tree->setFixedWidth(200);
    m_canvas = new editor::CanvasWidget(*m_editor);
    auto* scroll = new QScrollArea(central);
    scroll->setWidget(m_canvas);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setBackgroundRole(QPalette::Mid);
    layout->addWidget(m_tree);
    layout->addWidget(scroll, 1);
    setCentralWidget(central);

    BuildCommands();
    m_projectText = new ProjectTextActions(*this, services.doc, services.session, *m_editor, Text(texts::kMenuProject),
                                           [this](const QString& path) { return CloseProject() && OpenProjectPath(path); });

    // The check pane, filled by 检查工程 and by every compile.
    m_checkDock = new CheckDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_checkDock);
    m_checkDock->hide();
    connect(m_checkDock, &CheckDock::findingActivated, this, &MainWindow::GoToFinding);
    auto* checkAction = new QAction(Text(texts::kCheckCommand), this);
    checkAction->setObjectName(QStringLiteral("checkProject"));
    checkAction->setIcon(icons::Themed("dialog-information", "actions/balsar-about"));
    connect(checkAction, &QAction::triggered, this, [this] { CheckProjectNow(); });
    for (QAction* menu : menuBar()->actions()) {
        if (menu->menu() != nullptr && menu->text() == Text(texts::kMenuTools)) {
            menu->menu()->addAction(checkAction);
        }
    }

    m_mousePane = new QLabel(this);
    m_mousePane->setFixedWidth(150);
    statusBar()->addPermanentWidget(m_mousePane);
    connect(m_canvas, &editor::CanvasWidget::mousePositionText, m_mousePane, &QLabel::setText);

    connect(m_editor.get(), &editor::ScreenEditor::selectionChanged, this, &MainWindow::UpdateCommandStates);
    connect(m_editor.get(), &editor::ScreenEditor::screenChanged, this, &MainWindow::UpdateCommandStates);
    connect(m_editor.get(), &editor::ScreenEditor::structureChanged, this, &MainWindow::UpdateCommandStates);
    connect(m_editor.get(), &editor::ScreenEditor::modifiedChanged, this, &MainWindow::RefreshTitle);
    connect(m_editor->UndoStack(), &QUndoStack::canUndoChanged, this, &MainWindow::UpdateCommandStates);
    connect(m_editor->UndoStack(), &QUndoStack::canRedoChanged, this, &MainWindow::UpdateCommandStates);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::UpdateCommandStates);
    connect(m_editor.get(), &editor::ScreenEditor::geometryChanged, this, [this](int w, int h) {
        statusBar()->showMessage(QStringLiteral("%1 x %2").arg(w).arg(h), 3000);
    });

    connect(m_canvas, &editor::CanvasWidget::elementDoubleClicked, this, &MainWindow::EditElementAt);
    connect(m_tree, &editor::ProjectTree::newScreenRequested, this, &MainWindow::NewScreenWithDialog);
    connect(m_tree, &editor::ProjectTree::copyScreenRequested, this, &MainWindow::CopyScreenWithDialog);
    connect(m_tree, &editor::ProjectTree::deleteScreenRequested, this, [this] { Run(kDeleteScreen); });
    connect(m_tree, &editor::ProjectTree::swapPortsRequested, this, [this] { Run(kSwapPorts); });
    connect(m_tree, &editor::ProjectTree::globalSettingsRequested, this, [this] { Run(kGlobalSettings); });
    connect(m_tree, &editor::ProjectTree::alarmSettingsRequested, this, [this] { Run(kAlarmSettings); });
    connect(m_tree, &editor::ProjectTree::languageSettingsRequested, this, [this] { Run(kLanguageSettings); });
    connect(m_tree, &editor::ProjectTree::communicationRequested, this, &MainWindow::CommunicationWithDialog);

    setAcceptDrops(true);
    // Opens at the designed size; larger screens may give it more room.
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    setWindowIcon(icons::Program("balsar"));
    RefreshRecent();
    AfterProjectChange();
}

MainWindow::~MainWindow() {
    // The editor outlives the actions while members go; it must not call back.
    m_editor->UndoStack()->disconnect(this);
    m_editor->disconnect(this);
    QApplication::clipboard()->disconnect(this);
}

QAction* MainWindow::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::BuildCommands() {
    std::map<Menu, QMenu*> menus;
    const std::pair<Menu, const char*> menuTitles[] = {
        {Menu::Project, texts::kMenuProject},   {Menu::Edit, texts::kMenuEdit},
        {Menu::Arrange, texts::kMenuArrange},   {Menu::Screen, texts::kMenuScreen},
        {Menu::Elements, texts::kMenuElements}, {Menu::Settings, texts::kMenuSettings},
        {Menu::Tools, texts::kMenuTools},       {Menu::Help, texts::kMenuHelp}};
    for (const auto& [menu, title] : menuTitles) {
        menus[menu] = menuBar()->addMenu(Text(title));
    }
    for (const CommandSpec& command : CommandTable()) {
        auto* action = new QAction(CommandIcon(command.id), Text(command.text), this);
        action->setObjectName(QStringLiteral("command%1").arg(command.id));
        QList<QKeySequence> keys;
        for (const QString& key : Text(command.keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            keys.append(QKeySequence(key));
        }
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action); // shortcuts work for commands without a menu entry too
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        m_actions[id] = action;
        if (command.menu != Menu::None) {
            menus[command.menu]->addAction(action);
        }
        if (command.id == kSaveProjectAs) {
            QMenu* project = menus[Menu::Project];
            project->addSeparator();
            for (int i = 0; i < kRecentCount; ++i) {
                auto* recent = new QAction(this);
                recent->setObjectName(QStringLiteral("command%1").arg(kRecentFirst + i));
                recent->setVisible(false);
                connect(recent, &QAction::triggered, this, [this, recent] { OpenProjectPath(recent->data().toString()); });
                project->addAction(recent);
                m_recentActions.append(recent);
            }
            project->addSeparator();
        }
    }
    m_actions[kLabels]->setCheckable(true);
    menus[Menu::Help]->addMenu(i18n::MakeLanguageMenu(this));
    BuildToolBars(*this, m_actions);
}

void MainWindow::Run(int id) {
    editor::ScreenEditor& ed = *m_editor;
    CMirloDoc& doc = m_services.doc;
    DesignerSession& session = m_services.session;
    switch (id) {
    case kNewProject:
        NewProjectWithWizard();
        return;
    case kGlobalSettings:
        ed.BeginSettingsChange();
        dialogs::ShowGlobalSettingsDialog(this, doc, session);
        AfterSettingsChange(id);
        return;
    case kAlarmSettings:
        EventListWithDialog(-1);
        return;
    case kLanguageSettings:
        ed.BeginSettingsChange();
        dialogs::ShowLanguageDialog(this, doc, session.Fonts(), session.sink);
        AfterSettingsChange(id);
        return;
    case kDataTransfer:
        DataTransfersWithDialog(-1);
        return;
    case kCommunication:
        CommunicationWithDialog(0);
        return;
    case kHiddenCommand:
        dialogs::ShowSerialPortDialog(this, session.options);
        return;
    case kUploadDownload:
        SerialTaskWithDialog();
        return;
    case kOpenProject:
        OpenWithDialog();
        return;
    case kCloseProject:
        CloseProject();
        return;
    case kSaveProject:
        SaveProject();
        return;
    case kSaveProjectAs:
        SaveAsWithDialog();
        return;
    case kExit:
        close();
        return;
    case kLegacyImport:
        ImportLegacyProject();
        return;
    case kUndo:
        ed.UndoStack()->undo();
        return;
    case kRedo:
        ed.UndoStack()->redo();
        return;
    case kCut:
        ed.Cut();
        return;
    case kCopy:
        ed.Copy();
        UpdateCommandStates();
        return;
    case kPaste:
        ed.Paste();
        return;
    case kDelete:
        ed.DeleteSelection();
        return;
    case kSelectAll:
        ed.SelectAll();
        return;
    case kSelectNone:
        ed.DisarmTool();
        ed.SelectNone();
        return;
    case kBringForward:
        ed.BringToFront();
        return;
    case kSendBack:
        ed.SendToBack();
        return;
    case kNudgeLeft:
        ed.Nudge(-1, 0);
        return;
    case kNudgeRight:
        ed.Nudge(1, 0);
        return;
    case kNudgeUp:
        ed.Nudge(0, -1);
        return;
    case kNudgeDown:
        ed.Nudge(0, 1);
        return;
    case kAlignLeft:
    case kAlignHCentre:
    case kAlignRight:
    case kAlignTop:
    case kAlignVCentre:
    case kAlignBottom:
        ed.Align(static_cast<AlignMode>(id - kAlignLeft));
        return;
    case kSpaceHorizontal:
    case kSpaceVertical:
        ed.Distribute(id == kSpaceHorizontal);
        return;
    case kCentreHorizontal:
        ed.Centre(CentreMode::Horizontal);
        return;
    case kCentreVertical:
        ed.Centre(CentreMode::Vertical);
        return;
    case kCentreBoth:
        ed.Centre(CentreMode::Both);
        return;
    case kNewScreen:
        NewScreenWithDialog();
        return;
    case kCopyScreen:
        CopyScreenWithDialog();
        return;
    case kDeleteScreen:
        m_screenCommands->DeleteScreen();
        return;
    case kScreenProperties:
        ScreenPropertiesWithDialog();
        return;
    case kLabels:
        ed.ToggleLabels();
        UpdateCommandStates();
        return;
    case kSwapPorts:
        ed.SwapPorts(0, 1);
        return;
    case kDownload:
    case kOfflineSimulation:
    case kSimulator:
        RunTool(id);
        return;
    case kManual:
        ShowManual();
        return;
    case kAbout:
        ShowAbout();
        return;
    case kNextPane:
        (m_tree->hasFocus() ? static_cast<QWidget*>(m_canvas) : m_tree)->setFocus();
        return;
    case kPrevPane:
        (m_canvas->hasFocus() ? static_cast<QWidget*>(m_tree) : m_canvas)->setFocus();
        return;
    default:
        break;
    }
    if (const int tool = ToolCodeOf(id); tool >= 0) {
        if (tool == KIND_PICTURE) {
            editor::ChoosePictureAndArm(this, ed);
        } else {
            ed.ArmTool(tool);
        }
        m_canvas->setFocus();
    }
}

void MainWindow::UpdateCommandStates() {
    editor::ScreenEditor& ed = *m_editor;
    const bool project = m_services.doc.Project() != nullptr;
    const bool screen = ed.HasScreen();
    const int selected = ed.Selection().Size();
    const auto enable = [this](int id, bool on) {
        if (QAction* action = Action(id)) {
            action->setEnabled(on);
        }
    };
    // Tools 3 and 4 have no work: hidden, not shown disabled.
    for (int id : {kToolbarCommand3, kToolbarCommand4}) {
        if (QAction* action = Action(id)) {
            action->setVisible(false);
        }
    }
    enable(kUploadDownload, true);
    enable(kNewProject, true);
    enable(kHiddenCommand, true);
    for (int id : {kOfflineSimulation, kDownload, kSimulator, kGlobalSettings, kAlarmSettings, kLanguageSettings,
                   kDataTransfer, kCommunication}) {
        enable(id, project);
    }
    enable(kCloseProject, project);
    enable(kSaveProject, project);
    enable(kSaveProjectAs, project);
    enable(kUndo, ed.UndoStack()->canUndo());
    enable(kRedo, ed.UndoStack()->canRedo());
    for (int id : {kCut, kCopy, kDelete, kBringForward, kSendBack, kNudgeLeft, kNudgeRight, kNudgeUp, kNudgeDown,
                   kCentreHorizontal, kCentreVertical, kCentreBoth}) {
        enable(id, selected >= 1);
    }
    for (int id = kAlignLeft; id <= kAlignBottom; ++id) {
        enable(id, selected >= 2);
    }
    enable(kSpaceHorizontal, selected >= 3);
    enable(kSpaceVertical, selected >= 3);
    enable(kPaste, ed.CanPaste());
    enable(kSelectAll, ed.CanSelectAll());
    enable(kSelectNone, screen);
    enable(kNewScreen, project);
    enable(kCopyScreen, screen);
    enable(kDeleteScreen, screen);
    enable(kScreenProperties, screen);
    for (const CommandSpec& command : CommandTable()) {
        if (const int tool = ToolCodeOf(command.id); tool >= 0) {
            enable(command.id, screen && editor::ScreenEditor::ToolAvailable(tool));
        }
    }
    enable(kLabels, project);
    // Without a project the labels are shown, as a new project has them.
    const CMirloProject* open = m_services.doc.Project();
    Action(kLabels)->setChecked(open == nullptr || open->showLabels != 0);
    enable(kSwapPorts, project);
}

void MainWindow::RefreshTitle() { setWindowTitle(QString::fromStdString(m_services.doc.GetTitle())); }

void MainWindow::AfterProjectChange() {
    if (m_services.doc.Project() != nullptr) {
        m_services.session.Activate(*m_services.doc.Project());
    }
    m_editor->ResetView();
    m_canvas->UpdateSize();
    m_projectText->AfterProjectChange();
    RefreshTitle();
    UpdateCommandStates();
}

void MainWindow::RefreshRecent() {
    const std::vector<std::string> existing = ExistingRecentProjects(LoadRecentEntries());
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const auto index = static_cast<size_t>(i);
        if (index < existing.size()) {
            const QString path = QString::fromStdString(existing[index]);
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
            action->setData(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void MainWindow::RememberRecent(const QString& path) {
    StoreRecentEntries(WithRecentProject(LoadRecentEntries(), path.toStdString()));
    RefreshRecent();
}

bool MainWindow::OpenProjectPath(const QString& path) {
    const bool hadProject = m_services.doc.Project() != nullptr;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool opened = m_services.doc.OpenProject(absolute.toStdString());
    if (opened) {
        RememberRecent(absolute);
        RememberProjectFile(absolute.toStdString());
    }
    if (opened || (hadProject && m_services.doc.Project() == nullptr)) {
        m_mousePane->clear();
        AfterProjectChange();
    }
    return opened;
}

bool MainWindow::SaveProject() {
    CMirloDoc& doc = m_services.doc;
    if (doc.Project() == nullptr) {
        return false;
    }
    if (doc.Project()->GetProjectPath().empty()) {
        SaveAsWithDialog();
        return !doc.IsModified();
    }
    if (!doc.OnSaveDocument(doc.Project()->GetProjectPath())) {
        return false;
    }
    m_editor->UndoStack()->setClean();
    RefreshTitle();
    return true;
}

bool MainWindow::SaveProjectAsPath(const QString& path) {
    if (!m_services.doc.SaveProjectAs(QFileInfo(path).absoluteFilePath().toStdString())) {
        return false;
    }
    m_editor->UndoStack()->setClean();
    RememberRecent(QFileInfo(path).absoluteFilePath());
    RefreshTitle();
    return true;
}

bool MainWindow::CloseProject() {
    if (m_services.doc.Project() == nullptr) {
        return true;
    }
    if (!m_services.doc.CloseProject()) {
        return false;
    }
    QApplication::clipboard()->clear();
    m_mousePane->clear();
    QDir::setCurrent(m_startFolder);
    AfterProjectChange();
    return true;
}

void MainWindow::OpenDroppedFiles(const QStringList& paths) {
    activateWindow();
    if (!CloseProject()) {
        return;
    }
    for (const QString& path : paths) {
        OpenProjectPath(path);
    }
}

void MainWindow::ImportLegacyProject() {
    if (!CloseProject()) {
        return;
    }
    m_services.doc.LoadLegacyXml("sys.xml", CreateElementForXmlType);
    m_projectText->AfterLegacyImport(QStringLiteral("sys.xml"));
    AfterProjectChange();
    // The import leaves a modified document (resetting the view cleared the
    // flag); a failed import leaves nothing.
    if (m_services.doc.Project() != nullptr) {
        m_services.doc.SetModifiedFlag(true);
        RefreshTitle();
    }
}

void MainWindow::OpenWithDialog() {
    const QString path =
        QFileDialog::getOpenFileName(this, Text(Action(kOpenProject)->text().toUtf8().constData()).remove('&'),
                                     DialogStartFolder(m_services.doc), Text(texts::kFileFilter) + QStringLiteral(";;*"));
    if (!path.isEmpty()) {
        OpenProjectPath(path);
    }
}

void MainWindow::SaveAsWithDialog() {
    const CMirloProject* project = m_services.doc.Project();
    if (project == nullptr) {
        return;
    }
    const QString proposed = QString::fromStdString(project->GetProjectName()) + QStringLiteral("_1") +
                             Text(texts::kProjectExtension);
    const QString path = QFileDialog::getSaveFileName(this, QString(), QDir(DialogStartFolder(m_services.doc)).filePath(proposed),
                                                      Text(texts::kFileFilter), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        SaveProjectAsPath(path);
    }
}

void MainWindow::NewScreenWithDialog() {
    if (!m_screenCommands->CanAddScreen()) {
        return;
    }
    editor::NewScreenDialog dialog(m_screenCommands->ProposedNumber(), m_services.doc.SystemScreenMode(),
                                   m_services.session.sink, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_screenCommands->NewScreen(dialog.Number(), dialog.Description());
    }
}

void MainWindow::CopyScreenWithDialog() {
    const CHMIFrame* screen = m_editor->Screen();
    if (screen == nullptr) {
        return;
    }
    editor::CopyScreenDialog dialog(screen->GetNumber(), m_screenCommands->ProposedNumber(), m_services.session.sink,
                                    this);
    if (dialog.exec() == QDialog::Accepted) {
        m_screenCommands->CopyScreen(dialog.Target());
    }
}

void MainWindow::ScreenPropertiesWithDialog() {
    const CHMIFrame* screen = m_editor->Screen();
    if (screen == nullptr) {
        return;
    }
    editor::ScreenPropertiesDialog dialog(screen->GetNumber(), m_screenCommands->CurrentProperties(),
                                          m_services.session.sink, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_screenCommands->ApplyProperties(dialog.Properties());
    }
}

QString MainWindow::ManualPath() {
    // The HTML manual the build and the installation put beside the program
    // (also when BALSAR_HOME names another library folder), else the
    // markdown source of a source tree.
    for (const std::filesystem::path& folder : {ProgramFolder(), ExecutableFolder()}) {
        const QString html = QString::fromStdString((folder / "docs" / "manual" / "index.html").string());
        if (QFileInfo::exists(html)) {
            return html;
        }
    }
#ifdef BALSAR_SOURCE_DIR
    return QStringLiteral(BALSAR_SOURCE_DIR "/docs/manual/README.md");
#else
    return QString::fromStdString((ProgramFolder() / "docs" / "manual" / "index.html").string());
#endif
}

void MainWindow::ShowManual() {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        m_services.session.sink.Message(
            Text(texts::kManualOpenFailed).arg(QLatin1Char('"') + path + QLatin1Char('"')).toStdString(),
            MessageKind::Error);
    }
}

void MainWindow::ShowAbout() {
    const QString version = QString::fromStdString(VersionText(ProgramFolder().string()));
    QMessageBox::about(this, Text(texts::kAboutTitle), Text(texts::kAboutProduct) + QStringLiteral("\n") + version);
}

void MainWindow::NewProjectWithWizard() {
    if (!CloseProject()) {
        return;
    }
    if (dialogs::ShowNewProjectWizard(this, m_services.doc, m_services.session, ProposedProjectParent())) {
        RememberRecent(QString::fromStdString(m_services.doc.DocumentPath()));
        RememberProjectFile(m_services.doc.DocumentPath());
    }
    AfterProjectChange();
    m_tree->Rebuild();
}

void MainWindow::CommunicationWithDialog(int page) {
    if (m_services.doc.Project() == nullptr) {
        return;
    }
    m_editor->BeginSettingsChange();
    dialogs::ShowCommunicationDialog(this, m_services.doc, m_services.session, page);
    AfterSettingsChange(kCommunication);
    m_tree->Rebuild();
}

void MainWindow::EventListWithDialog(int row) {
    dialogs::EventListDialog* dialog = dialogs::ShowEventListDialog(this, m_services.doc, m_services.session);
    if (dialog == nullptr) {
        return;
    }
    // The dialog stays open beside the editor: its OK is the step.
    dialog->disconnect(this);
    connect(dialog, &dialogs::ItemListDialog::aboutToApply, m_editor.get(), &editor::ScreenEditor::BeginSettingsChange,
            Qt::UniqueConnection);
    connect(dialog, &dialogs::ItemListDialog::applied, this, [this] { AfterSettingsChange(kAlarmSettings); });
    dialog->SelectRow(row);
}

void MainWindow::DataTransfersWithDialog(int row) {
    m_editor->BeginSettingsChange();
    dialogs::ShowDataTransferDialog(this, m_services.doc, m_services.session, row);
    AfterSettingsChange(kDataTransfer);
}

void MainWindow::EditElementAt(int index) {
    const CHMIFrame* screen = m_editor->Screen();
    if (screen == nullptr) {
        return;
    }
    const uint16_t number = screen->GetNumber();
    dialogs::EditElementPropertiesUndoable(this, m_services.doc, m_services.session, *m_editor->UndoStack(), number,
                                           index, [this, number, index](CGraphElement&) {
                                               m_editor->SelectIndexes(number, {index});
                                               m_editor->Changed(false);
                                           });
}

void MainWindow::AfterSettingsChange(int command) {
    // The dialog's change, if any, becomes one undo step.
    m_editor->EndSettingsChange(m_actions.contains(command) ? m_actions[command]->text().remove(QLatin1Char('&'))
                                                           : QString());
    RefreshTitle();
}

void MainWindow::RunTool(int id) {
    if (m_services.doc.Project() == nullptr) {
        return;
    }
    QtProcessLauncher processes;
    ProcessLauncher& launcher = m_launcher != nullptr ? *m_launcher : processes;
    // The compile's findings are the check's (shown in the pane below), not
    // pop-ups.
    FindingList compiled;
    ToolEnvironment env{m_services.doc, m_services.session, launcher, ProgramFolder(),
                        qEnvironmentVariable("PATH").toStdString(), ExecutableFolder(), &compiled};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool clean = CheckProjectNow();
    if (id == kDownload && !clean) {
        // An image with errors would fail on the panel: nothing is sent.
        QApplication::restoreOverrideCursor();
        statusBar()->showMessage(Text(texts::kCheckStopsDownload), 10000);
        return;
    }
    if (id == kDownload) {
        DownloadCommand(env);
    } else if (id == kOfflineSimulation) {
        OfflineSimulationCommand(env);
    } else {
        SimulatorCommand(env);
    }
    QApplication::restoreOverrideCursor();
    m_projectText->AfterCompile();
    // The commands save the project first; a successful save is the new
    // clean state of the undo history.
    if (!m_services.doc.IsModified()) {
        m_editor->UndoStack()->setClean();
    }
    RefreshTitle();
}

void MainWindow::SerialTaskWithDialog() {
    SerialTask task;
    if (!dialogs::ShowSerialTaskDialog(this, QDir::currentPath().toStdString(), task)) {
        return;
    }
    QtProcessLauncher processes;
    ProcessLauncher& launcher = m_launcher != nullptr ? *m_launcher : processes;
    ToolEnvironment env{m_services.doc, m_services.session, launcher, ProgramFolder(),
                        qEnvironmentVariable("PATH").toStdString(), ExecutableFolder()};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SerialTaskCommand(env, task);
    QApplication::restoreOverrideCursor();
}

bool MainWindow::CheckProjectNow() {
    const CMirloProject* project = m_services.doc.Project();
    if (project == nullptr) {
        return false;
    }
    const CheckResult result = CheckProject(*project, m_services.session, ProgramFolder());
    m_checkDock->ShowFindings(result.findings);
    return !result.HasErrors();
}

void MainWindow::GoToFinding(const FindingPlace& place) {
    const CMirloProject* project = m_services.doc.Project();
    if (project == nullptr) {
        return;
    }
    if (place.kind == FindingPlace::Kind::ListItem) {
        // The list's dialog at the item; items count from 1, 0 names the
        // list's own settings.
        if (place.list == strings::kListEvents) {
            EventListWithDialog(place.item - 1);
        } else if (place.list == strings::kListTransfers) {
            DataTransfersWithDialog(place.item - 1);
        } else if (place.list == strings::kListSettings) {
            Run(kGlobalSettings);
        }
        return;
    }
    if (place.screen < 0) {
        return;
    }
    CHMIFrame* screen = project->FindScreen(static_cast<uint16_t>(place.screen));
    if (screen == nullptr) {
        return;
    }
    if (place.kind == FindingPlace::Kind::Element) {
        for (const auto& element : screen->GetElements()) {
            if (element->GetKind() == place.elementKind && element->GetID() == place.elementId) {
                m_editor->SelectElement(screen, element.get());
                return;
            }
        }
    }
    m_editor->ShowScreen(screen);
}

void MainWindow::NotAvailable() { statusBar()->showMessage(Text(texts::kNotAvailable), 3000); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_services.doc.Project() != nullptr && !m_services.doc.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
    OpenDroppedFiles(paths);
}

} // namespace balsar::app
