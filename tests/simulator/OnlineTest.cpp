// The online simulator against a real Modbus slave (libmodbus's server in a
// thread of the test) over loopback TCP and over a pseudo-terminal pair: a
// value changed in the slave appears in the rendered frame, function keys
// write into the slave, and a silent slave is a communication error.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ModbusTestServer.h"
#include "SimulatorProject.h"
#include "base/MessageSink.h"
#include "plc/ProtocolLibrary.h"
#include "runtime/PanelRuntime.h"
#include "simulator/BackgroundLink.h"
#include "simulator/LinkEndpoint.h"
#include "simulator/ModbusLink.h"
#include "simulator/PanelActions.h"
#include "simulator/PortRegisters.h"

using namespace balsar;
using namespace balsar::simulator;
using simulator::test::ModbusTestServer;

namespace {

LinkEndpoint EndpointOf(const ModbusTestServer& server, ModbusTestServer::Transport transport) {
    LinkEndpoint endpoint;
    if (transport == ModbusTestServer::Transport::Tcp) {
        EXPECT_TRUE(LinkEndpoint::ParseTcp(server.Target(), endpoint));
        return endpoint;
    }
    return LinkEndpoint::Serial(server.Target());
}

class Online : public ::testing::TestWithParam<ModbusTestServer::Transport> {
protected:
    void SetUp() override {
        image = simulator::test::CompileSimulatorProject(designer);
        std::string error;
        ASSERT_TRUE(panel.Load(image, error)) << error;
        ASSERT_TRUE(offline.Load(image, error)) << error;
        library.EnsureLoaded(sink);
        names.Load(panel.Image().ports, library, sink);
        ASSERT_TRUE(sink.Entries().empty());
    }

    // The screen the offline panel shows with the register 4X 10 at value
    // and the lamp's coil 0X 5 as given, as rows of '#' and '.'.
    std::string OfflineFrame(uint16_t value, bool lamp) {
        const std::vector<runtime::RegisterUse> uses = panel.RegistersOfScreen(1);
        offline.Registers().WriteValues(uses.at(0).address, {value});
        offline.Registers().WriteBit(uses.at(1).address, lamp);
        return offline.Render().Dump();
    }

    runtime::test::DesignerFixture designer;
    std::vector<uint8_t> image;
    runtime::PanelRuntime panel;
    runtime::PanelRuntime offline;
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    PortRegisters names;
};

TEST_P(Online, SlaveValuesShowAndKeysWriteIntoTheSlave) {
    ModbusTestServer server(GetParam());
    ASSERT_TRUE(server.Started()) << server.Error();
    ModbusLink link(names);
    std::string error;
    ASSERT_TRUE(link.Open(EndpointOf(server, GetParam()), error)) << error;
    panel.SetLink(&link);

    server.SetHolding(9, 4321);                                  // 4X 10
    server.With([](modbus_mapping_t& m) { m.tab_bits[4] = 1; }); // 0X 5: the lamp
    panel.Step(100);
    EXPECT_FALSE(panel.CommunicationError()) << link.LastError();
    const std::string shown = panel.Render().Dump();
    EXPECT_EQ(shown, OfflineFrame(4321, true));
    EXPECT_NE(shown, OfflineFrame(0, true));
    EXPECT_NE(shown, OfflineFrame(4321, false));

    // A change in the slave shows at the next poll.
    server.SetHolding(9, 77);
    server.With([](modbus_mapping_t& m) { m.tab_bits[4] = 0; });
    panel.Step(100);
    EXPECT_EQ(panel.Render().Dump(), OfflineFrame(77, false));

    // F1 sets 4X 20 to 1234, F2 switches coil 0X 6 on.
    panel.TapKey(1);
    panel.TapKey(2);
    EXPECT_EQ(server.Holding(19), 1234);
    server.With([](modbus_mapping_t& m) { EXPECT_EQ(m.tab_bits[5], 1); });
    EXPECT_FALSE(panel.CommunicationError());

    // Entering a value on the focused register writes it into the slave.
    panel.TapKey(runtime::KEY_ENTER);
    panel.TapKey(runtime::KEY_ENTER);
    for (const int digit : {5, 6}) {
        panel.TapKey(runtime::KEY_DIGIT_0 + digit);
    }
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(server.Holding(9), 56);
    panel.SetLink(nullptr);
}

TEST_P(Online, ASilentSlaveIsACommunicationError) {
    // The slave answers station 9 only; the image asks station 1.
    ModbusTestServer server(GetParam(), 9);
    ASSERT_TRUE(server.Started()) << server.Error();
    ModbusLink link(names);
    std::string error;
    ASSERT_TRUE(link.Open(EndpointOf(server, GetParam()), error)) << error;
    panel.SetLink(&link);
    if (GetParam() == ModbusTestServer::Transport::Tcp) {
        // Over TCP the unit identifier is not checked: stop the answers by
        // closing the link instead.
        link.Close();
    }
    panel.Step(100);
    EXPECT_TRUE(panel.CommunicationError());
    EXPECT_EQ(panel.NoticeText(), "通讯错误");
    // The reason names the port and register that failed.
    EXPECT_EQ(link.LastError().rfind("COM0 ", 0), 0u) << link.LastError();
    EXPECT_NE(
        link.LastError().find(GetParam() == ModbusTestServer::Transport::Tcp ? "not connected" : "timed out"),
        std::string::npos)
        << link.LastError();
    panel.SetLink(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Transports, Online,
                         ::testing::Values(ModbusTestServer::Transport::Tcp,
                                           ModbusTestServer::Transport::PseudoTerminal),
                         [](const auto& param) {
                             return param.param == ModbusTestServer::Transport::Tcp ? "Tcp"
                                                                                    : "PseudoTerminal";
                         });

TEST(OnlineRetries, ARetryCountsAsARequestAndCutOffStopsTheTraffic) {
    runtime::test::DesignerFixture designer;
    const auto image = simulator::test::CompileSimulatorProject(designer, /*cutOff=*/true);
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel.Image().ports, library, sink);

    ModbusTestServer server(ModbusTestServer::Transport::PseudoTerminal, 9); // never answers station 1
    ASSERT_TRUE(server.Started()) << server.Error();
    ModbusLink link(names);
    ASSERT_TRUE(link.Open(LinkEndpoint::Serial(server.Target()), error)) << error;
    const runtime::AddressRecord address = panel.RegistersOfScreen(1).at(0).address;
    std::vector<uint16_t> value(1);
    EXPECT_FALSE(link.Read(address, value));
    EXPECT_EQ(link.Requests(), 2u); // the request and its one retry
    EXPECT_TRUE(link.CutOff(0));
    EXPECT_FALSE(link.Read(address, value));
    EXPECT_EQ(link.Requests(), 2u) << "a cut-off port gets no more requests";
    EXPECT_NE(link.LastError().find("cut off"), std::string::npos);
    ASSERT_TRUE(link.Reconnect(error)) << error;
    EXPECT_FALSE(link.CutOff(0));
}

TEST(OnlineTcp, TheLinkComesBackAfterTheDeviceDroppedTheConnection) {
    runtime::test::DesignerFixture designer;
    const auto image = simulator::test::CompileSimulatorProject(designer);
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel.Image().ports, library, sink);

