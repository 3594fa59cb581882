#include <gtest/gtest.h>

#include <fstream>

#include "base/MessageSink.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolDescription.h"
#include "plc/ProtocolLibrary.h"
#include "plc/PlcTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string Protocol(int id, const std::string& name, const std::string& body = {}) {
    return "<PLC ID=\"" + std::to_string(id) + "\" PLCName=\"" + name + "\">" + body + "</PLC>";
}

TEST(ProtocolDescription, ReadsEveryField) {
    ProtocolDescription description;
    RecordingMessageSink sink;
    ASSERT_TRUE(description.LoadXml(test::kSampleProtocolXml, "sample.CFG", sink));
    EXPECT_TRUE(sink.Entries().empty());
    EXPECT_EQ(description.id, 7);
    EXPECT_EQ(description.plcName, "Sample Master");
    EXPECT_EQ(description.supportedModels, (std::vector<std::string>{"Model A", "Model B"}));
    EXPECT_EQ(description.stationMax, 247);
    EXPECT_EQ(description.stationMin, 1);
    EXPECT_EQ(description.stationDefault, 3);
    EXPECT_EQ(description.isSlave, 1);  // "slave" in lower case
    EXPECT_EQ(description.defaultSerialType, 1);  // "rs485-2"
    EXPECT_EQ(description.defaultBaud, 4);
    EXPECT_EQ(description.defaultDataBits, 1);
    EXPECT_EQ(description.defaultParity, 2);
    EXPECT_EQ(description.defaultStopBits, 0);
    EXPECT_EQ(description.commTimeout, 500);
    EXPECT_EQ(description.protocolTimeout1, 3);
    EXPECT_EQ(description.protocolTimeout2, 5);
    EXPECT_EQ(description.maxWordsPerPacket, 64);
    EXPECT_EQ(description.maxBitsPerPacket, 256);
    EXPECT_EQ(description.wordGap, 8);
    EXPECT_EQ(description.bitGap, 16);
    EXPECT_EQ(description.commInterval, 10);

    EXPECT_EQ(description.RegisterNames(true), (std::vector<std::string>{"0X", "4X.B", "NB"}));
    // Word types, then double words.
    EXPECT_EQ(description.RegisterNames(false), (std::vector<std::string>{"4X", "3X", "N", "4D"}));

    const RegisterType* dword = description.FindRegisterType(false, "4D");
    ASSERT_NE(dword, nullptr);
    EXPECT_EQ(dword->width, WIDTH_DWORD);  // "dword" in lower case
    const RegisterType* noSub = description.FindRegisterType(false, "3X");
    ASSERT_NE(noSub, nullptr);
    EXPECT_FALSE(noSub->hasSub);  // slave type "none"
    const RegisterType* bitInWord = description.FindRegisterType(true, "4X.B");
    ASSERT_NE(bitInWord, nullptr);
    EXPECT_TRUE(bitInWord->hasSub);
    EXPECT_EQ(bitInWord->subLength, 4);
    EXPECT_EQ(bitInWord->subMin, 0);
    EXPECT_EQ(bitInWord->subMax, 15);
    EXPECT_EQ(bitInWord->subBase, BASE_HEX);
    EXPECT_EQ(bitInWord->unit, UNIT_WORD);
    EXPECT_TRUE(bitInWord->bigEndian);
    const RegisterType* indexed = description.FindRegisterType(false, "N");
    ASSERT_NE(indexed, nullptr);
    EXPECT_TRUE(indexed->hasIndex);
    EXPECT_EQ(indexed->indexMax, 255);
    EXPECT_EQ(indexed->indexBase, BASE_DEC);
    // Bit names are not found among words and the other way round.
    EXPECT_EQ(description.FindRegisterType(false, "0X"), nullptr);
    EXPECT_EQ(description.FindRegisterType(true, "4X"), nullptr);
}

