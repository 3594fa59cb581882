// Creating a project: name trimming, the location checks with their
// questions, the model question, template copies and empty projects.
#include <gtest/gtest.h>

#include <fstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "project/NewProject.h"
#include "support/TestSupport.h"

using namespace balsar;
namespace fs = std::filesystem;

namespace {

const std::string kIdeographicSpace = "\u3000";

TEST(NewProjectName, SpacesAndIdeographicSpacesAreTrimmedFromBothEnds) {
    EXPECT_EQ(TrimProjectName(" " + kIdeographicSpace + " abc def" + kIdeographicSpace + "  "), "abc def");
    EXPECT_EQ(TrimProjectName(kIdeographicSpace + "水泵" + kIdeographicSpace), "水泵");
    EXPECT_EQ(TrimProjectName("  " + kIdeographicSpace + " " + kIdeographicSpace), "");
    // Other blanks are part of the name.
    EXPECT_EQ(TrimProjectName("\tabc"), "\tabc");
}

TEST(NewProjectName, TheFolderAndPathFollowTheTrimmedName) {
    NewProjectRequest request;
    request.name = " abc ";
    request.parentFolder = "/work/projects";
    EXPECT_EQ(NewProjectFolder(request), fs::path("/work/projects/abc"));
    EXPECT_EQ(NewProjectPath(request), fs::path("/work/projects/abc/abc.ZPJ"));
    EXPECT_EQ(DefaultParentFolder("/opt/balsar"), fs::path("/opt/balsar/projects"));
}

// A program folder of its own: the shipped protocols, a chosen set of model
// files and, when a test writes one, a template.
class NewProjectTest : public ::testing::Test {
protected:
    NewProjectTest()
        : session(sink, prompt,
                  SessionParts{.plcFolder = fs::path(BALSAR_SOURCE_DIR) / "lib" / "plc",
                               .hardwareFolder = folder.Path() / "hardware"}) {
        fs::create_directories(folder.Path() / "hardware");
        fs::create_directories(parent());
        // Opening and creating projects moves the current folder, which an
        // earlier test may have left in a folder that is gone by now.
        std::error_code ec;
        savedFolder = fs::current_path(ec);
        if (ec) {
            savedFolder = fs::temp_directory_path();
        }
    }
    ~NewProjectTest() override {
        std::error_code ec;
        fs::current_path(savedFolder, ec);
    }

    void InstallModel(const std::string& file) {
        fs::copy_file(fs::path(BALSAR_SOURCE_DIR) / "lib" / "hardware" / file, folder.Path() / "hardware" / file);
    }
    fs::path parent() const { return folder.Path() / "projects"; }
    NewProjectRequest Request(const std::string& name) const {
        NewProjectRequest request;
        request.name = name;
        request.parentFolder = parent();
        request.ports.ports[0].enabled = 1;
        request.ports.ports[0].protocolId = 30;
        request.ports.ports[0].baud = 7;
        return request;
    }
    NewProjectResult Finish(const NewProjectRequest& request) {
        return FinishNewProject(doc, session, request);
    }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session;
    CMirloDoc doc{session, CoreClassRegistry()};
    const PortProtocols& protocols = session.PortDescriptions();
    const HardwareModel& model = session.Model();
    fs::path savedFolder;
};

TEST_F(NewProjectTest, ABlankNameIsRefusedWithoutQuestionsOrFiles) {
    InstallModel("Panel128x64.CFG");
    InstallModel("Panel192x64.CFG");
    EXPECT_EQ(Finish(Request(" " + kIdeographicSpace)), NewProjectResult::KeepWizardOpen);
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_TRUE(fs::is_empty(parent()));
    EXPECT_EQ(doc.Project(), nullptr);
}

TEST_F(NewProjectTest, WithoutATemplateTheProjectHasScreen1TheModelAndThePorts) {
    InstallModel("Panel192x64.CFG");
    ASSERT_EQ(Finish(Request(" abc" + kIdeographicSpace)), NewProjectResult::Created);
    const fs::path path = parent() / "abc" / "abc.ZPJ";
    ASSERT_NE(doc.Project(), nullptr);
    EXPECT_EQ(doc.Project()->GetProjectPath(), path.string());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::current_path(), parent() / "abc");
    EXPECT_EQ(doc.Project()->panelModelId, 2);
    EXPECT_EQ(doc.Project()->GetPort(0)->protocolId, 30);
    EXPECT_EQ(doc.Project()->GetPort(0)->baud, 7);
    ASSERT_EQ(doc.Project()->Screens().size(), 1u);
    const CHMIFrame& screen = *doc.Project()->Screens()[0];
    EXPECT_EQ(screen.GetNumber(), 1);
    EXPECT_EQ(screen.GetUpKeyTarget(), 0);
    EXPECT_EQ(screen.GetDownKeyTarget(), 2);
    EXPECT_EQ(screen.GetDescription(), "");
    // Activated: the model's panel and the port's protocol.
    EXPECT_EQ(model.id, 2);
    EXPECT_EQ(doc.PanelWidth(), 192);
    EXPECT_EQ(protocols.PortProtocol(0)->id, 30);
    // One model installed: no model question.
    EXPECT_TRUE(prompt.Questions().empty());
    // Not modified, and the file is the project: closing asks nothing.
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(NewProjectTest, WithSeveralModelsTheModelQuestionIsAskedAndNoWritesNothing) {
    InstallModel("Panel128x64.CFG");
    InstallModel("Panel192x64.CFG");
    prompt.Script(Answer::No);
    EXPECT_EQ(Finish(Request("abc")), NewProjectResult::KeepWizardOpen);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "工程创建后，文本显示器型号将不能被修改，确认创建工程？");
    EXPECT_TRUE(fs::is_empty(parent()));

