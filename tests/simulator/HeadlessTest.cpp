// The headless modes: "VIRur --render" (one 1:1 PNG per screen after the
// register values and key presses, in order) and "MirloSpy --poll-once"
// (one read of the initial screen's PLC registers), run in process and as
// the programs the designer and scripts start.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

#include "ModbusTestServer.h"
#include "SimulatorProject.h"
#include "runtime/PanelRuntime.h"
#include "simulator/HeadlessRun.h"

using namespace balsar;
using namespace balsar::simulator;
using simulator::test::ModbusTestServer;

namespace {

struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs a program of the build with its output (stdout and stderr) captured.
ProgramRun Program(const std::string& name, const std::string& arguments) {
    const std::string command = std::string(BALSAR_BINARY_DIR) + "/bin/" + name + " " + arguments + " 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// The PNG as rows of '#' (black) and '.' (white); fails on any other colour.
std::string PngDump(const std::string& path) {
    QImage image(QString::fromStdString(path));
    EXPECT_FALSE(image.isNull()) << path;
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            EXPECT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << path << " at " << x << "," << y;
            out.push_back(pixel == 0 ? '#' : '.');
        }
        out.push_back('\n');
    }
    return out;
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override {
        image = simulator::test::CompileSimulatorProject(designer);
        imagePath = simulator::test::WriteImage(image, "plant.bin~");
    }

    runtime::test::DesignerFixture designer;
    std::vector<uint8_t> image;
    std::string imagePath;
};

TEST_F(Headless, RenderWritesEveryScreenAtOneToOneAfterTheActionsInOrder) {
    const std::string out = simulator::test::TempFolder("render");
    SimulatorOptions options;
    options.mode = SimulatorOptions::Mode::Render;
    options.image = imagePath;
    options.renderDir = out;
    // LW3 = 42, then F3 jumps to screen 2, then ENT focuses its field.
    options.actions = {{PanelAction::Kind::Set, "LW3=42"},
                       {PanelAction::Kind::Press, "F3"},
                       {PanelAction::Kind::Press, "ENT"}};
    std::ostringstream stdoutText, stderrText;
    ASSERT_EQ(RunRender(options, stdoutText, stderrText), 0) << stderrText.str();
    EXPECT_NE(stdoutText.str().find("2 screen(s) written to " + out), std::string::npos) << stdoutText.str();

    // The same panel by hand: the PNGs are its frames, pixel for pixel.
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    runtime::AddressRecord lw3;
    ASSERT_TRUE(runtime::AddressRecord::FromText("LW3", lw3));
    panel.Registers().Write(lw3, runtime::DataType::Unsigned, 1, 42);
    panel.TapKey(3);
    panel.TapKey(runtime::KEY_ENTER);
    panel.Step(0);
    ASSERT_EQ(panel.CurrentScreen(), 2);
    ASSERT_EQ(panel.FocusedElement(), 0);
    EXPECT_EQ(PngDump(out + "/screen-2.png"), panel.Render().Dump()); // focused: reversed field
    EXPECT_EQ(PngDump(out + "/screen-1.png"), panel.RenderScreen(1).Dump());
    QImage png(QString::fromStdString(out + "/screen-1.png"));
    EXPECT_EQ(png.size(), QSize(128, 64));

    // In the other order the field is not focused: the order counts.
    options.actions = {{PanelAction::Kind::Press, "ENT"},
                       {PanelAction::Kind::Press, "F3"},
                       {PanelAction::Kind::Set, "LW3=42"}};
    const std::string other = simulator::test::TempFolder("other-order");
    options.renderDir = other;
    ASSERT_EQ(RunRender(options, stdoutText, stderrText), 0) << stderrText.str();
    EXPECT_NE(PngDump(other + "/screen-2.png"), PngDump(out + "/screen-2.png"));
}

