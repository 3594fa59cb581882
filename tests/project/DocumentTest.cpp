// The document: unsaved-change checks, the open lock, the shell's project
// commands, the window title and the legacy XML import.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "hardware/HardwareModel.h"
#include "project/DesignerSession.h"
#include "project/FakeElement.h"
#include "project/LegacyPlcCatalogue.h"
#include "project/ProjectStrings.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::FakeElement;

namespace {

struct DocumentFixture {
    // catalogue: the older PLC catalogue of the legacy import (none by default).
    explicit DocumentFixture(const LegacyPlcCatalogue* catalogue = nullptr)
        : session(sink, prompt, SessionParts{.legacyCatalogue = catalogue}) {
        auto project = std::make_unique<CMirloProject>();
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(1);
        project->AddScreen(std::move(screen));
        doc.SetProject(std::move(project));
        path = folder.File("plant.ZPJ");
        EXPECT_TRUE(doc.OnSaveDocument(path));
    }
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session;
    test::TempFolder folder;
    CMirloDoc doc{session, test::TestRegistry()};
    std::string path;
};

class OneEntryCatalogue : public LegacyPlcCatalogue {
public:
    std::optional<std::string> FindName(int id) const override {
        return id == 7 ? std::optional<std::string>("Local") : std::nullopt;
    }
};

} // namespace

TEST(Document, UnchangedProjectClosesWithoutAQuestion) {
    DocumentFixture f;
    EXPECT_TRUE(f.doc.SaveModified());
    EXPECT_TRUE(f.prompt.Questions().empty());
}

TEST(Document, FileChangedBehindOurBackStillAsks) {
    DocumentFixture f;
    {
        std::ofstream out(f.path, std::ios::binary | std::ios::app);
        out << 'x';
    }
    f.prompt.Script(Answer::Cancel);
    EXPECT_FALSE(f.doc.SaveModified());
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(f.prompt.Questions()[0].buttons, Buttons::YesNoCancel);
    EXPECT_NE(f.prompt.Questions()[0].text.find(f.path), std::string::npos);
    // Yes saves, after which the file matches again.
    f.prompt.Script(Answer::Yes);
    EXPECT_TRUE(f.doc.SaveModified());
    EXPECT_TRUE(f.doc.SaveModified());
    EXPECT_EQ(f.prompt.Questions().size(), 2u);
}

TEST(Document, ModifiedProjectAsksAndNoDiscards) {
    DocumentFixture f;
    auto element = std::make_unique<FakeElement>(2);
    EXPECT_EQ(f.doc.AddElement(std::move(element)), 1);
    EXPECT_TRUE(f.doc.IsModified());
    f.prompt.Script(Answer::No);
    EXPECT_TRUE(f.doc.SaveModified());
    EXPECT_EQ(f.prompt.Questions().size(), 1u);
    // "No" leaves the file as it was: no element in it.
    CMirloDoc other(f.session, test::TestRegistry());
    ASSERT_TRUE(other.OnOpenDocument(f.path));
    EXPECT_TRUE(other.Project()->Screens()[0]->GetElements().empty());
}

TEST(Document, FailedSaveKeepsThePreviousFile) {
    DocumentFixture f;
    std::filesystem::create_directories(f.folder.Path() / "dir.ZPJ" / "inside");
    EXPECT_FALSE(f.doc.SaveToFile(f.folder.File("dir.ZPJ"), true));
    EXPECT_EQ(f.sink.Texts().size(), 1u);
    EXPECT_EQ(f.doc.Project()->GetProjectPath(), f.path);
    EXPECT_FALSE(f.doc.SaveToFile(f.folder.File("missing/x.ZPJ"), true));
    // No temporary files are left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(f.folder.Path())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 1);
}

TEST(Document, OpenChecksExtensionAndTheLock) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc.CloseProject());
    EXPECT_EQ(f.doc.Project(), nullptr);

    EXPECT_FALSE(f.doc.OpenProject(f.folder.File("plant.xml")));
    ASSERT_EQ(f.sink.Entries().size(), 1u);
    EXPECT_EQ(f.sink.Entries()[0].text, texts::kNotZpj);
    EXPECT_EQ(f.sink.Entries()[0].caption, texts::kFileFormatCaption);

    // Letter case of the extension does not matter.
    const std::string lower = f.folder.File("copy.zpj");
    std::filesystem::copy_file(f.path, lower);
    ASSERT_TRUE(f.doc.OpenProject(lower));

    // A second designer on the same file is refused; after closing it opens.
    RecordingMessageSink otherSink;
    RecordingPrompt otherPrompt;
    DesignerSession otherSession(otherSink, otherPrompt);
    CMirloDoc second(otherSession, test::TestRegistry());
    EXPECT_FALSE(second.OpenProject(f.folder.Path().string() + "/COPY.ZPJ" == lower ? lower : lower));
    EXPECT_EQ(otherSink.Texts(), std::vector<std::string>{texts::kAlreadyOpen});
    EXPECT_EQ(second.Project(), nullptr);
    EXPECT_TRUE(second.OpenProject(f.path));
    ASSERT_TRUE(f.doc.CloseProject());
    EXPECT_TRUE(second.CloseProject());
    EXPECT_TRUE(second.OpenProject(lower));
}