TEST(ProtocolDescription, DefaultsAndUnknownKeywords) {
    ProtocolDescription description;
    RecordingMessageSink sink;
    const std::string xml = Protocol(5, "Odd",
                                     "<SerialPort><DefaultParam><Type>RS999</Type><Baud>300</Baud>"
                                     "<ByteSize>9</ByteSize><StopBits>3</StopBits></DefaultParam></SerialPort>"
                                     "<REG_ADDRs>"
                                     "<REG_ADDR ID='1' Name='A' AddressWidth='QWORD'><Mask><Master Type='BIN' "
                                     "Mode='NIBBLE'/><Slave Type='HEX' Length='99'/></Mask></REG_ADDR>"
                                     "<REG_ADDR ID='2' Name='A' AddressWidth='BIT'/>"
                                     "<REG_ADDR ID='3' Name='W' AddressWidth='WORD' SubIndexType='dec'/>"
                                     "</REG_ADDRs>");
    ASSERT_TRUE(description.LoadXml(xml, "odd.CFG", sink));
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{
                                "TransSerialType Error: RS999", "TransBaudRate Error: 300", "TransDataBit Error: 9",
                                "TransStopBit Error: 3", "TransAddressWidth Error: QWORD", "TransDataMode Error: BIN",
                                "TransAddressMode Error: NIBBLE"}));
    EXPECT_EQ(description.defaultSerialType, 0);
    EXPECT_EQ(description.isSlave, 0);  // no "Droit"
    EXPECT_TRUE(description.supportedModels.empty());
    // Both "A" records are kept; the index finds the later one.
    ASSERT_EQ(description.BitTypes().size(), 2u);
    EXPECT_EQ(description.FindRegisterType(true, "A")->id, 2);
    // A sub-address length beyond 32 bits is held at 32.
    EXPECT_EQ(description.BitTypes()[0].subLength, 32);
    EXPECT_EQ(description.BitTypes()[0].subMax, 0xFFFFFFFFll);
    // No "Mask": address base and unit 0, no sub-address.
    EXPECT_FALSE(description.BitTypes()[1].hasSub);
    EXPECT_EQ(description.FindRegisterType(false, "W")->indexBase, BASE_DEC);

    // A failed load leaves the description as it was.
    EXPECT_FALSE(description.LoadXml("<PLC ID='9'", "broken.CFG", sink));
    EXPECT_EQ(sink.Texts().back(), "Error Load XML: broken.CFG");
    EXPECT_EQ(description.id, 5);
    EXPECT_TRUE(description.HasRegisterTypes());
}

TEST(ProtocolLibrary, ShippedLibrary) {
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    RecordingMessageSink sink;
    library.EnsureLoaded(sink);
    EXPECT_TRUE(sink.Entries().empty()) << sink.Texts().front();
    std::vector<std::string> manufacturers;
    library.ManufacturerNames(manufacturers);
    ASSERT_GE(manufacturers.size(), 2u);
    int m = -1;
    int p = -1;
    ASSERT_TRUE(library.FindProtocol(1, m, p));
    EXPECT_EQ(library.Manufacturers()[static_cast<size_t>(m)].protocols[static_cast<size_t>(p)].name,
              "Modbus RTU Master");
    // Every shipped protocol loads cleanly and has both driver files.
    for (size_t mi = 0; mi < library.Manufacturers().size(); ++mi) {
        for (size_t pi = 0; pi < library.Manufacturers()[mi].protocols.size(); ++pi) {
            ProtocolDescription description;
            EXPECT_TRUE(description.Load(library.ProtocolPath(static_cast<int>(mi), static_cast<int>(pi)), sink));
            EXPECT_TRUE(description.HasRegisterTypes());
            for (int port : {0, 1}) {
                const fs::path driver = library.DriverPath(static_cast<int>(mi), static_cast<int>(pi), port);
                EXPECT_TRUE(fs::exists(driver)) << driver;
            }
        }
    }
    EXPECT_TRUE(sink.Entries().empty());
}

