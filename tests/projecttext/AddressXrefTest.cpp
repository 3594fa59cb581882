// The address cross-reference: which uses are listed, how addresses are
// told apart and named, where they lie in memory, and the three kinds of
// conflict.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "elements/CBarGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementRegistry.h"
#include "hardware/HardwareModel.h"
#include "plc/PortProtocols.h"
#include "project/CMirloProject.h"
#include "projecttext/AddressXref.h"
#include "projecttext/JsonIo.h"
#include "projecttext/XrefConflicts.h"
#include "projecttext/XrefReport.h"

using namespace balsar;

namespace {

// COM0 and COM1 speak the shipped Modbus RTU master description: "0X" bits,
// "4X.B" bits of 4X words (4-bit bit number), "4X" words, "4X.D" double
// words, all counted in words but "0X".
struct Protocols {
    Protocols() {
        const auto file = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib/plc/modbus/ModbusRtuMaster.CFG";
        for (int port : {0, 1}) {
            EXPECT_TRUE(ports.PortProtocol(port)->Load(file, sink));
        }
    }
    RecordingMessageSink sink;
    PortProtocols ports;
};

CAddr Address(int32_t port, int32_t width, const char* regType, int32_t address, int32_t sub = -1) {
    CAddr addr(width);
    addr.Reset(width, port, port < 0 ? 0 : 1);
    addr.regType = regType;
    addr.address = address;
    addr.hasSub = sub >= 0 ? 1 : 0;
    addr.sub = sub >= 0 ? sub : 0;
    if (width == WIDTH_DWORD) {
        addr.wordCount = 2;
    }
    return addr;
}

CHMIFrame& AddScreen(CMirloProject& project, uint16_t number) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    CHMIFrame& placed = *screen;
    project.AddScreen(std::move(screen));
    return placed;
}

template <class Kind> Kind& Place(CHMIFrame& screen, const CAddr& address) {
    auto element = std::make_unique<Kind>();
    element->Address() = address;
    Kind& placed = *element;
    screen.AddElement(std::move(element));
    return placed;
}

CFunckeyGE& Key(CHMIFrame& screen, int32_t function, const CAddr& address) {
    CFunckeyGE& key = Place<CFunckeyGE>(screen, address);
    key.SetKeyCode(1);
    key.SetFunction(function);
    return key;
}

std::vector<std::string> Labels(const AddressXref& xref, const XrefConflict& conflict) {
    std::vector<std::string> labels;
    for (const size_t entry : conflict.entries) {
        labels.push_back(xref.entries[entry].label);
    }
    return labels;
}

std::vector<const XrefConflict*> OfKind(const AddressXref& xref, ConflictKind kind) {
    std::vector<const XrefConflict*> found;
    for (const XrefConflict& conflict : xref.conflicts) {
        if (conflict.kind == kind) {
            found.push_back(&conflict);
        }
    }
    return found;
}

} // namespace

TEST(AddressXref, ListsTheUsesThePanelActsOn) {
    Protocols protocols;
    CMirloProject project;
    CHMIFrame& first = AddScreen(project, 1);
    CRegisterGE& reg = Place<CRegisterGE>(first, Address(0, WIDTH_WORD, "4X", 100));
    RegisterFormat format = reg.GetFormat();
    format.inputAllowed = 1;
    reg.SetFormat(format, nullptr);
    Place<CBarGE>(first, Address(0, WIDTH_WORD, "4X", 100));
    // A jump key keeps an address it never writes.
    Key(first, CFunckeyGE::FUNCTION_JUMP, Address(0, WIDTH_BIT, "0X", 7));
    Key(first, CFunckeyGE::FUNCTION_BIT, Address(0, WIDTH_BIT, "0X", 5));
    EventItem event;
    event.message = "温度";
    event.address = Address(-1, WIDTH_BIT, "LW.B", 12, 10);
    project.eventList.items.push_back(event);
    DataTransferItem timed;
    timed.timed = 1;
    timed.triggerType = 1;
    timed.triggerAddress = Address(0, WIDTH_BIT, "0X", 9);
    timed.sourceAddress = Address(0, WIDTH_WORD, "4X", 20);
    timed.destinationAddress = Address(-1, WIDTH_WORD, "RW", 100);
    timed.count = 4;
    project.dataTransfers.items.push_back(timed);
    DataTransferItem triggered = timed;
    triggered.timed = 0;
    triggered.count = 1;
    project.dataTransfers.items.push_back(triggered);
    project.settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen | GlobalSettings::kReportCurrentScreen;
    project.settings.controlAddress = Address(1, WIDTH_WORD, "4X", 300);

    const AddressXref xref = BuildAddressXref(project, &protocols.ports, nullptr);
    EXPECT_EQ(XrefText(xref), "LOCAL LW.B 12.A BIT\n"
                              "  event 1 \"温度\" (read)\n"
                              "LOCAL RW 100 WORD\n"
                              "  data transfer 1 destination (write, 4 values)\n"
                              "  data transfer 2 destination (write)\n"
                              "COM0 station 1 0X 5 BIT\n"
                              "  screen 1 FK1 address (write)\n"
                              "COM0 station 1 0X 9 BIT\n"
                              "  data transfer 2 trigger (read)\n"
                              "COM0 station 1 4X 20 WORD\n"
                              "  data transfer 1 source (read, 4 values)\n"
                              "  data transfer 2 source (read)\n"
                              "COM0 station 1 4X 100 WORD\n"
                              "  screen 1 REG0 address (read-write)\n"
                              "  screen 1 BAR0 address (read)\n"
                              "COM1 station 1 4X 300 WORD\n"
                              "  settings screen select (read)\n"
                              "COM1 station 1 4X 301 WORD\n"
                              "  settings screen report (write)\n"
                              "\n"
                              "8 addresses, 11 uses, 0 conflicts\n");
}