TEST(Document, SaveAsAsksBeforeReplacingAndMovesTheLock) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc.CloseProject());
    ASSERT_TRUE(f.doc.OpenProject(f.path));
    const std::string target = f.folder.File("plant_1.ZPJ");
    std::ofstream(target) << "old";
    f.prompt.Script(Answer::No);
    EXPECT_FALSE(f.doc.SaveProjectAs(target));
    EXPECT_EQ(f.prompt.Questions().back().text, texts::kReplaceExisting);
    f.prompt.Script(Answer::Yes);
    EXPECT_TRUE(f.doc.SaveProjectAs(target));
    EXPECT_EQ(f.doc.Project()->GetProjectName(), "plant_1");
    // The old path is free again, the new one is held.
    ProjectLock probe;
    EXPECT_TRUE(probe.Acquire(f.path));
    probe.Release();
    EXPECT_FALSE(probe.Acquire(target));
}

TEST(Document, TitlePanelSizeAndScreens) {
    DocumentFixture f;
    EXPECT_EQ(f.doc.GetTitle(), f.path + " - [plant.ZPJ]");
    f.doc.SetModifiedFlag(true);
    EXPECT_EQ(f.doc.GetTitle(), f.path + " - [plant.ZPJ *]");
    f.doc.ClearProject();
    EXPECT_EQ(f.doc.GetTitle(), texts::kApplicationTitle);
    EXPECT_FALSE(f.doc.IsModified());

    // The panel and the editor grid follow the current model; 128 x 64
    // without one.
    EXPECT_EQ(f.doc.PanelWidth(), 128);
    EXPECT_EQ(f.doc.PanelHeight(), 64);
    HardwareModel model;
    model.resolutionX = 192;
    model.resolutionY = 64;
    f.session.SetModel(model);
    EXPECT_EQ(f.doc.PanelWidth(), 192);
    EXPECT_EQ(f.doc.Columns(), 48);
    EXPECT_EQ(f.doc.Rows(), 16);
    EXPECT_EQ(f.doc.CanvasWidth(), 384);
    EXPECT_EQ(f.doc.CanvasHeight(), 128);
    // Closing the project forgets the model.
    f.doc.ClearProject();
    EXPECT_EQ(f.doc.PanelWidth(), 128);
    EXPECT_FALSE(f.session.HasModel());
}