    ModbusTestServer server(ModbusTestServer::Transport::Tcp);
    ASSERT_TRUE(server.Started()) << server.Error();
    server.SetHolding(9, 11);
    ModbusLink link(names);
    LinkEndpoint endpoint;
    ASSERT_TRUE(LinkEndpoint::ParseTcp(server.Target(), endpoint));
    ASSERT_TRUE(link.Open(endpoint, error)) << error;
    const runtime::AddressRecord address = panel.RegistersOfScreen(1).at(0).address;
    std::vector<uint16_t> value(1);
    ASSERT_TRUE(link.Read(address, value)) << link.LastError();
    EXPECT_EQ(value[0], 11);

    // The device drops the connection; the port's retry goes over a new one.
    server.DropClient();
    server.SetHolding(9, 12);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(link.Read(address, value)) << link.LastError();
    EXPECT_EQ(value[0], 12);
}

TEST(OnlineBackground, ThePollingWorkerBringsSlaveValuesAndCarriesWrites) {
    runtime::test::DesignerFixture designer;
    const auto image = simulator::test::CompileSimulatorProject(designer);
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel.Image().ports, library, sink);

    ModbusTestServer server(ModbusTestServer::Transport::Tcp);
    ASSERT_TRUE(server.Started()) << server.Error();
    server.SetHolding(9, 900);
    auto modbus = std::make_unique<ModbusLink>(names);
    LinkEndpoint endpoint;
    ASSERT_TRUE(LinkEndpoint::ParseTcp(server.Target(), endpoint));
    ASSERT_TRUE(modbus->Open(endpoint, error)) << error;
    BackgroundLink link(std::move(modbus));
    panel.SetLink(&link);

    const runtime::RegisterUse use = panel.RegistersOfScreen(1).at(0);
    panel.Step(100); // names the registers to poll
    ASSERT_TRUE(link.WaitCycles(2, std::chrono::seconds(5)));
    panel.Step(100);
    EXPECT_EQ(panel.Registers().Values(use.address, 1).at(0), 900);

    panel.TapKey(1); // 4X 20 = 1234, through the worker
    ASSERT_TRUE(link.WaitCycles(2, std::chrono::seconds(5)));
    EXPECT_EQ(server.Holding(19), 1234);
    EXPECT_FALSE(link.CurrentStatus().failing) << link.CurrentStatus().error;
    panel.SetLink(nullptr);
}

} // namespace

namespace {

TEST(OnlineBackground, ClosingDoesNotWaitForEveryRetryOfASilentDevice) {
    runtime::test::DesignerFixture designer;
    // Ten retries of 300 ms: three seconds per register if closing waited.
    const auto image = simulator::test::CompileSimulatorProject(designer, false, 10);
    runtime::PanelRuntime panel;
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel.Image().ports, library, sink);

    ModbusTestServer silent(ModbusTestServer::Transport::PseudoTerminal, 9);
    ASSERT_TRUE(silent.Started()) << silent.Error();
    auto modbus = std::make_unique<ModbusLink>(names);
    ASSERT_TRUE(modbus->Open(LinkEndpoint::Serial(silent.Target()), error)) << error;
    auto link = std::make_unique<BackgroundLink>(std::move(modbus));
    panel.SetLink(link.get());
    panel.Step(100); // the worker starts polling the silent device
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    panel.SetLink(nullptr);
    const auto start = std::chrono::steady_clock::now();
    link.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
}

} // namespace
