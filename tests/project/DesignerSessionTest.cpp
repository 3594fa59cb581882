// The designer session: what activating a project loads, what closing or
// replacing it forgets, and the program's session.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ImageCompiler.h"
#include "elements/CRegisterGE.h"
#include "elements/Languages.h"
#include "hardware/HardwareModel.h"
#include "plc/PortProtocols.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

// A project of a panel model with COM0 on a protocol and a register on COM0.
std::unique_ptr<CMirloProject> ProjectOn(int32_t modelId, int32_t protocolId) {
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = modelId;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = protocolId;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    auto value = std::make_unique<CRegisterGE>();
    value->Address().Reset(WIDTH_WORD, 0, 1);
    value->Address().regType = "4X";
    value->Address().address = 7;
    screen->AddElement(std::move(value));
    project->AddScreen(std::move(screen));
    return project;
}

Image Compile(CMirloProject& project, const DesignerSession& session) {
    return CompileProject(project, CompileInputs{session.sink, session.PanelWidth(), session.PanelHeight(),
                                                 &session.PortDescriptions(), session.Fonts()});
}

TEST(DesignerSession, ActivationLoadsTheModelAndThePortDescriptions) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    EXPECT_FALSE(session.HasModel());
    EXPECT_EQ(session.PanelWidth(), 128);
    EXPECT_EQ(session.PanelHeight(), 64);

    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 3;
    project->GetPort(1)->enabled = 1;
    project->GetPort(1)->protocolId = 2;
    doc.SetProject(std::move(project));
    ASSERT_TRUE(session.Activate(*doc.Project()));
    EXPECT_TRUE(session.HasModel());
    EXPECT_EQ(session.Model().id, 3);
    EXPECT_EQ(doc.PanelWidth(), 240);
    EXPECT_EQ(doc.PanelHeight(), 128);
    EXPECT_EQ(session.PortDescriptions().PortProtocol(1)->plcName, "Modbus ASCII Master");
    EXPECT_FALSE(session.PortDescriptions().PortProtocol(0)->HasRegisterTypes());

    // A project whose model is not in the list has none: the panel falls
    // back to 128 x 64 rather than keeping the previous project's model.
    doc.Project()->panelModelId = 99;
    EXPECT_FALSE(session.Activate(*doc.Project()));
    EXPECT_FALSE(session.HasModel());
    EXPECT_EQ(session.Model().id, -1);
    EXPECT_EQ(doc.PanelWidth(), 128);
    EXPECT_EQ(session.PortDescriptions().PortProtocol(1)->plcName, "Modbus ASCII Master");
    EXPECT_TRUE(sink.Entries().empty());

    // Closing the project forgets the model and the descriptions.
    ASSERT_TRUE(session.Activate(*ProjectOn(3, 1)));
    doc.ClearProject();
    EXPECT_FALSE(session.HasModel());
    EXPECT_EQ(doc.PanelWidth(), 128);
    for (int port = 0; port < 4; ++port) {
        EXPECT_FALSE(session.PortDescriptions().PortProtocol(port)->HasRegisterTypes()) << port;
    }
}

TEST(DesignerSession, ACompileIsTheSameWhateverWasOpenedBefore) {
    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    const std::string first = folder.File("first.ZPJ");
    const std::string second = folder.File("second.ZPJ");
    {
        DesignerSession session(sink, prompt);
        CMirloDoc writer(session, CoreClassRegistry());
        // The first project: model 3 (240 x 128), COM0 on Modbus RTU.
        writer.SetProject(ProjectOn(3, 1));
        ASSERT_TRUE(writer.SaveToFile(first, false));
        // The second: a model and a protocol the library does not have.
        writer.SetProject(ProjectOn(99, 777));
        ASSERT_TRUE(writer.SaveToFile(second, false));
    }
    // Opened as the designer and balsar-cli do: read, then activate.
    const auto open = [](CMirloDoc& doc, DesignerSession& session, const std::string& path) {
        ASSERT_TRUE(doc.OnOpenDocument(path));
        session.Activate(*doc.Project());
    };
    DesignerSession fresh(sink, prompt);
    CMirloDoc freshDoc(fresh, CoreClassRegistry());
    open(freshDoc, fresh, second);
    const Image alone = Compile(*freshDoc.Project(), fresh);

    DesignerSession used(sink, prompt);
    CMirloDoc usedDoc(used, CoreClassRegistry());
    open(usedDoc, used, first);
    ASSERT_EQ(used.PanelWidth(), 240);
    open(usedDoc, used, second);
    EXPECT_EQ(Compile(*usedDoc.Project(), used), alone);

    // Opening is enough: before the activation nothing of the first project
    // is left either.
    open(usedDoc, used, first);
    ASSERT_TRUE(usedDoc.OnOpenDocument(second));
    EXPECT_EQ(Compile(*usedDoc.Project(), used), alone);
}

TEST(DesignerSession, TheProgramsSessionHasFontsAndItsFirstLanguage) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession fixed = DesignerSession::ForProgram(sink, prompt, LanguageDefaults{0x0411, "MS Gothic"});
    ASSERT_NE(fixed.Fonts(), nullptr);
    EXPECT_EQ(fixed.NewProjectLanguage().languageId, 0x0411);
    EXPECT_EQ(fixed.NewProjectLanguage().fontName, "MS Gothic");
    // The program's library: the shipped protocols and models.
    EXPECT_FALSE(fixed.Protocols().Manufacturers().empty());
    EXPECT_FALSE(fixed.Models().Entries().empty());

    DesignerSession system = DesignerSession::ForProgram(sink, prompt);
    const LanguageDefaults expected = SystemLanguageDefaults(system.Fonts());
    EXPECT_EQ(system.NewProjectLanguage().languageId, expected.languageId);
    EXPECT_EQ(system.NewProjectLanguage().fontName, expected.fontName);
    CMirloDoc doc(system, CoreClassRegistry());
    EXPECT_EQ(doc.CreateProject()->languages.GetFontName(0), expected.fontName);
    EXPECT_TRUE(sink.Entries().empty());
}

} // namespace
} // namespace balsar