TEST(AddressXref, AddressesAreToldApartByEveryPartOfTheirKey) {
    CMirloProject project;
    CHMIFrame& screen = AddScreen(project, 3);
    CAddr station2 = Address(0, WIDTH_WORD, "4X", 100);
    station2.station = 2;
    CAddr indexed = Address(0, WIDTH_WORD, "4X", 100);
    indexed.hasIndex = 1;
    indexed.index = 7;
    // LOCAL addresses have no station: a stray one does not split them.
    CAddr local = Address(-1, WIDTH_WORD, "LW", 3);
    local.station = 9;
    for (const CAddr& address : {Address(0, WIDTH_WORD, "4X", 100), station2, indexed, Address(1, WIDTH_WORD, "4X", 100),
                                 Address(0, WIDTH_DWORD, "4X", 100), local, Address(-1, WIDTH_WORD, "LW", 3)}) {
        Place<CLedGE>(screen, address);
    }
    HardwareModel model;
    model.ports.push_back(HardwarePort{1, "serial", "RS485", false, true, false, false});
    const AddressXref xref = BuildAddressXref(project, nullptr, &model);
    std::vector<std::string> labels;
    for (const XrefEntry& entry : xref.entries) {
        labels.push_back(entry.label + " x" + std::to_string(entry.uses.size()));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"LOCAL LW 3 WORD x2", "COM0 station 1 4X 100 WORD x1",
                                                "COM0 station 1 4X 100 DWORD x1", "COM0 station 1 4X 100 index 7 WORD x1",
                                                "COM0 station 2 4X 100 WORD x1", "RS485 station 1 4X 100 WORD x1"}));
}

TEST(AddressXref, MemorySpans) {
    Protocols protocols;
    // LOCAL bits lie in their word: 12 * 16 + 10.
    MemorySpan bit = SpanOf(Address(-1, WIDTH_BIT, "LW.B", 12, 10), 1, &protocols.ports);
    EXPECT_EQ(bit.area, std::make_tuple(-1, 0, std::string("LW"), 0));
    EXPECT_EQ(bit.firstBit, 202);
    EXPECT_EQ(bit.bits, 1);
    // Six LOCAL words.
    CAddr words = Address(-1, WIDTH_WORD, "RW", 500);
    words.wordCount = 6;
    EXPECT_EQ(SpanOf(words, 1, &protocols.ports).bits, 96);
    // A Modbus double word counts in words; a transfer of 3 of them.
    const MemorySpan dword = SpanOf(Address(0, WIDTH_DWORD, "4X.D", 10), 3, &protocols.ports);
    EXPECT_EQ(dword.area, std::make_tuple(0, 1, std::string("4X"), 0));
    EXPECT_EQ(dword.firstBit, 160);
    EXPECT_EQ(dword.bits, 96);
    // Coils count in bits; the bit of a 4X word in its word.
    EXPECT_EQ(SpanOf(Address(0, WIDTH_BIT, "0X", 33), 1, &protocols.ports).firstBit, 33);
    EXPECT_EQ(SpanOf(Address(0, WIDTH_BIT, "4X.B", 2, 15), 1, &protocols.ports).firstBit, 47);
    // Without the port's description: words, and bits for a bit address
    // without a bit number.
    EXPECT_EQ(SpanOf(Address(2, WIDTH_WORD, "D", 4), 1, nullptr).firstBit, 64);
    EXPECT_EQ(SpanOf(Address(2, WIDTH_BIT, "M", 4), 1, nullptr).firstBit, 4);
    // Index and station keep areas apart.
    CAddr indexed = Address(0, WIDTH_WORD, "4X", 1);
    indexed.hasIndex = 1;
    indexed.index = 2;
    EXPECT_FALSE(SpanOf(indexed, 1, nullptr).Overlaps(SpanOf(Address(0, WIDTH_WORD, "4X", 1), 1, nullptr)));
}

