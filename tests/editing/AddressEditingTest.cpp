// The numeric edit's rules and the address panel.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "editing/AddressPanel.h"
#include "editing/CNumEdit.h"
#include "plc/CPortCom.h"
#include "plc/PortProtocols.h"
#include "plc/PlcTestSupport.h"

namespace balsar {
namespace {

TEST(NumEdit, KeystrokesAndTextRules) {
    EXPECT_TRUE(CNumEdit::AcceptsKey(BASE_OCT, '7'));
    EXPECT_FALSE(CNumEdit::AcceptsKey(BASE_OCT, '8'));
    EXPECT_TRUE(CNumEdit::AcceptsKey(BASE_HEX, 'f'));
    EXPECT_FALSE(CNumEdit::AcceptsKey(BASE_HEX, 'g'));
    EXPECT_FALSE(CNumEdit::AcceptsKey(BASE_DEC, '-'));
    EXPECT_TRUE(CNumEdit::AcceptsKey(BASE_DEC_SIGN, '-'));
    EXPECT_TRUE(CNumEdit::AcceptsKey(BASE_DEC, '\b'));

    RecordingMessageSink sink;
    CNumEdit dec(BASE_DEC, 0, 255);
    EXPECT_FALSE(dec.ApplyKeystrokeText("01", sink));
    EXPECT_TRUE(dec.ApplyKeystrokeText("0", sink));
    EXPECT_TRUE(dec.ApplyKeystrokeText("25", sink));
    EXPECT_FALSE(dec.ApplyKeystrokeText("256", sink));
    EXPECT_EQ(dec.Text(), "25");
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].text, "输入越界,可输入范围 ( 0-255 )");
    EXPECT_EQ(sink.Entries()[0].caption, "输入越界");

    CNumEdit oct(BASE_OCT, 0, 0777);
    EXPECT_TRUE(oct.ApplyKeystrokeText("07", sink));
    EXPECT_TRUE(oct.ApplyKeystrokeText("00", sink));
    EXPECT_FALSE(oct.ApplyKeystrokeText("007", sink));

    CNumEdit hex(BASE_HEX, 0, 0xFF);
    EXPECT_TRUE(hex.ApplyKeystrokeText("af", sink));
    EXPECT_EQ(hex.Text(), "AF");
    EXPECT_EQ(hex.Value(), 0xAF);
    EXPECT_TRUE(hex.Validate("0H", sink));
    EXPECT_FALSE(hex.Validate("0A", sink));
    EXPECT_FALSE(hex.Validate("1H2", sink));

    CNumEdit sign(BASE_DEC_SIGN, -100, 100);
    EXPECT_TRUE(sign.ApplyKeystrokeText("-5", sink));
    EXPECT_FALSE(sign.ApplyKeystrokeText("-05", sink));
    EXPECT_FALSE(sign.ApplyKeystrokeText("5-", sink));
    EXPECT_EQ(sign.Value(), -5);
    EXPECT_EQ(sink.Entries().size(), 1u);
    EXPECT_FALSE(sign.ApplyKeystrokeText("-101", sink));
    EXPECT_EQ(sink.Entries().back().text, "输入越界,可输入范围 ( -100-100 )");
}

TEST(NumEdit, ValuesAndSteps) {
    CNumEdit edit(BASE_HEX, 0x10, 0x1F);
    EXPECT_EQ(edit.Text(), "10");
    edit.SetValue(0x40);
    EXPECT_EQ(edit.Text(), "1F");
    EXPECT_FALSE(edit.Step(1));
    EXPECT_TRUE(edit.Step(-15));
    EXPECT_EQ(edit.Text(), "10");
    RecordingMessageSink sink;
    EXPECT_TRUE(edit.ApplyKeystrokeText("", sink));
    EXPECT_EQ(edit.Value(), 0x10);  // empty reads as the minimum
    CNumEdit wide(BASE_DEC_SIGN, INT64_MIN, INT64_MAX);
    wide.SetValue(INT64_MAX);
    EXPECT_FALSE(wide.Step(1));
}

struct PanelFixture {
    PanelFixture() {
        test::LoadSample(protocols, {0, 1});
        ports[0].enabled = 1;
        ports[1].enabled = 0;
        ports[2].enabled = 1;  // no register types: not offered
    }
    PortProtocols protocols;
    std::array<CPortCom, 3> ports{CPortCom(0), CPortCom(1), CPortCom(2)};
};

