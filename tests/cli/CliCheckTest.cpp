// balsar-cli check, and the findings compile prints: the demo project is
// clean, a project with one problem of each kind lists each, errors fail
// the compile and --strict makes warnings fail it too.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "cli/BalsarCli.h"
#include "elements/CLedGE.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"
#include "cli/CliRun.h"

using namespace balsar;

namespace {

using test::Cli;
using test::CliRun;

// Screens 1 and 2 on model 1, COM0 in use; what breaks it is up to the
// caller.
std::string Save(const test::TempFolder& folder, const std::function<void(CMirloProject&)>& change) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 1;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    for (uint16_t n : {1, 2}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(n);
        screen->SetUpKeyTarget(n == 1 ? 2 : 1);
        screen->SetDownKeyTarget(n == 1 ? 2 : 1);
        project->AddScreen(std::move(screen));
    }
    project->settings.passwordScreen = 2;
    change(*project);
    doc.SetProject(std::move(project));
    const std::string path = folder.File("p.ZPJ");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

} // namespace

TEST(CliCheck, TheDemoProjectHasNoFindings) {
    test::TempFolder folder;
    const std::filesystem::path generator = std::filesystem::path(BALSAR_BINARY_DIR) / "bin" / "demo-generator";
    if (!std::filesystem::exists(generator)) {
        GTEST_SKIP() << "demo-generator not built";
    }
    const std::string demo = folder.File("demo.ZPJ");
    ASSERT_EQ(std::system((generator.string() + " " + demo + " > /dev/null").c_str()), 0);
    const CliRun run = Cli({"check", demo});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "0 errors, 0 warnings\n");
}

TEST(CliCheck, EachProblemIsListedWithItsPlace) {
    test::TempFolder folder;
    const std::string path = Save(folder, [](CMirloProject& project) {
        project.settings.initialScreen = 7;
        auto lamp = std::make_unique<CLedGE>();
        lamp->Address().Reset(WIDTH_BIT, 2, 1); // COM2 is off
        project.FindScreen(1)->AddElement(std::move(lamp));
        DataTransferItem never;
        never.sourceAddress.Reset(WIDTH_WORD);
        never.destinationAddress.Reset(WIDTH_WORD);
        project.dataTransfers.items.push_back(never);
        project.FindScreen(2)->SetUpKeyTarget(4);
    });
    CliRun run = Cli({"check", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("error screen-missing settings initial screen: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("error address-port-disabled screen 1 LED0 address: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("error transfer-no-trigger transfers item 1 trigger: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("warning screen-missing screen 2 up key: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("3 errors, 1 warnings\n"), std::string::npos) << run.out;

    run = Cli({"check", path, "--json"});
    EXPECT_EQ(run.status, 1);
    const nlohmann::json document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document.at("errors"), 3);
    EXPECT_EQ(document.at("warnings"), 1);
    const nlohmann::json& first = document.at("findings").at(0);
    EXPECT_EQ(first.at("code"), "screen-missing");
    EXPECT_EQ(first.at("place").at("list"), "settings");
    EXPECT_EQ(first.at("place").at("field"), "initial screen");

    // The compile says the same on stderr and writes no image.
    run = Cli({"compile", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error transfer-no-trigger transfers item 1 trigger"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("p.bin~")));
}

TEST(CliCheck, WarningsFailACompileOnlyWithStrict) {
    test::TempFolder folder;
    const std::string path =
        Save(folder, [](CMirloProject& project) { project.FindScreen(2)->SetUpKeyTarget(4); });
    CliRun run = Cli({"compile", path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("warning screen-missing screen 2 up key"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder.File("p.bin~")));
    std::filesystem::remove(folder.File("p.bin~"));
    run = Cli({"compile", path, "--strict"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("(--strict)"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("p.bin~")));
}

TEST(CliCheck, AnUnknownModelFailsTheCompile) {
    test::TempFolder folder;
    const std::string path = Save(folder, [](CMirloProject& project) { project.panelModelId = 99; });
    const CliRun run = Cli({"compile", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error model-unknown project model"), std::string::npos) << run.err;
}
