// balsar-cli: the command-line contracts (exit status, outputs, files).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "cli/BalsarCli.h"
#include "compiler/ImageCompiler.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"
#include "cli/CliRun.h"

using namespace balsar;

namespace {

using test::Cli;
using test::CliRun;

// A project file with two screens and COM0 in use.
std::string MakeProject(const test::TempFolder& folder, const std::string& name) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 1;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    for (uint16_t n : {1, 2}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(n);
        screen->SetDescription(n == 1 ? "启动" : "second \"quoted\"");
        project->AddScreen(std::move(screen));
    }
    doc.SetProject(std::move(project));
    const std::string path = folder.File(name);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

} // namespace

TEST(BalsarCli, CompileWritesTheOutputNextToTheProject) {
    test::TempFolder folder;
    const std::string project = MakeProject(folder, "line.ZPJ");
    const CliRun run = Cli({"compile", project});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string output = folder.File("line.bin~");
    EXPECT_EQ(run.out, output + "\n");
    const std::vector<uint8_t> image = test::FileBytes(output);
    ASSERT_GE(image.size(), 52u);
    EXPECT_EQ(ReadAt(image, 12, 4), image.size());
    EXPECT_EQ(ReadAt(image, 16, 4), ImageCompiler::Checksum(image));
    // The port block holds COM0's record, the screen block both screens.
    const uint32_t ports = ReadAt(image, 28, 4);
    EXPECT_EQ(ReadAt(image, ports, 4), 1u);
    const uint32_t screens = ReadAt(image, 36, 4);
    EXPECT_EQ(ReadAt(image, screens, 4), 2u);
}

TEST(BalsarCli, InfoAsTextAndJson) {
    test::TempFolder folder;
    const std::string project = MakeProject(folder, "line.ZPJ");
    const CliRun text = Cli({"info", project});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("screens: 2"), std::string::npos) << text.out;
    const CliRun json = Cli({"info", project, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"number\":1"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"description\":\"启动\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"description\":\"second \\\"quoted\\\"\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"enabled\":true"), std::string::npos) << json.out;
}

TEST(BalsarCli, SaveRewritesOrCopies) {
    test::TempFolder folder;
    const std::string project = MakeProject(folder, "line.ZPJ");
    const std::vector<uint8_t> before = test::FileBytes(project);
    const CliRun same = Cli({"save", project});
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(test::FileBytes(project), before);
    const std::string copy = folder.File("copy.ZPJ");
    const CliRun as = Cli({"save", project, "--as", copy});
    ASSERT_EQ(as.status, 0) << as.err;
    EXPECT_EQ(as.out, copy + "\n");
    EXPECT_EQ(test::FileBytes(copy), before);
}

TEST(BalsarCli, BadInputAndUsage) {
    test::TempFolder folder;
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"frobnicate", "x.ZPJ"}).status, 2);
    EXPECT_EQ(Cli({"compile"}).status, 2);
    EXPECT_EQ(Cli({"info", "x.ZPJ", "--xml"}).status, 2);
    const CliRun missing = Cli({"compile", folder.File("none.ZPJ")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.ZPJ"), std::string::npos);
    const std::string junk = folder.File("junk.ZPJ");
    std::ofstream(junk) << "not a project";
    const CliRun damaged = Cli({"info", junk});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("打开工程失败"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("junk.bin~")));
}