TEST(AddressPanel, PortChoicesAndLocalTypes) {
    PanelFixture f;
    EXPECT_EQ(AddressPortChoices({&f.ports[0], &f.ports[1], &f.ports[2]}, {"COM0", "COM1", "COM2"}, &f.protocols),
              (std::vector<PortChoice>{{0, "COM0"}, {PORT_LOCAL, "LOCAL"}}));

    CAddr address(WIDTH_BIT);
    address.address = 400;
    AddressPanel panel(address, &f.protocols);
    panel.ChoosePort(PORT_LOCAL);
    EXPECT_EQ(panel.RegisterTypeChoices(), (std::vector<std::string>{"LW.B", "RW.B"}));
    EXPECT_EQ(panel.DeviceText(), "LOCAL");
    EXPECT_FALSE(panel.StationEnabled());
    EXPECT_EQ(panel.FormatText(), "DDD.H(0.0~255.F)");
    EXPECT_EQ(address.address, 255);  // clamped into LW.B's range
    panel.ChooseRegisterType("RW.B");
    panel.SetAddress(400);
    EXPECT_EQ(address.address, 400);
    EXPECT_EQ(panel.FormatText(), "DDD.H(0.0~511.F)");
    EXPECT_FALSE(panel.EncodingEnabled());
}

TEST(AddressPanel, PlcPortTypesAndRanges) {
    PanelFixture f;
    CAddr address(WIDTH_WORD);
    AddressPanel panel(address, &f.protocols);
    panel.ChoosePort(0);
    EXPECT_EQ(address.port, 0);
    EXPECT_EQ(address.station, 3);  // the protocol's default on a new port
    EXPECT_EQ(panel.DeviceText(), "Sample Master");
    EXPECT_EQ(panel.RegisterTypeChoices(), (std::vector<std::string>{"4X", "3X", "N", "4D"}));
    EXPECT_EQ(address.regType, "4X");  // "LW" is not there: the first type
    EXPECT_EQ(address.address, 1);     // raised to the type's minimum
    EXPECT_EQ(panel.StationRange().maximum, 247);
    panel.SetStation(999);
    EXPECT_EQ(address.station, 247);
    EXPECT_TRUE(panel.WordCountEnabled());
    panel.SetWordCount(2);
    EXPECT_EQ(address.wordCount, 2);

    panel.ChooseRegisterType("4D");
    EXPECT_EQ(address.width, WIDTH_DWORD);
    EXPECT_EQ(address.wordCount, 2);
    EXPECT_FALSE(panel.WordCountEnabled());
    EXPECT_TRUE(panel.EncodingEnabled());

    panel.ChooseRegisterType("N");
    EXPECT_TRUE(panel.IndexEnabled());
    panel.SetIndex(300);
    EXPECT_EQ(address.index, 255);
    EXPECT_EQ(panel.FormatText(), "DDD(0~255)");

    // Same port again keeps the station; another port takes its default.
    panel.SetStation(9);
    panel.ChoosePort(0);
    EXPECT_EQ(address.station, 9);
    EXPECT_EQ(address.regType, "N");
    panel.ChoosePort(1);
    EXPECT_EQ(address.station, 3);
}

TEST(AddressPanel, BitInWordSubAddress) {
    PanelFixture f;
    CAddr address(WIDTH_BIT);
    AddressPanel panel(address, &f.protocols);
    panel.ChoosePort(0);
    EXPECT_EQ(address.regType, "0X");
    address.sub = 40;
    panel.ChooseRegisterType("4X.B");
    EXPECT_TRUE(panel.SubEnabled());
    EXPECT_EQ(address.sub, 15);
    EXPECT_EQ(panel.FormatText(), "DDDDD.H(1.0~65535.F)");
    panel.ChooseRegisterType("0X");
    EXPECT_FALSE(panel.SubEnabled());
    EXPECT_EQ(address.sub, 0);
}

TEST(AddressPanel, FixedValueSizes) {
    PanelFixture f;
    CAddr address(WIDTH_WORD);
    AddressPanel panel(address, &f.protocols);
    panel.ChoosePort(0);
    panel.FixDataType(2);
    EXPECT_EQ(address.wordCount, 4);
    EXPECT_FALSE(panel.WordCountEnabled());
    panel.FixDataType(0);
    EXPECT_EQ(address.wordCount, 1);
    panel.ChooseRegisterType("4D");
    EXPECT_EQ(address.wordCount, 2);  // a double-word register needs two

    CAddr text(WIDTH_WORD);
    EXPECT_EQ(WordCountForTextLength(5, text), 3);
    text.width = WIDTH_DWORD;
    EXPECT_EQ(WordCountForTextLength(5, text), 4);
    EXPECT_EQ(WordCountForTextLength(4, text), 2);
    EXPECT_EQ(WordCountForTextLength(0, text), 0);
}

} // namespace
} // namespace balsar
