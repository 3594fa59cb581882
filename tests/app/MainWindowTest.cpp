// The main window: command table, window size, project commands, recent
// projects, dropped files, a full make-edit-save-reopen round trip and a
// screenshot of the designer with the demo project.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QUndoStack>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "DemoProject.h"
#include "app/CheckDock.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/RecentProjects.h"
#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ProcessLauncher.h"
#include "dialogs/DataTransferDialog.h"
#include "dialogs/EventListDialog.h"
#include "editor/ProjectTree.h"
#include "editor/ScreenCommands.h"
#include "editor/ScreenEditor.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"
#include "project/ProjectLock.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::app;

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes a project the way the core does (no designer involved).
void WriteWithCore(std::unique_ptr<CMirloProject> project, const std::string& path) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    doc.SetProject(std::move(project));
    ASSERT_TRUE(doc.OnSaveDocument(path));
}

class Window : public ::testing::Test {
protected:
    Window() : services(sink, prompt), window(services) {}

    std::string DemoFile(const std::string& name) {
        const std::string path = folder.File(name);
        WriteWithCore(demo::BuildDemoProject(services.session.NewProjectLanguage()), path);
        return path;
    }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerServices services;
    MainWindow window;
};

} // namespace

TEST(CommandTable, EveryCommandWithItsKeysAndBar) {
    struct Expected {
        int id;
        const char* text;
        const char* keys;
        Bar bar;
    };
    const Expected expected[] = {
        {2, "新建工程(&N)", "Ctrl+N", Bar::Main},      {32794, "打开工程(&O)...", "Ctrl+O", Bar::Main},
        {32826, "关闭工程(&E)", "Ctrl+E", Bar::None},  {32793, "保存工程(&S)", "Ctrl+S", Bar::Main},
        {32792, "工程另存为(&A)", "", Bar::None},      {57665, "退出(&X)", "", Bar::None},
        {57635, "剪切(&T)", "Ctrl+X;Shift+Del", Bar::Main}, {57634, "复制(&C)", "Ctrl+C;Ctrl+Ins", Bar::Main},
        {57637, "粘贴(&P)", "Ctrl+V;Shift+Ins", Bar::Main}, {32805, "删除(&D)", "Ctrl+D", Bar::Main},
        {57642, "全选(&A)", "Ctrl+A", Bar::None},      {32863, "全不选(&E)", "Esc", Bar::None},
        {57643, "撤销(&U)", "Ctrl+Z;Alt+Backspace", Bar::None}, {32797, "置前", "Ctrl+L", Bar::Align},
        {32798, "置后", "", Bar::Align},               {32801, "新建画面", "", Bar::Main},
        {32802, "复制画面", "", Bar::Main},            {32803, "删除画面", "", Bar::Main},
        {32834, "元件标签(&V)", "", Bar::Main},        {32786, "全局设置(&S)", "", Bar::Main},
        {32787, "报警设置(&E)", "", Bar::Main},        {32783, "语言设置(&L)", "", Bar::Main},
        {32869, "数据传输设置(&T)", "", Bar::Main},    {32795, "通讯设置(&C)", "Ctrl+P", Bar::Main},
        {32865, "交换串口(&P)", "", Bar::Main},        {32864, "离线模拟(&S)", "", Bar::Main},
        {32788, "下载(&D)", "Alt+D", Bar::Main},       {32831, nullptr, "Alt+C", Bar::Tools},
        {32832, nullptr, "Ctrl+U;Alt+U", Bar::Tools},  {32838, nullptr, "", Bar::Tools},
        {32853, nullptr, "", Bar::Tools},              {32866, "使用手册(&M)", "", Bar::None},
        {57664, nullptr, "", Bar::None},               {57680, nullptr, "F6", Bar::None},
        {57681, nullptr, "Shift+F6", Bar::None},       {40001, "导入旧工程", "Ctrl+Shift+H", Bar::None},
    };
    for (const Expected& e : expected) {
        const CommandSpec* command = FindCommand(e.id);
        ASSERT_NE(command, nullptr) << e.id;
        if (e.text != nullptr) {
            EXPECT_STREQ(command->text, e.text) << e.id;
        }
        EXPECT_STREQ(command->keys, e.keys) << e.id;
        EXPECT_EQ(command->bar, e.bar) << e.id;
    }
    // The alignment bar: 2 stacking, 4 nudges, 6 alignments, 2 spacings, 3 centrings.
    int alignBar = 0;
    int tools = 0;
    for (const CommandSpec& command : CommandTable()) {
        alignBar += command.bar == Bar::Align ? 1 : 0;
        tools += ToolCodeOf(command.id) >= 0 ? 1 : 0;
    }
    EXPECT_EQ(alignBar, 17);
    EXPECT_EQ(tools, 10);
    EXPECT_EQ(ToolCodeOf(32857), 9);
    EXPECT_EQ(ToolCodeOf(32860), 10);
}