TEST(Document, LegacyXmlImport) {
    OneEntryCatalogue catalogue;
    DocumentFixture f(&catalogue);
    const std::string xml = f.folder.File("sys.xml");
    std::ofstream(xml) << R"(<HMI SoftVersion="2.1" PLCID="7">
      <Frames>
        <Frame ID="3" Name="HMI3" Desc="a" Prev="2" Next="4"><Parts/></Frame>
        <Frame ID="1" Name="HMI1"><Parts/></Frame>
        <Frame ID="3"><Parts/></Frame>
        <Frame ID="8"/>
      </Frames></HMI>)";
    const XmlElementFactory factory = [](std::string_view) { return std::unique_ptr<CGraphElement>(); };
    f.doc.ClearProject();
    ASSERT_TRUE(f.doc.LoadLegacyXml(xml, factory));
    ASSERT_TRUE(f.doc.LegacyImportState().has_value());
    EXPECT_EQ(f.doc.LegacyImportState()->softwareVersion, "2.1");
    EXPECT_EQ(f.doc.LegacyImportState()->plc, 7);
    EXPECT_TRUE(f.doc.SystemScreenMode());
    EXPECT_TRUE(f.doc.IsModified());
    const auto& screens = f.doc.Project()->Screens();
    ASSERT_EQ(screens.size(), 2u); // duplicate 3 discarded, 8 has no "Parts"
    EXPECT_EQ(screens[0]->GetNumber(), 1);
    EXPECT_EQ(screens[1]->GetUpKeyTarget(), 2);
    EXPECT_EQ(f.doc.CurrentScreen(), screens[0].get());

    std::ofstream(xml) << R"(<MirloProject PLCID="7"><Communication BaudRate="9600" DataBit="8"/>
      <Frames/></MirloProject>)";
    f.doc.ClearProject();
    EXPECT_FALSE(f.doc.LoadLegacyXml(xml, factory));
    EXPECT_TRUE(f.sink.Contains("Project find 'Sarvo' node failure!"));

    std::ofstream(xml) << R"(<MirloProject PLCID="7"><Communication BaudRate="9600" DataBit="8"/>
      <Sarvo/><Frames><Frame ID="2"><Parts/></Frame></Frames><AlarmList/></MirloProject>)";
    EXPECT_FALSE(f.doc.LoadLegacyXml(xml, factory));
    EXPECT_TRUE(f.sink.Contains("AlarmList find 'Alarm' node failure!"));

    std::ofstream(xml) << R"(<MirloProject PLCID="7"><Communication BaudRate="9600" DataBit="8"/>
      <Sarvo/><Frames><Frame ID="2"><Parts/></Frame></Frames>
      <AlarmList><Alarm/><Items><Item>过压</Item><Item>欠压</Item></Items></AlarmList></MirloProject>)";
    ASSERT_TRUE(f.doc.LoadLegacyXml(xml, factory));
    ASSERT_NE(f.doc.Project()->legacyAlarmList, nullptr);
    EXPECT_EQ(f.doc.Project()->legacyAlarmList->messages, (std::vector<std::string>{"过压", "欠压"}));
    const auto block = f.doc.Project()->GetCommunicationBlock();
    EXPECT_EQ(block[0], 7);  // plcId from the current catalogue entry
    EXPECT_EQ(block[4], 3);  // baud index of 9600
    EXPECT_EQ(block[8], 1);  // 8 data bits
    EXPECT_EQ(f.doc.Project()->Screens().size(), 1u);

    std::ofstream(xml) << "<broken";
    EXPECT_FALSE(f.doc.LoadLegacyXml(xml, factory));
    EXPECT_TRUE(f.sink.Contains("Error Load XML: " + xml));
}

TEST(Document, AFailedLegacyImportLeavesNoStateBehind) {
    const XmlElementFactory factory = [](std::string_view) { return std::unique_ptr<CGraphElement>(); };
    // Without an older catalogue the import ends without a project, and the
    // open project, its path, title and modified flag stay as they were.
    DocumentFixture f;
    const std::string xml = f.folder.File("sys.xml");
    std::ofstream(xml) << R"(<HMI PLCID="7"><Frames><Frame ID="3"><Parts/></Frame></Frames></HMI>)";
    const std::string title = f.doc.GetTitle();
    EXPECT_FALSE(f.doc.LoadLegacyXml(xml, factory));
    ASSERT_NE(f.doc.Project(), nullptr);
    EXPECT_EQ(f.doc.Project()->GetProjectPath(), f.path);
    EXPECT_EQ(f.doc.DocumentPath(), f.path);
    EXPECT_EQ(f.doc.GetTitle(), title);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_FALSE(f.doc.SystemScreenMode());
    EXPECT_FALSE(f.doc.LegacyImportState().has_value());

    // An import ends with its project: closing it, or a failed import after
    // that, leaves no system-screen mode for the next project.
    OneEntryCatalogue catalogue;
    DocumentFixture g(&catalogue);
    ASSERT_TRUE(g.doc.LoadLegacyXml(xml, factory));
    EXPECT_TRUE(g.doc.SystemScreenMode());
    g.doc.ClearProject();
    EXPECT_FALSE(g.doc.SystemScreenMode());
    std::ofstream(xml) << "<broken";
    EXPECT_FALSE(g.doc.LoadLegacyXml(xml, factory));
    EXPECT_EQ(g.doc.Project(), nullptr);
    EXPECT_FALSE(g.doc.SystemScreenMode());
    ASSERT_TRUE(g.doc.OnOpenDocument(g.path));
    EXPECT_FALSE(g.doc.SystemScreenMode());
    EXPECT_EQ(g.doc.Project()->NextFreeScreenNumber(g.doc.SystemScreenMode()), 2);

    // Opening another project over an imported one forgets the import too.
    std::ofstream(xml) << R"(<HMI PLCID="7"><Frames><Frame ID="3"><Parts/></Frame></Frames></HMI>)";
    ASSERT_TRUE(g.doc.LoadLegacyXml(xml, factory));
    ASSERT_TRUE(g.doc.OnOpenDocument(g.path));
    EXPECT_FALSE(g.doc.LegacyImportState().has_value());
}
