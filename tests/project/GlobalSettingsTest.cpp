#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "plc/PortProtocols.h"
#include "project/CoreClasses.h"
#include "project/GlobalSettings.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

const char* kDefaultRecord = "01000000 0100 0000 0300 01 00 FF00 0000"
                             "CB180000 CB180000 CB180000 CB180000 CB180000 CB180000 CB180000 CB180000";

Image CompileSettings(GlobalSettings& settings, size_t prefix, RecordingMessageSink& sink,
                      const PortProtocols* protocols = nullptr) {
    Image image(prefix, 0xEE);
    CompileContext context(image, sink, 128, 64);
    context.portProtocols = protocols;
    settings.Compile(context);
    return image;
}

TEST(GlobalSettingsCompile, DefaultsGiveA56ByteRecordWithoutControlBlock) {
    GlobalSettings settings;
    RecordingMessageSink sink;
    const Image image = CompileSettings(settings, 0, sink);
    EXPECT_EQ(image, Hex(std::string(kDefaultRecord) + "00000000 0100 0000"));
    EXPECT_EQ(image.size(), GlobalSettings::kRecordSize);
}

TEST(GlobalSettingsCompile, FieldsLandAtTheirOffsets) {
    GlobalSettings settings;
    settings.optionFlags = 0x1E;
    settings.initialScreen = 0x0102;
    settings.screenSaverScreen = 0x0304;
    settings.screenSaverDelay = 60;
    settings.wakePasswordLevel = 7;
    settings.reserved = 0xABCD;
    for (int i = 0; i < 8; ++i) {
        settings.passwords[static_cast<size_t>(i)] = 999999999 - i;
    }
    settings.passwordScreen = 0x0A0B;
    RecordingMessageSink sink;
    const Image image = CompileSettings(settings, 0, sink);
    EXPECT_EQ(image, Hex("1E000000 0201 0403 3C00 08 00 CDAB 0000"
                         "FFC99A3B FEC99A3B FDC99A3B FCC99A3B FBC99A3B FAC99A3B F9C99A3B F8C99A3B"
                         "00000000 0B0A 0000"));
}

TEST(GlobalSettingsCompile, ControlBlockWithTheReportFunctionOnly) {
    GlobalSettings settings;
    settings.plcControlFlags = GlobalSettings::kReportCurrentScreen;
    settings.controlAddress.regType = "RW";
    settings.controlAddress.address = 20;
    RecordingMessageSink sink;
    // The record starts 8 bytes into the image: the block's offset is absolute.
    const Image image = CompileSettings(settings, 8, sink);
    EXPECT_EQ(image, Hex("EEEEEEEEEEEEEEEE" + std::string(kDefaultRecord) + "40000000 0100 0000"
                         "01 00 0200"
                         "03 00 FF 00 FE 22 0100 14000000"));
}

TEST(GlobalSettingsCompile, BothFunctionsReportOneUnitAboveTheSelectAddress) {
    GlobalSettings settings;
    settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen | GlobalSettings::kReportCurrentScreen;
    settings.controlAddress.address = 100;
    RecordingMessageSink sink;
    const Image image = CompileSettings(settings, 0, sink);
    EXPECT_EQ(image, Hex(std::string(kDefaultRecord) + "38000000 0100 0000"
                         "02 00 0300"
                         "03 00 FF 00 FF 22 0100 64000000"
                         "03 00 FF 00 FF 22 0100 65000000"));
    // The model's control address is not moved by compiling.
    EXPECT_EQ(settings.controlAddress.address, 100);

    // A PLC double word addressed in bytes steps by four units.
    PortProtocols protocols;
    RegisterType bytes;
    bytes.id = 0x21;
    bytes.name = "D";
    bytes.width = WIDTH_DWORD;
    bytes.unit = UNIT_BYTE;
    protocols.PortProtocol(0)->AddRegisterType(bytes);
    settings.controlAddress.Reset(WIDTH_DWORD, 0, 2);
    settings.controlAddress.regType = "D";
    settings.controlAddress.address = 8;
    const Image plc = CompileSettings(settings, 0, sink, &protocols);
    EXPECT_EQ(Image(plc.begin() + 60, plc.end()), Hex("03 00 00 02 21 14 0100 08000000"
                                                      "03 00 00 02 21 14 0100 0C000000"));
}

TEST(GlobalSettingsCompile, SelectOnlyWritesOneAddress) {
    GlobalSettings settings;
    settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen;
    RecordingMessageSink sink;
    const Image image = CompileSettings(settings, 0, sink);
    EXPECT_EQ(Image(image.begin() + 56, image.end()), Hex("01 00 0100 03 00 FF 00 FF 22 0100 00000000"));
}

TEST(GlobalSettingsArchive, RoundTripAndVersionOne) {
    GlobalSettings settings;
    settings.passwordScreen = 9;
    settings.plcControlFlags = 3;
    settings.controlAddress.address = 44;
    Archive out;
    settings.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    GlobalSettings loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, settings);

    // Version 1 has no password screen: it reads as 1.
    std::vector<uint8_t> v1 = Hex("01000000 01000000 0100 0300 0000 00 FF00");
    for (int i = 0; i < 8; ++i) {
        const auto pw = Hex("CB180000");
        v1.insert(v1.end(), pw.begin(), pw.end());
    }
    const auto tail = Hex("00000000");
    v1.insert(v1.end(), tail.begin(), tail.end());
    Archive addressOut;
    CAddr(WIDTH_WORD).Serialize(addressOut);
    v1.insert(v1.end(), addressOut.Data().begin(), addressOut.Data().end());
    Archive oldIn(v1, CoreClassRegistry());
    GlobalSettings old;
    old.passwordScreen = 7;
    old.Serialize(oldIn);
    EXPECT_EQ(old.passwordScreen, 1);
    EXPECT_EQ(oldIn.Remaining(), 0u);
}

TEST(GlobalSettingsDialog, PasswordCheck) {
    RecordingMessageSink sink;
    std::array<int32_t, 8> passwords{};
    passwords.fill(5);
    std::array<std::string, 8> texts{" 1 ", "999999999", "0", "6347", "12", "3", "4", "5"};
    EXPECT_TRUE(CheckPasswords(texts, passwords, sink));
    EXPECT_EQ(passwords[0], 1);
    EXPECT_EQ(passwords[1], 999999999);
    EXPECT_TRUE(sink.Entries().empty());

    const std::array<int32_t, 8> before = passwords;
    for (const char* bad : {"", "   ", "1000000000", "99999999999999999999", "-1", "12a"}) {
        texts[4] = bad;
        EXPECT_FALSE(CheckPasswords(texts, passwords, sink)) << bad;
        EXPECT_EQ(passwords, before);
    }
    EXPECT_EQ(sink.Entries().size(), 6u);
    EXPECT_TRUE(sink.Contains("密码输入范围越界"));
}

TEST(GlobalSettingsDialog, ScreenSaverChoices) {
    EXPECT_EQ(ScreenSaverDelayForItem(10), 60);
    EXPECT_EQ(ScreenSaverDelayForItem(4), 5);
    EXPECT_EQ(ScreenSaverDelayForItem(0), 0);
    EXPECT_EQ(ScreenSaverItemForDelay(45), 9);
    EXPECT_EQ(ScreenSaverItemForDelay(4), -1);
    EXPECT_EQ(ScreenSaverDelayForItem(11), 0);
}

} // namespace
} // namespace balsar