TEST(AddressXref, WordRangesOverlappingWithDifferentWidths) {
    Protocols protocols;
    CMirloProject project;
    CHMIFrame& screen = AddScreen(project, 1);
    Place<CRegisterGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 100));
    Place<CBarGE>(screen, Address(0, WIDTH_WORD, "4X", 101));
    // Two double words from neighbouring words.
    Place<CRegisterGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 300));
    Place<CRegisterGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 301));
    // Fine: equal widths from one start, words beside a double word, other
    // stations and ports.
    Place<CRegisterGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 500));
    Place<CBarGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 500));
    Place<CBarGE>(screen, Address(0, WIDTH_WORD, "4X", 502));
    Place<CBarGE>(screen, Address(1, WIDTH_WORD, "4X", 101));
    // A transfer of four words meets a double word inside its block.
    DataTransferItem transfer;
    transfer.sourceAddress = Address(0, WIDTH_WORD, "4X", 20);
    transfer.destinationAddress = Address(-1, WIDTH_WORD, "RW", 0);
    transfer.count = 4;
    project.dataTransfers.items.push_back(transfer);
    Place<CRegisterGE>(screen, Address(0, WIDTH_DWORD, "4X.D", 22));

    const AddressXref xref = BuildAddressXref(project, &protocols.ports, nullptr);
    const auto found = OfKind(xref, ConflictKind::WidthOverlap);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(Labels(xref, *found[0]),
              (std::vector<std::string>{"COM0 station 1 4X 20 WORD", "COM0 station 1 4X.D 22 DWORD"}));
    EXPECT_EQ(Labels(xref, *found[1]),
              (std::vector<std::string>{"COM0 station 1 4X 101 WORD", "COM0 station 1 4X.D 100 DWORD"}));
    EXPECT_EQ(Labels(xref, *found[2]),
              (std::vector<std::string>{"COM0 station 1 4X.D 300 DWORD", "COM0 station 1 4X.D 301 DWORD"}));
    EXPECT_TRUE(OfKind(xref, ConflictKind::BitAsWord).empty());
    EXPECT_TRUE(OfKind(xref, ConflictKind::WrittenByKeys).empty());
}

TEST(AddressXref, RegistersWrittenByTwoFunctionKeys) {
    Protocols protocols;
    CMirloProject project;
    CHMIFrame& first = AddScreen(project, 1);
    CHMIFrame& second = AddScreen(project, 2);
    Key(first, CFunckeyGE::FUNCTION_WORD, Address(0, WIDTH_WORD, "4X", 120));
    Key(second, CFunckeyGE::FUNCTION_WORD, Address(0, WIDTH_WORD, "4X", 120));
    Key(second, CFunckeyGE::FUNCTION_BIT, Address(0, WIDTH_BIT, "0X", 4));
    // One key per register, a key and a register element, a jump key.
    Key(first, CFunckeyGE::FUNCTION_BIT, Address(0, WIDTH_BIT, "0X", 5));
    Place<CRegisterGE>(first, Address(0, WIDTH_BIT, "0X", 4));
    Key(first, CFunckeyGE::FUNCTION_JUMP, Address(0, WIDTH_BIT, "0X", 4));

    const AddressXref xref = BuildAddressXref(project, &protocols.ports, nullptr);
    const auto found = OfKind(xref, ConflictKind::WrittenByKeys);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(Labels(xref, *found[0]), (std::vector<std::string>{"COM0 station 1 4X 120 WORD"}));
    ASSERT_EQ(found[0]->uses.size(), 2u);
    EXPECT_EQ(xref.uses[found[0]->uses[0]].screen, 1);
    EXPECT_EQ(xref.uses[found[0]->uses[1]].screen, 2);
    const std::string text = XrefText(xref);
    EXPECT_NE(text.find("conflicts:\n  written by 2 function keys: COM0 station 1 4X 120 WORD\n"
                        "    COM0 station 1 4X 120 WORD: screen 1 FK0 address (write)\n"
                        "    COM0 station 1 4X 120 WORD: screen 2 FK0 address (write)\n"),
              std::string::npos)
        << text;
}

