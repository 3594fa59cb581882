// The project's text forms in the designer: the 工程 menu entries, strings
// out and back into the open project, a refused translation file, the JSON
// form out and in, the cross-reference dock's filter and double-click, the
// memory pane, and a screenshot of the dock for the manual.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "DemoProject.h"
#include "app/MainWindow.h"
#include "app/ProjectTextActions.h"
#include "app/XrefDock.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "editor/ScreenEditor.h"
#include "elements/CStaticText.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::app;

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ProjectTextWindow : public ::testing::Test {
protected:
    ProjectTextWindow() : services(sink, prompt), window(services) {}

    void OpenDemo() {
        const std::string path = folder.File("demo.ZPJ");
        {
            RecordingMessageSink coreSink;
            RecordingPrompt corePrompt;
            DesignerSession session(coreSink, corePrompt);
            CMirloDoc doc(session, CoreClassRegistry());
            doc.SetProject(demo::BuildDemoProject(services.session.NewProjectLanguage()));
            ASSERT_TRUE(doc.OnSaveDocument(path));
        }
        ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    }

    ProjectTextActions& Actions() { return *window.ProjectText(); }

    const CStaticText* FirstStaticText() const {
        for (const auto& screen : services.doc.Project()->Screens()) {
            for (const auto& element : screen->GetElements()) {
                if (const auto* text = dynamic_cast<const CStaticText*>(element.get())) {
                    return text;
                }
            }
        }
        return nullptr;
    }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerServices services;
    MainWindow window;
};

} // namespace

TEST_F(ProjectTextWindow, MenuEntriesFollowTheOpenProject) {
    QMenu* project = nullptr;
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == QStringLiteral("工程(&F)")) {
            project = action->menu();
        }
    }
    ASSERT_NE(project, nullptr);
    for (QAction* entry : {Actions().ExportJsonAction(), Actions().ImportJsonAction(), Actions().ExportStringsAction(),
                           Actions().ImportStringsAction(), Actions().XrefAction()}) {
        EXPECT_TRUE(project->actions().contains(entry)) << entry->text().toStdString();
    }
    EXPECT_FALSE(Actions().ExportStringsAction()->isEnabled());
    EXPECT_TRUE(Actions().ImportJsonAction()->isEnabled());
    OpenDemo();
    EXPECT_TRUE(Actions().ExportStringsAction()->isEnabled());
}

TEST_F(ProjectTextWindow, StringsOutAndBackChangeTheOpenProject) {
    OpenDemo();
    const CStaticText* text = FirstStaticText();
    ASSERT_NE(text, nullptr);
    const std::string before = text->GetText();
    const std::string csv = folder.File("texts.csv");
    ASSERT_TRUE(Actions().ExportStrings(QString::fromStdString(csv), 0));
    std::string content = ReadText(csv);
    const std::string row = "," + before + "," + before + "\r\n";
    const size_t at = content.find(row);
    ASSERT_NE(at, std::string::npos) << content;
    content.replace(at, row.size(), "," + before + ",HELLO\r\n");
    WriteText(csv, content);
    ASSERT_TRUE(Actions().ImportStrings(QString::fromStdString(csv), 0));
    EXPECT_EQ(FirstStaticText()->GetText(), "HELLO");
    EXPECT_TRUE(services.doc.IsModified());

    // A file naming a place the project lacks changes nothing and says why.
    WriteText(csv, "id,target\r\nscreen99/ST0,X\r\n");
    EXPECT_FALSE(Actions().ImportStrings(QString::fromStdString(csv), 0));
    EXPECT_EQ(FirstStaticText()->GetText(), "HELLO");
    ASSERT_FALSE(sink.Entries().empty());
    EXPECT_NE(sink.Entries().back().text.find("unknown id \"screen99/ST0\""), std::string::npos);
}

TEST_F(ProjectTextWindow, JsonOutAndInOpensTheNewProject) {
    OpenDemo();
    const std::string json = folder.File("demo.json");
    ASSERT_TRUE(Actions().ExportJson(QString::fromStdString(json)));
    const std::string copy = folder.File("copy.ZPJ");
    ASSERT_TRUE(Actions().ImportJson(QString::fromStdString(json), QString::fromStdString(copy)));
    EXPECT_EQ(services.doc.Project()->GetProjectPath(), copy);
    WriteText(json, ReadText(json).substr(0, 100));
    EXPECT_FALSE(Actions().ImportJson(QString::fromStdString(json), QString::fromStdString(folder.File("bad.ZPJ"))));
    EXPECT_FALSE(std::filesystem::exists(folder.File("bad.ZPJ")));
}

TEST_F(ProjectTextWindow, XrefDockFiltersAndSelectsTheElement) {
    OpenDemo();
    window.show();
    Actions().XrefAction()->trigger();
    QApplication::processEvents();
    XrefDock& dock = *Actions().Dock();
    ASSERT_TRUE(dock.isVisible());
    QTreeWidget& list = *dock.List();
    ASSERT_GT(list.topLevelItemCount(), 2);
    dock.SetFilter(QStringLiteral("4X 100 "));
    int shown = 0;
    QTreeWidgetItem* match = nullptr;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (!list.topLevelItem(i)->isHidden()) {
            ++shown;
            match = list.topLevelItem(i);
        }
    }
    ASSERT_EQ(shown, 1);
    ASSERT_NE(match, nullptr);
    ASSERT_GT(match->childCount(), 0);
    QTreeWidgetItem* use = match->child(0);
    emit list.itemDoubleClicked(use, 0);
    // The use's screen is shown with the named element selected.
    const CHMIFrame* screen = services.doc.CurrentScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(use->text(0).startsWith(QStringLiteral("画面 %1 ").arg(screen->GetNumber()))) << use->text(0).toStdString();
    const CGraphElement* named = nullptr;
    for (const auto& element : screen->GetElements()) {
        if (use->text(0).endsWith(QStringLiteral("  ") + QString::fromStdString(element->GetName()))) {
            named = element.get();
        }
    }
    ASSERT_NE(named, nullptr);
    EXPECT_TRUE(window.Editor().Selection().Contains(named));

    // The memory pane fills after a compile.
    Actions().AfterCompile();
    EXPECT_TRUE(Actions().MemoryPane()->text().startsWith(QStringLiteral("存储")));

    QApplication::processEvents();
    const QImage shot = window.grab().toImage();
    const QString dir = QStringLiteral(BALSAR_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/xref-dock.png")));
}

TEST_F(ProjectTextWindow, HiddenLegacyImportNamesWhatItCouldNotTakeOver) {
    WriteText(folder.File("sys.xml"), R"(<?xml version="1.0" encoding="UTF-8"?>
<MirloProject PLCID="1" SoftVersion="2.1.0">
  <Communication DisplayID="1" BaudRate="9600"/>
  <Sarvo/>
  <Frames>
    <Frame ID="2" Name="HMI2" Desc="" Prev="0" Next="0">
      <Parts>
        <Part Type="StaticText" ID="0" Name="ST0"><Position Left="0" Top="0" Width="12" Height="8"/></Part>
      </Parts>
    </Frame>
  </Frames>
  <AlarmList><Alarm/><Items/></AlarmList>
</MirloProject>
)");
    const QString start = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.Path().string()));
    window.ImportLegacyProject();
    QDir::setCurrent(start);
    ASSERT_NE(services.doc.Project(), nullptr);
    ASSERT_FALSE(sink.Entries().empty());
    EXPECT_NE(sink.Entries().back().text.find("screen 2, ST0: the old form carries no text"), std::string::npos)
        << sink.Entries().back().text;
}
