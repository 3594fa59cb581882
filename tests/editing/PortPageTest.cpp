// The port page without its window: the lists it offers, the defaults a
// chosen device brings, "恢复默认", opening a stored port and storing the page.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "editing/PortPage.h"
#include "plc/CPortCom.h"
#include "plc/ProtocolLibrary.h"

namespace balsar {
namespace {

// The shipped library: manufacturer 1 "Modbus" with the RTU master (ID 1,
// slave, RS485-2 9600 8 N 1, timeout 500) first.
struct Library {
    Library() : library(ProtocolLibrary::ForProgram()) { library.EnsureLoaded(sink); }
    RecordingMessageSink sink;
    ProtocolLibrary library;
};

TEST(PortPage, ChoosingADeviceAppliesItsDefaults) {
    Library lib;
    PortPage page(lib.library, SerialOptions{true, true, false});
    const std::vector<std::string> manufacturers = page.ManufacturerChoices();
    ASSERT_GE(manufacturers.size(), 3u);
    EXPECT_EQ(manufacturers[0], "(未使用)");
    EXPECT_EQ(page.SerialTypeChoices(), (std::vector<std::string>{"RS232", "RS485"}));
    EXPECT_EQ(PortPage::ParityChoices(), (std::vector<std::string>{"无校验", "奇校验", "偶校验"}));
    EXPECT_EQ(PortPage::BaudChoices().back(), "187500");

    page.ChooseManufacturer(1, lib.sink);
    ASSERT_TRUE(page.Used());
    EXPECT_EQ(page.Device(), 0);
    EXPECT_EQ(page.Devices().front(), "Modbus RTU Master");
    EXPECT_EQ(page.serialTypeText, "RS485");
    EXPECT_EQ(page.baud, 3);
    EXPECT_EQ(page.dataBits, 1);
    EXPECT_EQ(page.parity, 0);
    EXPECT_EQ(page.stopBits, 0);
    EXPECT_TRUE(page.StationEnabled());
    EXPECT_EQ(page.advanced.commTimeout, 500);
    EXPECT_EQ(page.advanced.retries, 10);
    EXPECT_EQ(page.advanced.retryAfterLimit, 1);
    EXPECT_EQ(page.CompatibleModelLines()[0], "Any Modbus RTU slave");
    EXPECT_EQ(page.CompatibleModelLines()[6], "");

    // Edit, restore the line defaults: the advanced values stay.
    page.baud = 7;
    page.parity = 2;
    page.advanced.retries = 3;
    page.SetStationText("");
    page.RestoreDefaults();
    EXPECT_EQ(page.baud, 3);
    EXPECT_EQ(page.parity, 0);
    EXPECT_EQ(page.advanced.retries, 3);

    page.SetStationText("");
    page.StationFocusLost();
    CPortCom port(1);
    page.SetStationText("17");
    page.Store(port, lib.sink);
    EXPECT_EQ(port.enabled, 1);
    EXPECT_EQ(port.port, 1);
    EXPECT_EQ(port.protocolId, 1);
    EXPECT_EQ(port.serialType, 1);
    EXPECT_EQ(port.hasStation, 1);
    EXPECT_EQ(port.station, 17);
    EXPECT_EQ(port.retries, 3);
    EXPECT_EQ(port.commTimeout, 500);
    EXPECT_TRUE(lib.sink.Entries().empty());
}

TEST(PortPage, DefaultSerialTypeThePortLacks) {
    Library lib;
    // The RTU master defaults to RS485; a port with RS232 only offers that.
    PortPage page(lib.library, SerialOptions{true, false, false});
    page.ChooseManufacturer(1, lib.sink);
    EXPECT_EQ(page.serialTypeText, "RS232");
}

TEST(PortPage, OpenShowsTheStoredPortOrNotUsed) {
    Library lib;
    PortPage page(lib.library, SerialOptions{});
    CPortCom stored(0);
    stored.enabled = 1;
    stored.protocolId = 30;
    stored.serialType = 2;
    stored.baud = 5;
    stored.station = 9;
    stored.retries = 4;
    page.Open(stored, lib.sink);
    ASSERT_TRUE(page.Used());
    EXPECT_EQ(page.Devices()[static_cast<size_t>(page.Device())], "DF1 Full Duplex");
    EXPECT_EQ(page.serialTypeText, "RS422");
    EXPECT_EQ(page.baud, 5);
    EXPECT_FALSE(page.StationEnabled());
    CPortCom again(0);
    page.Store(again, lib.sink);
    EXPECT_EQ(again.protocolId, 30);
    EXPECT_EQ(again.serialType, 2);
    EXPECT_EQ(again.retries, 4);
    EXPECT_EQ(again.hasStation, 0);
    EXPECT_EQ(again.station, 1);  // no station: the field is not stored

    // Every advanced value of the stored port comes back unchanged.
    stored.Advanced() = {.commTimeout = 700,
                         .protocolTimeout1 = 21,
                         .protocolTimeout2 = 22,
                         .maxWordsPerPacket = 40,
                         .maxBitsPerPacket = 300,
                         .wordGap = 5,
                         .bitGap = 9,
                         .commInterval = 30,
                         .errorShowTime = 4,
                         .retries = 2,
                         .retryAfterLimit = 0};
    page.Open(stored, lib.sink);
    EXPECT_EQ(page.advanced, stored.Advanced());
    CPortCom third(2);
    page.Store(third, lib.sink);
    EXPECT_EQ(third.Advanced(), stored.Advanced());

    stored.protocolId = 4242;
    page.Open(stored, lib.sink);
    EXPECT_FALSE(page.Used());
    page.Store(again, lib.sink);
    EXPECT_EQ(again.enabled, 0);
}

// The manufacturer list shows the chosen manufacturer, not the entry above
// it; a station outside the protocol's range is named and pulled into it.
TEST(PortPage, ManufacturerChoiceAndStationRange) {
    Library lib;
    PortPage page(lib.library, SerialOptions{});
    const std::vector<std::string> manufacturers = page.ManufacturerChoices();
    EXPECT_EQ(page.ManufacturerChoice(), 0);
    page.ChooseManufacturer(1, lib.sink);
    EXPECT_EQ(page.ManufacturerChoice(), 1);
    EXPECT_EQ(manufacturers[static_cast<size_t>(page.ManufacturerChoice())], "Modbus");
    CPortCom stored(0);
    stored.enabled = 1;
    stored.protocolId = 30;
    page.Open(stored, lib.sink);
    EXPECT_EQ(manufacturers[static_cast<size_t>(page.ManufacturerChoice())], "DF1 (file-based registers)");

    page.ChooseManufacturer(1, lib.sink); // Modbus RTU master: stations 1 to 247
    ASSERT_TRUE(page.StationEnabled());
    page.SetStationText("17");
    EXPECT_TRUE(page.CheckStation(lib.sink));
    EXPECT_TRUE(lib.sink.Texts().empty());
    page.SetStationText("0");
    EXPECT_FALSE(page.CheckStation(lib.sink));
    EXPECT_EQ(page.StationText(), "1");
    page.SetStationText("300");
    EXPECT_FALSE(page.CheckStation(lib.sink));
    EXPECT_EQ(page.StationText(), "247");
    EXPECT_EQ(lib.sink.Texts(), (std::vector<std::string>(2, "输入越界,可输入范围 ( 1-247 )")));
    // A port not used checks nothing.
    page.ChooseManufacturer(0, lib.sink);
    page.SetStationText("300");
    EXPECT_TRUE(page.CheckStation(lib.sink));
}

TEST(PortPage, PcSerialPortChoice) {
    EXPECT_EQ(PcComPortChoices().size(), 9u);
    EXPECT_EQ(PcComPortChoices()[8], "com9");
    EXPECT_EQ(PcComPortChoiceIndex(3), 2);
    EXPECT_EQ(PcComPortChoiceIndex(10), 0);
    EXPECT_EQ(PcComPortChoiceIndex(0), 0);
    EXPECT_EQ(PcComPortFromChoice(2), 3);
}

} // namespace
} // namespace balsar