TEST(RecentProjects, MissingFilesDroppedAndExtensionAppended) {
    test::TempFolder folder;
    std::ofstream(folder.File("a.ZPJ")) << "x";
    std::ofstream(folder.File("b.ZPJ")) << "x";
    std::ofstream(folder.File("c.zpj")) << "x";
    const auto offered = ExistingRecentProjects({folder.File("a.ZPJ"), folder.File("gone.ZPJ"), folder.File("b"),
                                                 folder.File("c.zpj")});
    EXPECT_EQ(offered, (std::vector<std::string>{folder.File("a.ZPJ"), folder.File("b.ZPJ"), folder.File("c.zpj")}));
    EXPECT_EQ(WithRecentProject({"1", "2", "3", "4"}, "3"), (std::vector<std::string>{"3", "1", "2", "4"}));
    EXPECT_EQ(WithRecentProject({"1", "2", "3", "4"}, "5").size(), 4u);
    EXPECT_EQ(VersionText(folder.Path().string()), "版本号: V 1.0.0");
    std::ofstream(folder.File("version.txt")) << "V 2.3.4";
    EXPECT_EQ(VersionText(folder.Path().string()), "V 2.3.4");
}

TEST_F(Window, DesignedSizeAndCommandsDisabledWithoutAProject) {
    EXPECT_EQ(window.minimumSize(), QSize(860, 730));
    EXPECT_EQ(window.size(), QSize(860, 730));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Balsar"));
    EXPECT_TRUE(window.Action(ids::kOpenProject)->isEnabled());
    for (int id : {ids::kSaveProject, ids::kCloseProject, ids::kNewScreen, ids::kCut, ids::kPaste, ids::kToolRegister,
                   ids::kDownload, ids::kGlobalSettings, ids::kCommunication, ids::kAlarmSettings}) {
        EXPECT_FALSE(window.Action(id)->isEnabled()) << id;
    }
    // A new project can always be started.
    EXPECT_TRUE(window.Action(ids::kNewProject)->isEnabled());
    EXPECT_EQ(window.Tree()->topLevelItemCount(), 0);
}

TEST_F(Window, OpenChecksTheExtensionAndTheLock) {
    EXPECT_FALSE(window.OpenProjectPath(QString::fromStdString(folder.File("demo.txt"))));
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].text, "请确定是否为ZPJ文件!");
    EXPECT_EQ(sink.Entries()[0].caption, "文件格式错误");

    const std::string path = DemoFile("demo.ZPJ");
    ProjectLock other; // another designer holds the project
    ASSERT_TRUE(other.Acquire(path));
    EXPECT_FALSE(window.OpenProjectPath(QString::fromStdString(path)));
    EXPECT_EQ(sink.Entries().back().text, "工程已处于打开状态，请不要重复打开!");
    other.Release();
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    EXPECT_EQ(window.windowTitle(), QString::fromStdString(path + " - [demo.ZPJ]"));
    EXPECT_TRUE(window.Action(ids::kNewScreen)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kToolRegister)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kToolStaticText)->isEnabled());
    EXPECT_FALSE(window.Action(ids::kCut)->isEnabled()) << "nothing selected";
    // The tool commands work on an open project.
    EXPECT_TRUE(window.Action(ids::kDownload)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kSimulator)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kOfflineSimulation)->isEnabled());
    // So do the settings dialogs.
    for (int id : {ids::kGlobalSettings, ids::kAlarmSettings, ids::kLanguageSettings, ids::kDataTransfer,
                   ids::kCommunication}) {
        EXPECT_TRUE(window.Action(id)->isEnabled()) << id;
    }
    EXPECT_EQ(window.Tree()->ItemOfScreen(3)->text(0), QStringLiteral("3:报警记录"));
    // The recent list offers it.
    ASSERT_FALSE(window.RecentActions().isEmpty());
    EXPECT_TRUE(window.RecentActions()[0]->isVisible());
    EXPECT_EQ(window.RecentActions()[0]->data().toString(), QString::fromStdString(path));
}

