// How the protocol library's register types reach Modbus: table, offset
// (register numbers count from 1), the bit of a holding register, function
// codes; the names the simulators print; and the command-line values.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "plc/ProtocolLibrary.h"
#include "simulator/LinkEndpoint.h"
#include "simulator/ModbusTarget.h"
#include "simulator/PanelActions.h"
#include "simulator/PortRegisters.h"
#include "simulator/SimulatorOptions.h"

using namespace balsar;
using namespace balsar::simulator;

namespace {

// The Modbus RTU master protocol of the library on port 0.
PortRegisters ModbusPort() {
    RecordingMessageSink sink;
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    runtime::PortRecord port;
    port.port = 0;
    port.protocolId = 1;
    PortRegisters names;
    names.Load({port}, library, sink);
    EXPECT_TRUE(sink.Entries().empty());
    return names;
}

runtime::AddressRecord Device(uint8_t id, uint8_t format, uint32_t linear) {
    runtime::AddressRecord a;
    a.port = 0;
    a.station = 1;
    a.registerId = id;
    a.format = format;
    a.linear = linear;
    return a;
}

TEST(ModbusMapping, EveryRegisterTypeOfTheModbusProtocol) {
    const PortRegisters names = ModbusPort();
    struct Case {
        uint8_t id;
        uint8_t format;
        uint32_t linear;
        ModbusTable table;
        uint32_t offset;
        int bit;
        int read;
        int writeOne;
        int writeMany;
        const char* text;
    };
    const Case cases[] = {
        {1, 0x00, 1, ModbusTable::Coils, 0, -1, 1, 5, 15, "COM0 0X 1"},
        {2, 0x00, 17, ModbusTable::DiscreteInputs, 16, -1, 2, 0, 0, "COM0 1X 17"},
        {3, 0x22, 100, ModbusTable::InputRegisters, 99, -1, 4, 0, 0, "COM0 3X 100"},
        {4, 0x22, 40, ModbusTable::HoldingRegisters, 39, -1, 3, 6, 16, "COM0 4X 40"},
        // 4X.B 12.A: word 12, bit 10 (sub-address of four bits).
        {5, 0x20, 12 * 16 + 10, ModbusTable::HoldingRegisters, 11, 10, 3, 6, 6, "COM0 4X.B 12.A"},
        // 4X.D 7: holding registers 7 and 8.
        {6, 0x24, 7, ModbusTable::HoldingRegisters, 6, -1, 3, 6, 16, "COM0 4X.D 7"},
    };
    for (const Case& c : cases) {
        const runtime::AddressRecord address = Device(c.id, c.format, c.linear);
        const RegisterType* type = names.TypeOf(address);
        ASSERT_NE(type, nullptr) << c.text;
        ModbusTarget target;
        std::string error;
        ASSERT_TRUE(ModbusTargetOf(*type, address, target, error)) << c.text << ": " << error;
        EXPECT_EQ(target.table, c.table) << c.text;
        EXPECT_EQ(target.offset, c.offset) << c.text;
        EXPECT_EQ(target.bit, c.bit) << c.text;
        EXPECT_EQ(target.ReadFunction(), c.read) << c.text;
        EXPECT_EQ(target.WriteFunction(1), c.writeOne) << c.text;
        EXPECT_EQ(target.WriteFunction(2), c.writeMany) << c.text;
        EXPECT_EQ(target.Writable(), c.writeOne != 0) << c.text;
        EXPECT_EQ(names.Text(address), c.text);
    }
}

TEST(ModbusMapping, WhatModbusCannotReach) {
    RegisterType df1;
    df1.name = "N7";
    ModbusTarget target;
    std::string error;
    EXPECT_FALSE(ModbusTargetOf(df1, Device(1, 0x22, 3), target, error));
    EXPECT_EQ(error, "register type N7 has no Modbus equivalent");
    RegisterType holding;
    holding.name = "4X";
    EXPECT_FALSE(ModbusTargetOf(holding, Device(4, 0x22, 0), target, error)); // register numbers start at 1
    EXPECT_NE(error.find("outside the Modbus registers"), std::string::npos);

    // Unknown to the port's protocol, or no protocol at all: the text still
    // names the register.
    const PortRegisters names = ModbusPort();
    EXPECT_EQ(names.TypeOf(Device(99, 0x22, 5)), nullptr);
    EXPECT_EQ(names.Text(Device(99, 0x22, 5)), "COM0 register 99 5");
    runtime::AddressRecord otherPort = Device(4, 0x22, 5);
    otherPort.port = 2;
    EXPECT_EQ(names.TypeOf(otherPort), nullptr);
    runtime::AddressRecord local;
    ASSERT_TRUE(runtime::AddressRecord::FromText("RW300", local));
    EXPECT_EQ(names.Text(local), "RW300");
}

TEST(SimulatorCommandLines, KeyNamesAndEndpoints) {
    EXPECT_EQ(KeyCodeOf("F1"), 1);
    EXPECT_EQ(KeyCodeOf("f12"), 12);
    EXPECT_EQ(KeyCodeOf("F15"), 15);
    EXPECT_EQ(KeyCodeOf("F16"), -1);
    EXPECT_EQ(KeyCodeOf("UP"), 16);
    EXPECT_EQ(KeyCodeOf("right"), 19);
    EXPECT_EQ(KeyCodeOf("Enter"), 20);
    EXPECT_EQ(KeyCodeOf("ESC"), 21);
    EXPECT_EQ(KeyCodeOf("0"), 48);
    EXPECT_EQ(KeyCodeOf("9"), 57);
    EXPECT_EQ(KeyCodeOf("KEY30"), 30);
    EXPECT_EQ(KeyCodeOf("KEY0"), -1);
    EXPECT_EQ(KeyCodeOf("10"), -1);
    EXPECT_EQ(KeyCodeOf(""), -1);

    LinkEndpoint endpoint;
    ASSERT_TRUE(LinkEndpoint::ParseTcp("plc.local:1502", endpoint));
    EXPECT_EQ(endpoint.host, "plc.local");
    EXPECT_EQ(endpoint.tcpPort, 1502);
    ASSERT_TRUE(LinkEndpoint::ParseTcp("10.0.0.9", endpoint));
    EXPECT_EQ(endpoint.tcpPort, 502);
    EXPECT_FALSE(LinkEndpoint::ParseTcp(":502", endpoint));
    EXPECT_FALSE(LinkEndpoint::ParseTcp("host:0", endpoint));
    EXPECT_FALSE(LinkEndpoint::ParseTcp("host:70000", endpoint));
    EXPECT_FALSE(LinkEndpoint::ParseTcp("host:50x", endpoint));
    // What the window remembers comes back as it was.
    for (const LinkEndpoint& saved : {LinkEndpoint::Serial("/dev/ttyUSB1"), endpoint}) {
        LinkEndpoint back;
        ASSERT_TRUE(LinkEndpoint::FromSaved(saved.Saved(), back)) << saved.Saved();
        EXPECT_EQ(back.Text(), saved.Text());
    }
    EXPECT_FALSE(LinkEndpoint::FromSaved("udp:1.2.3.4:5", endpoint));
}

TEST(SimulatorCommandLines, TheDesignersCommandLinesAndTheHeadlessForms) {
    SimulatorOptions options;
    std::string error;
    // As the designer starts them.
    ASSERT_TRUE(SimulatorOptions::ParseVirur({"1", "/p/plant.bin~", "0", "TP-128.bmp"}, options, error))
        << error;
    EXPECT_EQ(options.mode, SimulatorOptions::Mode::Window);
    EXPECT_EQ(options.modelId, 1);
    EXPECT_EQ(options.image, "/p/plant.bin~");
    EXPECT_FALSE(options.encoder);
    EXPECT_EQ(options.picture, "TP-128.bmp");
    ASSERT_TRUE(SimulatorOptions::ParseMirloSpy({"-o", "-f", "/p/plant.bin~"}, options, error)) << error;
    EXPECT_EQ(options.mode, SimulatorOptions::Mode::Window);
    EXPECT_TRUE(options.online);

    ASSERT_TRUE(SimulatorOptions::ParseVirur(
        {"--render", "out", "img", "--set", "LW1=2", "--press", "F1", "--set", "LW2=3"}, options, error));
    ASSERT_EQ(options.actions.size(), 3u);
    EXPECT_EQ(options.actions[1].kind, PanelAction::Kind::Press);
    EXPECT_EQ(options.actions[2].text, "LW2=3");

    ASSERT_TRUE(SimulatorOptions::ParseMirloSpy(
        {"--poll-once", "img", "--serial", "/dev/ttyS1", "--render", "o"}, options, error));
    EXPECT_EQ(options.endpoint.kind, LinkEndpoint::Kind::Serial);
    EXPECT_EQ(options.renderDir, "o");

    const std::vector<std::vector<std::string>> badVirur = {{},
                                                            {"1", "img", "2", "p.bmp"},
                                                            {"x", "img", "0", "p.bmp"},
                                                            {"--render", "out"},
                                                            {"--render", "o", "i", "--set"}};
    for (const auto& args : badVirur) {
        EXPECT_FALSE(SimulatorOptions::ParseVirur(args, options, error)) << args.size();
    }
    const std::vector<std::vector<std::string>> badSpy = {
        {"-o", "img"},
        {"--poll-once", "img"},
        {"--poll-once", "img", "--tcp", "h:1", "--serial", "/dev/x"},
        {"--poll-once", "img", "--tcp", "h:bad"},
        {"--poll-once", "img", "--tcp"}};
    for (const auto& args : badSpy) {
        EXPECT_FALSE(SimulatorOptions::ParseMirloSpy(args, options, error)) << args.size();
    }
}

} // namespace