TEST(ProtocolLibrary, IndexEdgeCases) {
    test::TempFolder folder;
    const fs::path plc = folder.Path() / "plc";
    WriteText(plc / "index.CFG", "<index>"
                                 "<manufacturer discription='A' dir='a'/>"
                                 "<manufacturer discription='B' dir='b'/>"
                                 "<manufacturer discription='B again' dir='b'/>"
                                 "<manufacturer discription='Empty' dir='empty'/>"
                                 "<manufacturer discription='Outside' dir='../outside'/>"
                                 "</index>");
    WriteText(plc / "a" / "x.CFG", Protocol(30, "Thirty"));
    WriteText(plc / "a" / "y.cfg", Protocol(10, "Ten"));
    WriteText(plc / "a" / "z.CFG", Protocol(20, "Twenty (a)"));
    WriteText(plc / "a" / "notes.txt", "not a protocol");
    WriteText(plc / "a" / "broken.CFG", "<PLC");
    WriteText(plc / "b" / "z.CFG", Protocol(20, "Twenty (b)"));
    fs::create_directories(plc / "empty");
    WriteText(folder.Path() / "outside" / "o.CFG", Protocol(99, "Outside"));

    ProtocolLibrary library(plc);
    RecordingMessageSink sink;
    library.EnsureLoaded(sink);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Error Load XML: " + (plc / "a" / "broken.CFG").string()});
    ASSERT_EQ(library.Manufacturers().size(), 5u);
    std::vector<std::string> names;
    library.ProtocolNames(0, names);
    EXPECT_EQ(names, (std::vector<std::string>{"Ten", "Twenty (a)", "Thirty"}));
    names.clear();
    library.ProtocolNames(2, names);
    EXPECT_EQ(names, std::vector<std::string>{"Twenty (b)"});  // the same folder listed twice
    EXPECT_TRUE(library.Manufacturers()[3].protocols.empty());
    EXPECT_TRUE(library.Manufacturers()[4].protocols.empty());

    // ID 20 in two files (three entries): the list finds the first, loading
    // takes the file found last.
    int m = -1;
    int p = -1;
    ASSERT_TRUE(library.FindProtocol(20, m, p));
    EXPECT_EQ(m, 0);
    EXPECT_EQ(p, 1);
    ProtocolDescription description;
    ASSERT_TRUE(library.LoadPortProtocol(description, 20, sink));
    EXPECT_EQ(description.plcName, "Twenty (b)");
    EXPECT_FALSE(library.LoadPortProtocol(description, 99, sink));
    EXPECT_EQ(description.plcName, "Twenty (b)");

    EXPECT_EQ(library.DriverPath(0, 0, 1), plc / "a" / "y_1.bin");
    EXPECT_EQ(library.DriverPath(0, 7, 1), fs::path());
    EXPECT_EQ(library.ProtocolPath(-1, 0), fs::path());

    // Loaded once: a second call reads nothing again.
    library.EnsureLoaded(sink);
    EXPECT_EQ(sink.Entries().size(), 1u);
}

TEST(ProtocolLibrary, MissingIndexLeavesTheLibraryEmpty) {
    test::TempFolder folder;
    ProtocolLibrary library(folder.Path() / "plc");
    RecordingMessageSink sink;
    library.EnsureLoaded(sink);
    EXPECT_TRUE(library.Manufacturers().empty());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Error Load XML: " + (folder.Path() / "plc" / "index.CFG").string()});
}

TEST(PortProtocols, ReloadKeepsPortsWithUnknownIds) {
    test::TempFolder folder;
    const fs::path plc = folder.Path() / "plc";
    WriteText(plc / "index.CFG", "<index><manufacturer discription='A' dir='a'/></index>");
    WriteText(plc / "a" / "one.CFG", Protocol(1, "One"));
    WriteText(plc / "a" / "two.CFG", Protocol(2, "Two"));
    ProtocolLibrary library(plc);
    RecordingMessageSink sink;
    library.EnsureLoaded(sink);

    PortProtocols protocols;
    protocols.Reload({1, 2, 0, 0}, library, sink);
    EXPECT_EQ(protocols.PortProtocol(0)->plcName, "One");
    EXPECT_EQ(protocols.PortProtocol(1)->plcName, "Two");
    EXPECT_EQ(protocols.PortProtocol(2)->plcName, "");
    protocols.Reload({2, 77, 0, 0}, library, sink);
    EXPECT_EQ(protocols.PortProtocol(0)->plcName, "Two");
    EXPECT_EQ(protocols.PortProtocol(1)->plcName, "Two");
    EXPECT_EQ(protocols.PortProtocol(4), nullptr);
    EXPECT_EQ(protocols.PortProtocol(-1), nullptr);
}

} // namespace
} // namespace balsar