TEST(AddressXref, BitsUsedAsWords) {
    Protocols protocols;
    CMirloProject project;
    CHMIFrame& screen = AddScreen(project, 1);
    // A panel bit inside a word a register shows.
    Place<CLedGE>(screen, Address(-1, WIDTH_BIT, "LW.B", 12, 3));
    Place<CRegisterGE>(screen, Address(-1, WIDTH_WORD, "LW", 12));
    // A bit of a 4X word and the word.
    Place<CLedGE>(screen, Address(0, WIDTH_BIT, "4X.B", 50, 15));
    Place<CBarGE>(screen, Address(0, WIDTH_WORD, "4X", 50));
    // Beside, not inside: the next word's bit, the other panel area.
    Place<CLedGE>(screen, Address(-1, WIDTH_BIT, "LW.B", 13, 0));
    Place<CLedGE>(screen, Address(-1, WIDTH_BIT, "RW.B", 12, 3));

    const AddressXref xref = BuildAddressXref(project, &protocols.ports, nullptr);
    const auto found = OfKind(xref, ConflictKind::BitAsWord);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(Labels(xref, *found[0]), (std::vector<std::string>{"LOCAL LW 12 WORD", "LOCAL LW.B 12.3 BIT"}));
    EXPECT_EQ(Labels(xref, *found[1]),
              (std::vector<std::string>{"COM0 station 1 4X 50 WORD", "COM0 station 1 4X.B 50.F BIT"}));
    EXPECT_TRUE(OfKind(xref, ConflictKind::WidthOverlap).empty());
}

TEST(AddressXref, JsonFormIsStableAndComplete) {
    Protocols protocols;
    CMirloProject project;
    CHMIFrame& screen = AddScreen(project, 4);
    Key(screen, CFunckeyGE::FUNCTION_WORD, Address(0, WIDTH_DWORD, "4X.D", 8));
    Key(screen, CFunckeyGE::FUNCTION_WORD, Address(0, WIDTH_WORD, "4X", 9));
    EventItem event;
    event.message = "m";
    event.address = Address(0, WIDTH_BIT, "4X.B", 9, 2);
    project.eventList.items.push_back(event);

    const std::string text = XrefJson(BuildAddressXref(project, &protocols.ports, nullptr));
    EXPECT_EQ(text, XrefJson(BuildAddressXref(project, &protocols.ports, nullptr)));
    const Json document = Json::parse(text);
    ASSERT_EQ(document.at("addresses").size(), 3u);
    const Json& first = document.at("addresses").at(0);
    EXPECT_EQ(first.dump(), R"({"label":"COM0 station 1 4X 9 WORD","port":0,"portName":"COM0","station":1,)"
                            R"("regType":"4X","index":null,"address":9,"sub":null,"width":"WORD","valueText":"9",)"
                            R"("uses":[{"place":"element","screen":4,"element":"FK1","id":1,)"
                            R"("class":"CFunckeyGE","field":"address","access":"write","values":1}]})");
    EXPECT_EQ(document.at("addresses").at(1).at("sub"), 2);
    std::vector<std::string> kinds;
    for (const Json& conflict : document.at("conflicts")) {
        kinds.push_back(conflict.at("kind").get<std::string>());
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"width-overlap", "written-by-keys", "bit-as-word"}));
    const Json& bitUse = document.at("conflicts").at(2).at("uses").at(2);
    EXPECT_EQ(bitUse.dump(), R"({"place":"event","item":1,"message":"m","field":"address","access":"read",)"
                             R"("values":1,"address":"COM0 station 1 4X.B 9.2 BIT"})");
}

TEST(AddressXref, EveryElementClassIsKnown) {
    for (const ElementClass& kind : ElementClasses()) {
        EXPECT_TRUE(KnowsElementAddresses(kind.info->name)) << kind.info->name;
    }
}