    prompt.Script(Answer::Yes);
    NewProjectRequest request = Request("abc");
    request.modelIndex = 1;
    EXPECT_EQ(Finish(request), NewProjectResult::Created);
    EXPECT_EQ(doc.Project()->panelModelId, 2);
}

TEST_F(NewProjectTest, AnExistingFolderAsksAndNoWritesNothing) {
    InstallModel("Panel192x64.CFG");
    fs::create_directory(parent() / "abc");
    std::ofstream(parent() / "abc" / "notes.txt") << "keep";
    prompt.Script(Answer::No);
    EXPECT_EQ(Finish(Request("abc")), NewProjectResult::KeepWizardOpen);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "工程目录(" + (parent() / "abc").string() + ")已存在，是否覆盖？");
    EXPECT_EQ(prompt.Questions()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(fs::exists(parent() / "abc" / "abc.ZPJ"));
    EXPECT_EQ(doc.Project(), nullptr);

    prompt.Script(Answer::Yes);
    EXPECT_EQ(Finish(Request("abc")), NewProjectResult::Created);
    EXPECT_TRUE(fs::exists(parent() / "abc" / "abc.ZPJ"));
    EXPECT_TRUE(fs::exists(parent() / "abc" / "notes.txt"));
}

TEST_F(NewProjectTest, AMissingParentFolderIsReported) {
    InstallModel("Panel192x64.CFG");
    NewProjectRequest request = Request("abc");
    request.parentFolder = folder.Path() / "nowhere";
    EXPECT_EQ(Finish(request), NewProjectResult::KeepWizardOpen);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"目录(" + request.parentFolder.string() + ")不存在，请重新选择！"});
    EXPECT_FALSE(fs::exists(request.parentFolder));
}

TEST_F(NewProjectTest, WithATemplateTheProjectIsTheTemplateWithTheChosenPorts) {
    InstallModel("Panel128x64.CFG");
    // The template: three screens and COM0 on another protocol.
    {
        CMirloDoc templateDoc(session, CoreClassRegistry());
        auto project = templateDoc.CreateProject();
        project->panelModelId = 1;
        project->GetPort(0)->enabled = 1;
        project->GetPort(0)->protocolId = 1;
        for (uint16_t n : {1, 5, 9}) {
            auto screen = std::make_unique<CHMIFrame>();
            screen->SetNumber(n);
            screen->SetDescription("template " + std::to_string(n));
            project->AddScreen(std::move(screen));
        }
        project->settings.initialScreen = 5;
        templateDoc.SetProject(std::move(project));
        ASSERT_TRUE(templateDoc.SaveToFile((folder.Path() / "hardware" / "TP-128.SFP").string(), false));
    }
    ASSERT_EQ(Finish(Request("plant")), NewProjectResult::Created);
    const CMirloProject& project = *doc.Project();
    EXPECT_EQ(project.GetProjectPath(), (parent() / "plant" / "plant.ZPJ").string());
    ASSERT_EQ(project.Screens().size(), 3u);
    EXPECT_EQ(project.Screens()[1]->GetDescription(), "template 5");
    EXPECT_EQ(project.settings.initialScreen, 5);
    EXPECT_EQ(project.GetPort(0)->protocolId, 30);
    EXPECT_EQ(project.GetPort(0)->baud, 7);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(protocols.PortProtocol(0)->id, 30);

    // What was saved is the project with the chosen ports.
    CMirloDoc reread(session, CoreClassRegistry());
    ASSERT_TRUE(reread.OnOpenDocument(project.GetProjectPath()));
    EXPECT_EQ(reread.Project()->GetPort(0)->protocolId, 30);
    EXPECT_EQ(reread.Project()->Screens().size(), 3u);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompt.Questions().empty()) << "an unchanged new project closes without a question";
}

} // namespace
