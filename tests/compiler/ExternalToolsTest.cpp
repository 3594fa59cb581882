// The outside programs: their command lines (quoting included), where they
// are found, and what the Download, simulation, builder and serial task
// commands start, wait for and report.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ExternalTools.h"
#include "compiler/ProcessLauncher.h"
#include "compiler/ToolCommandLines.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

using namespace balsar;

namespace {

TEST(ToolCommandLines, EachProgramWithItsArgumentsAndPathsInQuotes) {
    const std::string package = "/home/ann/my work/plant.qk";
    const std::string image = "/home/ann/my work/plant.bin~";
    EXPECT_EQ(DownloadToolCommand(package).Text(), "OskelLoader -D -f \"/home/ann/my work/plant.qk\"");
    EXPECT_EQ(OfflineSimulatorCommand(2, image, true, "TP-192.bmp").Text(),
              "VIRur 2 \"/home/ann/my work/plant.bin~\" 1 TP-192.bmp");
    EXPECT_EQ(OfflineSimulatorCommand(17, image, false, "TP-128.bmp").Text(),
              "VIRur 17 \"/home/ann/my work/plant.bin~\" 0 TP-128.bmp");
    EXPECT_EQ(SimulatorCommand(image).Text(), "MirloSpy -o -f \"/home/ann/my work/plant.bin~\"");
    EXPECT_EQ(BuilderCommand("/opt/balsar").Text(), "\"/opt/balsar/MirloBuilder\" -s 0");
    EXPECT_EQ(SerialDownloadCommand("/tmp/upload.dat", 3).Text(),
              "VoskyDownLoad -D -f \"/tmp/upload.dat\" -s 1 -i 6 -v 7 -c 3");
    EXPECT_EQ(SerialUploadCommand("/tmp/upload.dat", 1).Text(), "VoskyDownLoad -U -f \"/tmp/upload.dat\" -c 1");
}

TEST(ToolCommandLines, OnlyTheBuilderAndTheSerialToolAreWaitedFor) {
    EXPECT_FALSE(DownloadToolCommand("a").waits);
    EXPECT_FALSE(OfflineSimulatorCommand(1, "a", false, "b").waits);
    EXPECT_FALSE(SimulatorCommand("a").waits);
    EXPECT_TRUE(BuilderCommand("/x").waits);
    EXPECT_TRUE(SerialDownloadCommand("a", 1).waits);
    EXPECT_TRUE(SerialUploadCommand("a", 1).waits);
}

TEST(ToolCommandLines, ArgumentsReachTheLauncherUnquoted) {
    EXPECT_EQ(DownloadToolCommand("/a b/p.qk").ArgumentList(), (std::vector<std::string>{"-D", "-f", "/a b/p.qk"}));
}

void MakeExecutable(const std::filesystem::path& path) {
    std::ofstream(path) << "#!/bin/sh\n";
    ::chmod(path.c_str(), 0755);
}

TEST(ToolCommandLines, ProgramsAreFoundInTheProgramFolderFirstThenOnThePath) {
    test::TempFolder folder;
    const auto program = folder.Path() / "prog";
    const auto bin1 = folder.Path() / "bin1";
    const auto bin2 = folder.Path() / "bin2";
    for (const auto& f : {program, bin1, bin2}) {
        std::filesystem::create_directory(f);
    }
    const std::string path = bin1.string() + ":" + bin2.string();
    MakeExecutable(bin2 / "VIRur");
    EXPECT_EQ(ResolveProgram("VIRur", program, path), (bin2 / "VIRur").string());
    MakeExecutable(program / "VIRur");
    EXPECT_EQ(ResolveProgram("VIRur", program, path), (program / "VIRur").string());
    // Not executable: not taken.
    std::ofstream(bin1 / "MirloSpy") << "data";
    EXPECT_EQ(ResolveProgram("MirloSpy", program, path), "MirloSpy");
}

class RecordingLauncher : public ProcessLauncher {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        bool waited;
    };
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override {
        calls.push_back({program, arguments, false});
        return succeed;
    }
    bool StartAndWait(const std::string& program, const std::vector<std::string>& arguments, int& exitCode) override {
        calls.push_back({program, arguments, true});
        if (onWait) {
            onWait();
        }
        exitCode = 3;
        return succeed;
    }
    std::vector<Call> calls;
    bool succeed = true;
    std::function<void()> onWait;
};

// A saved project with COM0 on a shipped protocol, opened and activated the
// way the designer does, in a folder of its own.
class ToolsTest : public ::testing::Test {
protected:
    ToolsTest()
        : session(sink, prompt,
                  SessionParts{.plcFolder = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "plc",
                               .hardwareFolder = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "hardware"}) {
        auto project = doc.CreateProject();
        project->panelModelId = 2;
        project->GetPort(0)->enabled = 1;
        project->GetPort(0)->protocolId = 1;
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(1);
        project->AddScreen(std::move(screen));
        project->SetProjectPath(folder.File("plant.ZPJ"));
        doc.SetProject(std::move(project));
        session.Activate(*doc.Project());
        env.programFolder = BALSAR_SOURCE_DIR;
        env.searchPath = "";
    }
    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session;
    CMirloDoc doc{session, CoreClassRegistry()};
    RecordingLauncher launcher;
    ToolEnvironment env{doc, session, launcher, {}, {}};
};