TEST_F(Window, SelectionDecidesWhichEditCommandsAreEnabled) {
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(DemoFile("demo.ZPJ"))));
    editor::ScreenEditor& ed = window.Editor();
    const size_t existing = ed.Screen()->GetElements().size();
    for (int x : {0, 40, 80}) {
        ASSERT_TRUE(ed.ArmTool(KIND_REGISTER));
        ed.MoveGhost(x, 0);
        ASSERT_TRUE(ed.InsertAtGhost());
    }
    EXPECT_TRUE(window.Action(ids::kCut)->isEnabled());
    EXPECT_FALSE(window.Action(ids::kAlignLeft)->isEnabled());
    ed.SelectAll();
    EXPECT_TRUE(window.Action(ids::kAlignLeft)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kSpaceHorizontal)->isEnabled());
    EXPECT_TRUE(window.Action(ids::kUndo)->isEnabled());
    window.Action(ids::kCopy)->trigger();
    EXPECT_TRUE(window.Action(ids::kPaste)->isEnabled());
    window.Action(ids::kUndo)->trigger();
    EXPECT_EQ(ed.Screen()->GetElements().size(), existing + 2);
    window.Action(ids::kRedo)->trigger();
    EXPECT_EQ(ed.Screen()->GetElements().size(), existing + 3);
}

TEST_F(Window, MadeEditedSavedClosedAndReopenedIsWhatTheCoreWrites) {
    // Make: a new project as the wizard leaves it, saved under a path.
    auto project = services.doc.CreateProject();
    project->panelModelId = 1;
    auto first = std::make_unique<CHMIFrame>();
    first->SetNumber(1);
    first->SetUpKeyTarget(0);
    first->SetDownKeyTarget(2);
    project->AddScreen(std::move(first));
    services.doc.SetProject(std::move(project));
    const std::string path = folder.File("made.ZPJ");
    ASSERT_TRUE(window.SaveProjectAsPath(QString::fromStdString(path)));

    // Edit: a second screen, a register and a static text on it, a move.
    editor::ScreenCommands& screens = window.ScreenCommands();
    ASSERT_TRUE(screens.NewScreen(2, "Motor"));
    editor::ScreenEditor& ed = window.Editor();
    ASSERT_TRUE(ed.ArmTool(KIND_REGISTER));
    ed.MoveGhost(8, 8);
    ASSERT_TRUE(ed.InsertAtGhost());
    ed.MoveSelection({4, 4});
    ASSERT_TRUE(ed.ArmTool(KIND_STATIC_TEXT));
    ed.MoveGhost(0, 40);
    ASSERT_TRUE(ed.InsertAtGhost());
    EXPECT_TRUE(services.doc.IsModified());
    ASSERT_TRUE(window.SaveProject());
    EXPECT_FALSE(services.doc.IsModified());
    ASSERT_TRUE(window.CloseProject());
    EXPECT_TRUE(prompt.Questions().empty()) << "saved: no question";
    EXPECT_EQ(window.Tree()->topLevelItemCount(), 0);
    const std::vector<uint8_t> saved = ReadAll(path);

    // Reopen: what the document would write equals the file.
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    Archive ar;
    services.doc.Serialize(ar);
    EXPECT_EQ(ar.Data(), saved);

    // The same project built by the core alone gives the same bytes.
    auto built = std::make_unique<CMirloProject>(services.session.NewProjectLanguage());
    built->panelModelId = 1;
    auto one = std::make_unique<CHMIFrame>();
    one->SetNumber(1);
    one->SetUpKeyTarget(0);
    one->SetDownKeyTarget(2);
    built->AddScreen(std::move(one));
    auto two = std::make_unique<CHMIFrame>();
    two->SetNumber(2);
    two->SetUpKeyTarget(1);
    two->SetDownKeyTarget(3);
    two->SetDescription("Motor");
    auto reg = std::make_unique<CRegisterGE>();
    reg->SetTopLeft(12, 12);
    reg->SetWidth(40);
    reg->SetHeight(16);
    two->AddElement(std::move(reg));
    auto text = std::make_unique<CStaticText>();
    text->SetTopLeft(0, 40);
    text->SetWidth(48);
    text->SetHeight(16);
    text->SetFont(built->languages.GetFontName(0), services.session.Fonts());
    text->SetText("文字串", services.session.Fonts());
    two->AddElement(std::move(text));
    built->AddScreen(std::move(two));
    const std::string corePath = folder.File("core.ZPJ");
    WriteWithCore(std::move(built), corePath);
    EXPECT_EQ(ReadAll(corePath), saved);
}

