// The numeric edit box and the address panel, driven by keys and choices.
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/NumEditWidget.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::DialogFixture;

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

TEST(NumEdit, KeysOutsideTheBaseAndRefusedTextsNeverReachTheValue) {
    RecordingMessageSink sink;
    NumEditWidget edit(sink);
    edit.SetBase(BASE_HEX);
    edit.SetRange(0, 0xFF);
    edit.show();
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    // 'g' and '-' are no hexadecimal digits; lower-case digits turn upper.
    QTest::keyClicks(&edit, "1g-a");
    EXPECT_EQ(edit.text(), "1A");
    EXPECT_EQ(edit.Value(), 0x1A);
    EXPECT_TRUE(sink.Entries().empty());

    // A third digit leaves the range: the message, and the old text back,
    // selected entirely.
    QTest::keyClicks(&edit, "F");
    EXPECT_EQ(edit.text(), "1A");
    EXPECT_EQ(edit.selectedText(), "1A");
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].caption, "输入越界");
    EXPECT_EQ(sink.Entries()[0].text, "输入越界,可输入范围 ( 0-FF )");

    // A leading zero is refused without a message.
    sink.Clear();
    edit.SetBase(BASE_DEC);
    edit.SetValue(0);
    edit.setCursorPosition(1);
    QTest::keyClicks(&edit, "5");
    EXPECT_EQ(edit.text(), "0");
    EXPECT_TRUE(sink.Entries().empty());

    // Steps stay inside the range.
    edit.SetRange(0, 2);
    edit.SetValue(2);
    EXPECT_FALSE(edit.Step(1));
    EXPECT_TRUE(edit.Step(-2));
    EXPECT_EQ(edit.text(), "0");
}

TEST(AddressPanel, LocalTypesRangesAndSubAddress) {
    DialogFixture f;
    CAddr address(WIDTH_BIT);
    AddressPanelWidget panel(address, &f.Project(), f.session);
    // No port is in use: LOCAL only.
    EXPECT_EQ(Items(panel.PortBox()), QStringList{"LOCAL"});
    EXPECT_EQ(Items(panel.TypeBox()), (QStringList{"LW.B", "RW.B"}));
    EXPECT_FALSE(panel.StationSpin()->Edit()->isEnabled());
    EXPECT_EQ(panel.DeviceLabel()->text(), "LOCAL");
    EXPECT_TRUE(panel.SubSpin()->Edit()->isEnabled());
    EXPECT_EQ(panel.FormatLabel()->text(), "DDD.H(0.0~255.F)");
    EXPECT_FALSE(panel.EncodingBox()->isEnabled());
    EXPECT_FALSE(panel.WordCountBox()->isEnabled());

    // RW.B allows 0..511; a typed 300 lands in the address at once.
    int changes = 0;
    QObject::connect(&panel, &AddressPanelWidget::changed, [&] { ++changes; });
    Choose(panel.TypeBox(), "RW.B");
    EXPECT_EQ(panel.FormatLabel()->text(), "DDD.H(0.0~511.F)");
    test::TypeInto(panel.AddressEdit(), "300");
    EXPECT_EQ(address.regType, "RW.B");
    EXPECT_EQ(address.address, 300);
    EXPECT_GE(changes, 2);

    // Back to LW.B: the address is clamped into 0..255.
    Choose(panel.TypeBox(), "LW.B");
    EXPECT_EQ(address.address, 255);

    // A word address: LW and RW, no sub-address, encoding and word count.
    panel.SetWidth(WIDTH_WORD);
    EXPECT_EQ(Items(panel.TypeBox()), (QStringList{"LW", "RW"}));
    EXPECT_EQ(address.regType, "LW");
    EXPECT_FALSE(panel.SubSpin()->Edit()->isEnabled());
    EXPECT_TRUE(panel.EncodingBox()->isEnabled());
    ASSERT_TRUE(panel.WordCountBox()->isEnabled());
    Choose(panel.WordCountBox(), "2");
    Choose(panel.EncodingBox(), "BCD");
    EXPECT_EQ(address.wordCount, 2);
    EXPECT_EQ(address.encoding, ENCODING_BCD);

    // An owner that fixes a double-word value: one entry, disabled.
    panel.FixDataType(1);
    EXPECT_EQ(Items(panel.WordCountBox()), QStringList{"2"});
    EXPECT_FALSE(panel.WordCountBox()->isEnabled());
}

TEST(AddressPanel, PlcPortBringsStationRangeDeviceAndProtocolTypes) {
    DialogFixture f;
    f.EnablePort0();
    CAddr address(WIDTH_WORD);
    AddressPanelWidget panel(address, &f.Project(), f.session);
    ASSERT_EQ(panel.PortBox()->count(), 2);
    EXPECT_EQ(panel.PortBox()->itemText(1), "LOCAL");
    Choose(panel.PortBox(), 0);
    EXPECT_EQ(address.port, 0);
    EXPECT_TRUE(panel.StationSpin()->Edit()->isEnabled());
    const ProtocolDescription& protocol = *f.ports.PortProtocol(0);
    EXPECT_EQ(panel.DeviceLabel()->text().toStdString(), protocol.plcName);
    EXPECT_EQ(address.station, protocol.stationDefault);
    // Word types first, then the double-word types.
    std::vector<std::string> expected = protocol.RegisterNames(false);
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(panel.TypeBox()->count(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(panel.TypeBox()->itemText(static_cast<int>(i)).toStdString(), expected[i]);
    }
    // A station beyond the protocol's range is refused with the message.
    f.sink.Clear();
    test::TypeInto(panel.StationSpin()->Edit(), QString::number(protocol.stationMax + 1));
    EXPECT_LE(address.station, protocol.stationMax);
    EXPECT_TRUE(f.sink.Contains(std::string("输入越界,可输入范围 ( ") +
                                std::to_string(protocol.stationMin) + "-" + std::to_string(protocol.stationMax) +
                                " )"));

    // Back to LOCAL: station 0 and disabled, LOCAL word types.
    Choose(panel.PortBox(), "LOCAL");
    EXPECT_EQ(address.port, PORT_LOCAL);
    EXPECT_EQ(address.station, 0);
    EXPECT_FALSE(panel.StationSpin()->Edit()->isEnabled());
    EXPECT_EQ(Items(panel.TypeBox()), (QStringList{"LW", "RW"}));
}

} // namespace
} // namespace balsar::dialogs
