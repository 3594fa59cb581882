// The project-wide port operations: the communication settings change
// with its confirmation and address reset, and the exchange of two ports.
#include <gtest/gtest.h>

#include <fstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "elements/CRegisterGE.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "project/PortSettingsChange.h"
#include "support/TestSupport.h"

namespace balsar {

// An element with two addresses that forwards the address operations.
class TwoAddressElement : public CGraphElement {
    BALSAR_DECLARE_CLASS(TwoAddressElement)
public:
    TwoAddressElement() : CGraphElement(1) {}
    void ResetAddress() override {
        first.ResetIfPortChanged();
        second.ResetIfPortChanged();
    }
    void SwapPorts(int32_t a, int32_t b) override {
        first.SwapPorts(a, b);
        second.SwapPorts(a, b);
    }
    CAddr first{WIDTH_BIT};
    CAddr second{WIDTH_WORD};
};
BALSAR_IMPLEMENT_CLASS(TwoAddressElement, 0, &CGraphElement::StaticClass())

// An element that moves its address with the ports but has no reset.
class SwapOnlyElement : public CGraphElement {
    BALSAR_DECLARE_CLASS(SwapOnlyElement)
public:
    SwapOnlyElement() : CGraphElement(1) {}
    void SwapPorts(int32_t a, int32_t b) override { address.SwapPorts(a, b); }
    CAddr address{WIDTH_WORD};
};
BALSAR_IMPLEMENT_CLASS(SwapOnlyElement, 0, &CGraphElement::StaticClass())

namespace {

namespace fs = std::filesystem;

CAddr On(int32_t port, int32_t width, const char* type, int32_t address) {
    CAddr a(width);
    a.Reset(width, port, port == PORT_LOCAL ? 0 : 2);
    a.regType = type;
    a.address = address;
    return a;
}

struct PortChangeFixture {
    PortChangeFixture() : session(sink, prompt, SessionParts{.plcFolder = folder.Path() / "plc"}) {
        const fs::path plc = folder.Path() / "plc";
        fs::create_directories(plc / "m");
        std::ofstream(plc / "index.CFG") << "<index><manufacturer discription='M' dir='m'/></index>";
        std::ofstream(plc / "m" / "one.CFG")
            << "<PLC ID='1' PLCName='One'><REG_ADDRs><REG_ADDR ID='4' Name='4X' AddressWidth='WORD'/>"
               "<REG_ADDR ID='1' Name='0X' AddressWidth='BIT'/></REG_ADDRs></PLC>";
        std::ofstream(plc / "m" / "two.CFG") << "<PLC ID='2' PLCName='Two'/>";

        auto project = std::make_unique<CMirloProject>();
        for (int i = 0; i < 2; ++i) {
            CPortCom& port = *project->GetPort(i);
            port.enabled = 1;
            port.protocolId = 1;
            port.baud = 3 + i;
        }
        project->settings.controlAddress = On(1, WIDTH_WORD, "4X", 10);
        EventItem event;
        event.address = On(1, WIDTH_BIT, "0X", 11);
        project->eventList.items.push_back(event);
        event.address = On(0, WIDTH_BIT, "0X", 12);
        project->eventList.items.push_back(event);
        DataTransferItem transfer;
        transfer.sourceAddress = On(1, WIDTH_WORD, "4X", 13);
        transfer.destinationAddress = On(0, WIDTH_WORD, "4X", 14);
        transfer.triggerAddress = On(PORT_LOCAL, WIDTH_BIT, "LW.B", 15);
        project->dataTransfers.items.push_back(transfer);

        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(1);
        auto reg = std::make_unique<CRegisterGE>();
        reg->Address() = On(1, WIDTH_WORD, "4X", 16);
        registerElement = reg.get();
        screen->AddElement(std::move(reg));
        auto two = std::make_unique<TwoAddressElement>();
        two->first = On(0, WIDTH_BIT, "0X", 17);
        two->second = On(1, WIDTH_WORD, "4X", 18);
        twoElement = two.get();
        screen->AddElement(std::move(two));
        auto swapOnly = std::make_unique<SwapOnlyElement>();
        swapOnly->address = On(1, WIDTH_WORD, "4X", 19);
        swapOnlyElement = swapOnly.get();
        screen->AddElement(std::move(swapOnly));
        project->AddScreen(std::move(screen));
        doc.SetProject(std::move(project));
        doc.SetModifiedFlag(false);
    }
    CMirloProject& Project() { return *doc.Project(); }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session;
    CMirloDoc doc{session, CoreClassRegistry()};
    const PortProtocols& protocols = session.PortDescriptions();
    CRegisterGE* registerElement = nullptr;
    TwoAddressElement* twoElement = nullptr;
    SwapOnlyElement* swapOnlyElement = nullptr;
};

TEST(PortChange, WhichPortsCountAsChanged) {
    PortSnapshot before;
    before.enabled = {1, 1, 0, 0};
    before.protocolId = {1, 1, 5, 0};
    PortSnapshot after = before;
    EXPECT_EQ(ChangedPorts(before, after), (std::array<bool, 4>{}));
    // A new protocol on an enabled port.
    after.protocolId[0] = 2;
    EXPECT_EQ(ChangedPorts(before, after), (std::array<bool, 4>{true, false, false, false}));
    // Disabling port 1 at the same time: port 0's new protocol still counts.
    after.enabled[1] = 0;
    EXPECT_EQ(ChangedPorts(before, after), (std::array<bool, 4>{true, true, false, false}));
    // Enabling port 2 while port 0 changes its protocol: both are flagged.
    after = before;
    after.protocolId[0] = 2;
    after.enabled[2] = 1;
    EXPECT_EQ(ChangedPorts(before, after), (std::array<bool, 4>{true, false, true, false}));
    // A protocol ID changing on a port that stays unused does not count.
    after = before;
    after.protocolId[2] = 9;
    EXPECT_EQ(ChangedPorts(before, after), (std::array<bool, 4>{}));
}

TEST(PortChange, NoKeepsEverything) {
    PortChangeFixture f;
    PortSettings settings = CurrentPortSettings(f.Project());
    settings.ports[1].protocolId = 2;
    f.prompt.Script(Answer::No);
    EXPECT_FALSE(ApplyPortSettings(f.doc, settings, f.session));
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(f.prompt.Questions()[0].text, "已更改端口的所有关联组态信息都将被复位，是否确认？");
    EXPECT_EQ(f.prompt.Questions()[0].caption, "确定");
    EXPECT_EQ(f.Project().GetPort(1)->protocolId, 1);
    EXPECT_EQ(f.Project().settings.controlAddress.port, 1);
    EXPECT_FALSE(f.doc.IsModified());
}

TEST(PortChange, YesResetsExactlyTheAddressesOnChangedPorts) {
    PortChangeFixture f;
    PortSettings settings = CurrentPortSettings(f.Project());
    settings.ports[1].protocolId = 2;
    settings.ports[1].baud = 7;
    settings.ports[1].port = 2;  // a port index from the dialog is not taken
    f.prompt.Script(Answer::Yes);
    ASSERT_TRUE(ApplyPortSettings(f.doc, settings, f.session));
    CMirloProject& project = f.Project();
    EXPECT_EQ(project.GetPort(1)->protocolId, 2);
    EXPECT_EQ(project.GetPort(1)->baud, 7);
    EXPECT_EQ(project.GetPort(1)->port, 1);
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(f.protocols.PortProtocol(0)->plcName, "One");
    EXPECT_EQ(f.protocols.PortProtocol(1)->plcName, "Two");

    // Port 1 addresses: LOCAL defaults of their width.
    EXPECT_EQ(project.settings.controlAddress, CAddr(WIDTH_WORD));
    EXPECT_EQ(project.eventList.items[0].address, CAddr(WIDTH_BIT));
    EXPECT_EQ(project.dataTransfers.items[0].sourceAddress, CAddr(WIDTH_WORD));
    EXPECT_EQ(f.registerElement->Address(), CAddr(WIDTH_WORD));
    EXPECT_EQ(f.twoElement->second, CAddr(WIDTH_WORD));
    // Port 0 and LOCAL addresses are untouched.
    EXPECT_EQ(project.eventList.items[1].address, On(0, WIDTH_BIT, "0X", 12));
    EXPECT_EQ(project.dataTransfers.items[0].destinationAddress, On(0, WIDTH_WORD, "4X", 14));
    EXPECT_EQ(project.dataTransfers.items[0].triggerAddress, On(PORT_LOCAL, WIDTH_BIT, "LW.B", 15));
    EXPECT_EQ(f.twoElement->first, On(0, WIDTH_BIT, "0X", 17));
    // An owner without a reset keeps its address on its own port.
    EXPECT_EQ(f.swapOnlyElement->address, On(1, WIDTH_WORD, "4X", 19));
}

TEST(PortChange, UnchangedPortsApplyWithoutAsking) {
    PortChangeFixture f;
    PortSettings settings = CurrentPortSettings(f.Project());
    settings.ports[0].baud = 8;
    ASSERT_TRUE(ApplyPortSettings(f.doc, settings, f.session));
    EXPECT_TRUE(f.prompt.Questions().empty());
    EXPECT_EQ(f.Project().GetPort(0)->baud, 8);
    EXPECT_EQ(f.Project().settings.controlAddress, On(1, WIDTH_WORD, "4X", 10));
    EXPECT_EQ(f.protocols.PortProtocol(1)->plcName, "One");
    EXPECT_TRUE(f.doc.IsModified());
}

TEST(PortChange, DisablingAPortResetsItsAddresses) {
    PortChangeFixture f;
    PortSettings settings = CurrentPortSettings(f.Project());
    settings.ports[0].enabled = 0;
    settings.ports[1].protocolId = 2;  // flagged too, though an enabled flag changed
    f.prompt.Script(Answer::Yes);
    ASSERT_TRUE(ApplyPortSettings(f.doc, settings, f.session));
    EXPECT_EQ(f.Project().eventList.items[1].address, CAddr(WIDTH_BIT));
    EXPECT_EQ(f.twoElement->first, CAddr(WIDTH_BIT));
    // Port 1's new protocol may lack register 4X: its addresses are reset.
    EXPECT_EQ(f.Project().settings.controlAddress, CAddr(WIDTH_WORD));
    EXPECT_EQ(f.registerElement->Address(), CAddr(WIDTH_WORD));
}

TEST(PortSwap, MovesEveryAddressAndExchangesThePorts) {
    PortChangeFixture f;
    CMirloProject& project = f.Project();
    project.GetPort(1)->enabled = 0;
    project.GetPort(1)->protocolId = 2;
    f.session.ReloadPortProtocols(project);
    ASSERT_EQ(f.protocols.PortProtocol(1)->plcName, "Two");
    ASSERT_TRUE(SwapOpenProjectPorts(f.doc, 0, 1, f.session));
    EXPECT_EQ(project.settings.controlAddress.port, 0);
    EXPECT_EQ(project.eventList.items[0].address.port, 0);
    EXPECT_EQ(project.eventList.items[1].address.port, 1);
    EXPECT_EQ(project.dataTransfers.items[0].sourceAddress.port, 0);
    EXPECT_EQ(project.dataTransfers.items[0].destinationAddress.port, 1);
    EXPECT_EQ(project.dataTransfers.items[0].triggerAddress.port, PORT_LOCAL);
    EXPECT_EQ(f.registerElement->Address().port, 0);
    EXPECT_EQ(f.twoElement->first.port, 1);
    EXPECT_EQ(f.twoElement->second.port, 0);
    // Port 1 now has port 0's former settings and keeps its index.
    EXPECT_EQ(project.GetPort(1)->enabled, 1);
    EXPECT_EQ(project.GetPort(1)->baud, 3);
    EXPECT_EQ(project.GetPort(1)->port, 1);
    EXPECT_EQ(project.GetPort(0)->enabled, 0);
    EXPECT_EQ(project.GetPort(0)->port, 0);
    EXPECT_TRUE(f.doc.IsModified());
    // The protocols follow the ports' IDs: port 1 now has ID 1.
    EXPECT_EQ(f.protocols.PortProtocol(1)->plcName, "One");
}

TEST(PortSwap, SamePortAndCanPortAreRefusedOrIgnored) {
    PortChangeFixture f;
    ASSERT_TRUE(SwapOpenProjectPorts(f.doc, 1, 1, f.session));
    EXPECT_EQ(f.Project().settings.controlAddress.port, 1);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_FALSE(SwapOpenProjectPorts(f.doc, 0, 3, f.session));
    EXPECT_TRUE(f.sink.Contains("Only can switch COM0~2"));
    EXPECT_EQ(f.Project().eventList.items[1].address.port, 0);
}

} // namespace
} // namespace balsar