TEST_F(Headless, RenderRefusesMalformedInputWithAMessage) {
    const std::string out = simulator::test::TempFolder("render");
    std::vector<uint8_t> damaged = image;
    damaged.resize(damaged.size() / 2);
    const std::string damagedPath = simulator::test::WriteImage(damaged, "damaged.bin~");
    ProgramRun run = Program("VIRur", "--render " + Quoted(out) + " " + Quoted(damagedPath));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("damaged download image"), std::string::npos) << run.output;
    EXPECT_TRUE(std::filesystem::is_empty(out));

    run = Program("VIRur", "--render " + Quoted(out) + " " + Quoted(imagePath) + " --set LW3");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("--set LW3: not a register"), std::string::npos) << run.output;
    run = Program("VIRur", "--render " + Quoted(out) + " " + Quoted(imagePath) + " --press F99");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("--press F99: no such key"), std::string::npos) << run.output;
    run = Program("VIRur", "--render " + Quoted(out) + " " + Quoted(imagePath) + " --set LW3=abc");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("not an integer"), std::string::npos) << run.output;

    run = Program("VIRur", "--render " + Quoted(out) + " " + Quoted(imagePath) + " --press F3");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(out + "/screen-1.png"));
    EXPECT_TRUE(std::filesystem::exists(out + "/screen-2.png"));
}

TEST(HeadlessPrograms, HelpAndUsage) {
    for (const char* program : {"VIRur", "MirloSpy"}) {
        ProgramRun run = Program(program, "--help");
        EXPECT_EQ(run.status, 0) << program;
        EXPECT_EQ(run.output.rfind(std::string("usage: ") + program, 0), 0u) << run.output;
        run = Program(program, "--no-such-option");
        EXPECT_EQ(run.status, 2) << program;
        EXPECT_NE(run.output.find("usage: "), std::string::npos) << run.output;
    }
}

TEST_F(Headless, PollOncePrintsEveryPlcRegisterOfTheInitialScreenAndRenders) {
    ModbusTestServer server(ModbusTestServer::Transport::Tcp);
    ASSERT_TRUE(server.Started()) << server.Error();
    server.SetHolding(9, 4321);
    server.SetHolding(19, 7);
    server.With([](modbus_mapping_t& m) {
        m.tab_bits[4] = 1;
        m.tab_bits[5] = 0;
    });
    const std::string out = simulator::test::TempFolder("poll");
    const ProgramRun run = Program("MirloSpy", "--poll-once " + Quoted(imagePath) + " --tcp " +
                                                   server.Target() + " --render " + Quoted(out));
    ASSERT_EQ(run.status, 0) << run.output;
    // One line per address, in screen order, each read once.
    EXPECT_NE(run.output.find("COM0 4X 10 = 4321\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("COM0 0X 5 = 1\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("COM0 4X 20 = 7\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("COM0 0X 6 = 0\n"), std::string::npos) << run.output;
    EXPECT_EQ(server.Holding(19), 7) << "polling writes nothing";

    // The rendered screen shows the slave's value.
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    const std::vector<runtime::RegisterUse> uses = panel.RegistersOfScreen(1);
    panel.Registers().WriteValues(uses.at(0).address, {4321});
    panel.Registers().WriteBit(uses.at(1).address, true);
    EXPECT_EQ(PngDump(out + "/screen-1.png"), panel.Render().Dump());
}

TEST_F(Headless, PollOnceFailsWithTheCommunicationError) {
    // Nobody listens on this port any more.
    int port = 0;
    {
        ModbusTestServer gone(ModbusTestServer::Transport::Tcp);
        ASSERT_TRUE(gone.Started());
        port = gone.TcpPort();
    }
    ProgramRun run =
        Program("MirloSpy", "--poll-once " + Quoted(imagePath) + " --tcp 127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Modbus TCP 127.0.0.1:" + std::to_string(port)), std::string::npos)
        << run.output;

    // A slave that does not answer the image's station: a time-out on the
    // first register, after the port's one retry.
    ModbusTestServer silent(ModbusTestServer::Transport::PseudoTerminal, 9);
    ASSERT_TRUE(silent.Started()) << silent.Error();
    run = Program("MirloSpy", "--poll-once " + Quoted(imagePath) + " --serial " + silent.Target());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("COM0 4X 10: Connection timed out"), std::string::npos) << run.output;
}

} // namespace