TEST_F(Window, ClosingAnEditedProjectAsksAndCancelKeepsIt) {
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(DemoFile("demo.ZPJ"))));
    ASSERT_TRUE(window.ScreenCommands().NewScreen(20, "x"));
    EXPECT_FALSE(window.CloseProject()); // unscripted answer: Cancel
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_NE(services.doc.Project(), nullptr);
    window.Editor().UndoStack()->undo();
    EXPECT_FALSE(services.doc.IsModified()) << "undone to the saved state";
    EXPECT_TRUE(window.CloseProject());
    EXPECT_EQ(prompt.Questions().size(), 1u) << "the file still matches: no question";
}

TEST_F(Window, DroppingThreeProjectsOpensTheThird) {
    const std::string a = DemoFile("a.ZPJ");
    const std::string b = DemoFile("b.ZPJ");
    const std::string c = DemoFile("c.ZPJ");
    window.OpenDroppedFiles({QString::fromStdString(a), QString::fromStdString(b), QString::fromStdString(c)});
    ASSERT_NE(services.doc.Project(), nullptr);
    EXPECT_EQ(services.doc.Project()->GetProjectPath(), c);
    // The earlier two were released: another holder can take them.
    ProjectLock lock;
    EXPECT_TRUE(lock.Acquire(a));
    EXPECT_FALSE(ProjectLock().Acquire(c));
}

TEST_F(Window, ScreenshotWithTheDemoProject) {
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(DemoFile("demo.ZPJ"))));
    editor::ScreenEditor& ed = window.Editor();
    for (const auto& [kind, x, y] : {std::tuple{KIND_STATIC_TEXT, 8, 4}, std::tuple{KIND_REGISTER, 60, 24},
                                     std::tuple{KIND_REGISTER, 60, 44}, std::tuple{KIND_STATIC_TEXT, 8, 24}}) {
        ASSERT_TRUE(ed.ArmTool(kind));
        ed.MoveGhost(x, y);
        ASSERT_TRUE(ed.InsertAtGhost());
    }
    ed.SelectAll();
    window.Tree()->ScreensItem()->setExpanded(true);
    window.Tree()->ItemOfScreen(1)->setExpanded(true);
    window.Tree()->CommunicationItem()->setExpanded(true);
    window.show();
    QApplication::processEvents();
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(860, 730));
    // Not blank: the panel's green shows up in the picture.
    int green = 0;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2) {
            green += shot.pixel(x, y) == 0xFF54BC0D ? 1 : 0;
        }
    }
    EXPECT_GT(green, 1000);
    const QString dir = QStringLiteral(BALSAR_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/main-window.png")));
}

TEST_F(Window, AFailedLegacyImportLeavesNoSystemScreenMode) {
    // No "sys.xml" in the current folder: the import ends without a project.
    const QString start = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.Path().string()));
    window.ImportLegacyProject();
    QDir::setCurrent(start);
    EXPECT_EQ(services.doc.Project(), nullptr);

    // The next project numbers its screens as usual.
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(DemoFile("demo.ZPJ"))));
    const uint16_t next = services.doc.Project()->NextFreeScreenNumber(false);
    EXPECT_EQ(window.ScreenCommands().ProposedNumber(), next);
    ASSERT_TRUE(window.ScreenCommands().NewScreen(next, "after"));
    EXPECT_EQ(services.doc.CurrentScreen()->GetNumber(), next);
    EXPECT_EQ(services.doc.CurrentScreen()->GetDescription(), "after");
}