TEST_F(ToolsTest, DownloadSavesCompilesPackagesAndStartsTheDownloadTool) {
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(DownloadCommand(env));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(std::filesystem::exists(folder.File("plant.ZPJ")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("plant.bin~")));
    EXPECT_GT(std::filesystem::file_size(folder.File("plant.qk")), 148u);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "OskelLoader");
    EXPECT_EQ(launcher.calls[0].arguments, (std::vector<std::string>{"-D", "-f", folder.File("plant.qk")}));
    EXPECT_FALSE(launcher.calls[0].waited);
    EXPECT_TRUE(sink.Entries().empty()) << sink.Texts().front();
}

TEST_F(ToolsTest, ADownloadToolThatCannotStartIsNamed) {
    launcher.succeed = false;
    EXPECT_FALSE(DownloadCommand(env));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"未能正常启动OskelLoader"});
}

TEST_F(ToolsTest, AFailedPackageStartsNothing) {
    HardwareModel broken = session.Model();
    broken.hwFile = "no_such_gui.bin";
    session.SetModel(broken);
    EXPECT_FALSE(DownloadCommand(env));
    EXPECT_TRUE(launcher.calls.empty());
    ASSERT_EQ(sink.Entries().size(), 2u);
    EXPECT_NE(sink.Texts()[0].find("no_such_gui.bin"), std::string::npos);
    EXPECT_EQ(sink.Texts()[1], "制作下载文件包失败！");
    EXPECT_FALSE(std::filesystem::exists(folder.File("plant.qk")));
}

TEST_F(ToolsTest, OfflineSimulationGivesModelOutputEncoderAndPicture) {
    ASSERT_TRUE(OfflineSimulationCommand(env));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "VIRur");
    // Model 2 (TP-192) has an encoder.
    EXPECT_EQ(launcher.calls[0].arguments,
              (std::vector<std::string>{"2", folder.File("plant.bin~"), "1", "TP-192.bmp"}));
    EXPECT_TRUE(std::filesystem::exists(folder.File("plant.bin~")));
}

TEST_F(ToolsTest, AnOfflineSimulatorThatCannotStartIsNamed) {
    launcher.succeed = false;
    EXPECT_FALSE(OfflineSimulationCommand(env));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"未能正常启动VIRur"});
}

TEST_F(ToolsTest, SimulatorStartsOnlyAfterACompileAndNamesAFailedStart) {
    launcher.succeed = false;
    EXPECT_TRUE(SimulatorCommand(env));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "MirloSpy");
    EXPECT_EQ(launcher.calls[0].arguments, (std::vector<std::string>{"-o", "-f", folder.File("plant.bin~")}));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"未能正常启动MirloSpy"});
    sink.Clear();

    launcher.calls.clear();
    doc.Project()->SetProjectPath((folder.Path() / "gone" / "plant.ZPJ").string());
    EXPECT_FALSE(SimulatorCommand(env));
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_TRUE(sink.Contains("Create Compile File Failed!"));
}

TEST_F(ToolsTest, BuilderIsEnabledByItsFileAndWaitedFor) {
    EXPECT_FALSE(BuilderAvailable(folder.Path()));
    std::ofstream(folder.Path() / "MirloBuilder.exe") << "";
    EXPECT_TRUE(BuilderAvailable(folder.Path()));
    env.programFolder = folder.Path();
    EXPECT_TRUE(BuilderCommand(env));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, (folder.Path() / "MirloBuilder").string());
    EXPECT_EQ(launcher.calls[0].arguments, (std::vector<std::string>{"-s", "0"}));
    EXPECT_TRUE(launcher.calls[0].waited);
}

TEST_F(ToolsTest, SerialDownloadAndUploadWaitAndKeepTheTarget) {
    const std::string target = DefaultSerialTaskTarget(folder.Path());
    EXPECT_EQ(target, folder.File("upload.dat"));
    std::ofstream(target) << "data";
    bool existedWhileRunning = false;
    launcher.onWait = [&] { existedWhileRunning = std::filesystem::exists(target); };

    EXPECT_TRUE(SerialTaskCommand(env, {target, false, 0}));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_TRUE(SerialTaskCommand(env, {target, true, 2}));
    EXPECT_TRUE(existedWhileRunning);
    EXPECT_TRUE(std::filesystem::exists(target)) << "the user's file is not deleted";
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[0].arguments, (std::vector<std::string>{"-U", "-f", target, "-c", "1"}));
    EXPECT_EQ(launcher.calls[1].arguments,
              (std::vector<std::string>{"-D", "-f", target, "-s", "1", "-i", "6", "-v", "7", "-c", "3"}));
    EXPECT_TRUE(launcher.calls[1].waited);
}

TEST_F(ToolsTest, ASerialDownloadThatCannotStartKeepsTheTarget) {
    const std::string target = folder.File("upload.dat");
    std::ofstream(target) << "data";
    launcher.succeed = false;
    EXPECT_FALSE(SerialTaskCommand(env, {target, true, 0}));
    EXPECT_TRUE(std::filesystem::exists(target));
    // A tool that is not installed is said, not a silent nothing.
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].text, "未能正常启动VoskyDownLoad");
}

TEST_F(ToolsTest, TheDownloadToolIsFoundBesideTheRunningDesignerFirst) {
    // The program folder (BALSAR_HOME) names a source tree without programs.
    const auto bin = folder.Path() / "bin";
    std::filesystem::create_directory(bin);
    MakeExecutable(bin / "OskelLoader");
    env.executableFolder = bin;
    ASSERT_TRUE(DownloadCommand(env));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, (bin / "OskelLoader").string());
}

} // namespace