namespace {

// Records the tool starts instead of running outside programs.
class StartRecorder : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>&) override {
        programs.push_back(program);
        return true;
    }
    bool StartAndWait(const std::string& program, const std::vector<std::string>&, int& exitCode) override {
        programs.push_back(program);
        exitCode = 0;
        return true;
    }
    std::vector<std::string> programs;
};

bool TitleMarksAChange(const MainWindow& window) { return window.windowTitle().contains(QLatin1Char('*')); }

} // namespace

// Download, Offline simulation and Simulator save the project before they
// compile: afterwards nothing is marked changed, closing asks nothing, and
// Ctrl+Z still undoes the edit (which is then a change again).
TEST_F(Window, ToolCommandsThatSaveLeaveNoChangeMark) {
    StartRecorder starts;
    window.SetProcessLauncher(&starts);
    const std::string path = DemoFile("demo.ZPJ");
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    int edits = 0;
    for (int id : {ids::kDownload, ids::kOfflineSimulation, ids::kSimulator}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(window.ScreenCommands().NewScreen(static_cast<uint16_t>(200 + edits++), "edit"));
        ASSERT_TRUE(TitleMarksAChange(window));
        const size_t startsBefore = starts.programs.size();
        window.Action(id)->trigger();
        EXPECT_EQ(starts.programs.size(), startsBefore + 1) << "the tool was started";
        EXPECT_FALSE(services.doc.IsModified());
        EXPECT_TRUE(window.Editor().UndoStack()->isClean());
        EXPECT_FALSE(TitleMarksAChange(window)) << window.windowTitle().toStdString();
        // The file holds what the document holds.
        Archive ar;
        services.doc.Serialize(ar);
        EXPECT_EQ(ar.Data(), ReadAll(path));
    }
    EXPECT_TRUE(sink.Texts().empty()) << sink.Texts().front();
    window.Editor().UndoStack()->undo();
    EXPECT_TRUE(TitleMarksAChange(window));
    window.Editor().UndoStack()->redo();
    EXPECT_FALSE(TitleMarksAChange(window));
    EXPECT_TRUE(window.CloseProject());
    EXPECT_TRUE(prompt.Questions().empty());
}

// A double-click on a finding in the event list or the data transfers opens
// that list's dialog with the item's row selected.
TEST_F(Window, CheckPaneOpensTheListDialogAtTheItem) {
    window.show();
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(DemoFile("demo.ZPJ"))));
    CMirloProject& project = *services.doc.Project();
    ASSERT_EQ(project.eventList.items.size(), 1u);
    ASSERT_EQ(project.dataTransfers.items.size(), 1u);
    EventItem second = project.eventList.items[0];
    second.message = "Second";
    project.eventList.items.push_back(second);
    DataTransferItem next = project.dataTransfers.items[0];
    next.count = static_cast<uint16_t>(next.count + 1);
    project.dataTransfers.items.push_back(next);

    const auto doubleClickFinding = [this](const char* list) {
        window.CheckPane()->ShowFindings({Finding{Severity::Error, "T", FindingPlace::OfListItem(list, 2), "m"}});
        QApplication::processEvents();
        QTreeWidget* rows = window.CheckPane()->Rows();
        const QRect place = rows->visualItemRect(rows->topLevelItem(0));
        ASSERT_FALSE(place.isEmpty());
        // A double-click as the platform sends it: a click, then the second press.
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    };

    doubleClickFinding("events");
    auto* events = window.findChild<dialogs::EventListDialog*>();
    ASSERT_NE(events, nullptr);
    EXPECT_TRUE(events->isVisible());
    ASSERT_NE(events->List()->currentItem(), nullptr);
    EXPECT_EQ(events->List()->indexOfTopLevelItem(events->List()->currentItem()), 1);
    EXPECT_EQ(events->List()->currentItem()->text(3), "Second");
    events->reject();

    // The data transfers' dialog is modal: looked at and closed once it runs.
    int selectedTransfer = -1;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* transfers = qobject_cast<dialogs::DataTransferDialog*>(QApplication::activeModalWidget())) {
            selectedTransfer = transfers->List()->indexOfTopLevelItem(transfers->List()->currentItem());
            transfers->reject();
        }
    });
    watcher.start(10);
    doubleClickFinding("transfers");
    watcher.stop();
    EXPECT_EQ(selectedTransfer, 1);
    EXPECT_FALSE(services.doc.IsModified()) << "looked at, nothing changed";
}
