// The download package as the transfer tools and the panel firmware read it:
// header area, descriptors, section table, region order and padding, golden
// bytes written from the package layout table.
#include <gtest/gtest.h>

#include <fstream>

#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "compiler/PackageBuilder.h"
#include "hardware/HardwareModel.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloProject.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

namespace {

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Read(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
    return bytes;
}

// A driver or GUI program file: a 16-byte header with the version at byte 8
// and a header checksum that the package must leave out, then the payload.
std::vector<uint8_t> ProgramFile(const std::string& tag, uint16_t version, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> file(tag.begin(), tag.end());
    file.resize(16, 0xEE); // header bytes that must not reach the package
    file[8] = static_cast<uint8_t>(version & 0xFF);
    file[9] = static_cast<uint8_t>(version >> 8);
    file.insert(file.end(), payload.begin(), payload.end());
    return file;
}

class PackageTest : public ::testing::Test {
protected:
    std::filesystem::path P(const std::string& name) const { return folder.Path() / name; }

    test::TempFolder folder;
    RecordingMessageSink sink;
};

// COM0 in use, COM1 not, a model without a second GUI file.
TEST_F(PackageTest, HeaderDescriptorsTableAndRegionsOfAModel1Package) {
    Write(P("plant.bin~"), Hex("01 02 03 04 05 06"));
    Write(P("drv_0.bin"), ProgramFile("DRV0", 0x0102, Hex("AA BB CC")));
    Write(P("gui.bin"), ProgramFile("GUI0", 0x0201, Hex("10 20 30 40")));
    PackageSources sources;
    sources.userData = P("plant.bin~");
    sources.drivers[0] = P("drv_0.bin");
    sources.gui1 = P("gui.bin");

    ASSERT_TRUE(BuildPackage(P("plant.qk").string(), sources, sink));
    const std::vector<uint8_t> expected = Hex(
        // 0: identification text, zero byte, 6 zero bytes; 16: kind 2
        "7A 65 6D 62 72 61 2D 71 6B 00  00 00 00 00 00 00  02 00 00 00"
        // 20: user data at 148, 8 bytes (6 + 2 zero), version 0, sum 0x15
        "94 00 00 00 08 00 00 00 00 00 00 00 15 00 00 00 00 00 00 00"
        // 40: reserved descriptor
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        // 60: GUI model 1 at 160, 4 bytes, version 0x0201, sum 0xA0
        "A0 00 00 00 04 00 00 00 01 02 00 00 A0 00 00 00 00 00 00 00"
        // 80: GUI model 2: nothing but the model-1 version
        "00 00 00 00 00 00 00 00 01 02 00 00 00 00 00 00 00 00 00 00"
        // 100: section count 2, section table at 108
        "02 00 00 00 6C 00 00 00"
        // 108: section 0 (COM0 driver) at 156, 4 bytes, version 0, sum 0x231
        "9C 00 00 00 04 00 00 00 00 00 00 00 31 02 00 00 00 00 00 00"
        // 128: section 1, COM1 not in use
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        // 148: user data, section 0, GUI model 1
        "01 02 03 04 05 06 00 00  AA BB CC 00  10 20 30 40");
    EXPECT_EQ(Read(P("plant.qk")), expected);
    EXPECT_TRUE(sink.Entries().empty());
}

// Both drivers and a second GUI file: regions in the order user data,
// section 0, section 1, GUI model 1, GUI model 2, each with its own version.
TEST_F(PackageTest, BothSectionsAndASecondGuiFile) {
    Write(P("p.bin~"), Hex("11 22 33 44"));
    Write(P("d_0.bin"), ProgramFile("DRV0", 0x0007, Hex("01")));
    Write(P("d_1.bin"), ProgramFile("DRV0", 0x0009, Hex("02 02")));
    Write(P("g1.bin"), ProgramFile("GUI0", 0x0300, Hex("03 03 03 03 03")));
    Write(P("g2.bin"), ProgramFile("GUI0", 0x0105, Hex("04")));
    PackageSources sources{P("p.bin~"), {P("d_0.bin"), P("d_1.bin")}, P("g1.bin"), P("g2.bin")};

    ASSERT_TRUE(BuildPackage(P("p.qk").string(), sources, sink));
    const std::vector<uint8_t> expected = Hex(
        "7A 65 6D 62 72 61 2D 71 6B 00  00 00 00 00 00 00  02 00 00 00"
        "94 00 00 00 04 00 00 00 00 00 00 00 AA 00 00 00 00 00 00 00"
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "A0 00 00 00 08 00 00 00 00 03 00 00 0F 00 00 00 00 00 00 00"
        "A8 00 00 00 04 00 00 00 05 01 00 00 04 00 00 00 00 00 00 00"
        "02 00 00 00 6C 00 00 00"
        "98 00 00 00 04 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00"
        "9C 00 00 00 04 00 00 00 00 00 00 00 04 00 00 00 00 00 00 00"
        "11 22 33 44  01 00 00 00  02 02 00 00  03 03 03 03 03 00 00 00  04 00 00 00");
    EXPECT_EQ(Read(P("p.qk")), expected);
}

TEST_F(PackageTest, A1001ByteRegionIsStoredAs1004BytesWithTheSumOfThe1001) {
    std::vector<uint8_t> image(1001);
    uint32_t sum = 0;
    for (size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>(0xFF - i % 7);
        sum += image[i];
    }
    Write(P("big.bin~"), image);
    Write(P("gui.bin"), ProgramFile("GUI0", 1, Hex("09")));
    PackageSources sources;
    sources.userData = P("big.bin~");
    sources.gui1 = P("gui.bin");

    std::vector<uint8_t> package;
    ASSERT_TRUE(BuildPackageBytes(sources, package, sink));
    // Length 1004 (0x3EC) and the checksum of the 1001 data bytes.
    EXPECT_EQ(std::vector<uint8_t>(package.begin() + 24, package.begin() + 28), Hex("EC 03 00 00"));
    const std::vector<uint8_t> sumBytes = {static_cast<uint8_t>(sum), static_cast<uint8_t>(sum >> 8),
                                           static_cast<uint8_t>(sum >> 16), static_cast<uint8_t>(sum >> 24)};
    EXPECT_EQ(std::vector<uint8_t>(package.begin() + 32, package.begin() + 36), sumBytes);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), package.begin() + 148));
    EXPECT_EQ(std::vector<uint8_t>(package.begin() + 148 + 1001, package.begin() + 148 + 1004), Hex("00 00 00"));
    // The GUI region follows at 148 + 1004 = 1152 (0x480).
    EXPECT_EQ(std::vector<uint8_t>(package.begin() + 60, package.begin() + 64), Hex("80 04 00 00"));
    EXPECT_EQ(package.size(), 148u + 1004u + 4u);
}

TEST_F(PackageTest, AppendAddsToTheFieldsItIsGiven) {
    Write(P("d.bin"), ProgramFile("DRV0", 0xBEEF, Hex("01 02 03 04 05")));
    std::vector<uint8_t> package = Hex("FF FF");
    uint32_t length = 100;
    uint32_t checksum = 1000;
    uint32_t version = 0;
    ASSERT_TRUE(AppendPackageRegion(P("d.bin"), 16, package, length, checksum, version, sink));
    EXPECT_EQ(package, Hex("FF FF 01 02 03 04 05 00 00 00"));
    EXPECT_EQ(length, 108u);
    EXPECT_EQ(checksum, 1015u);
    EXPECT_EQ(version, 0xBEEFu);
}

// Bad input: no package that claims to be complete is left behind.
TEST_F(PackageTest, AMissingSourceFailsWithThePathAndRemovesAnOldPackage) {
    Write(P("p.bin~"), Hex("01 02 03 04"));
    Write(P("p.qk"), Hex("5A 5A 5A 5A")); // an earlier package
    PackageSources sources;
    sources.userData = P("p.bin~");
    sources.drivers[1] = P("missing_1.bin");
    sources.gui1 = P("gui.bin");

    EXPECT_FALSE(BuildPackage(P("p.qk").string(), sources, sink));
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_NE(sink.Entries()[0].text.find("无法打开文件 " + P("missing_1.bin").string() + "："), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(P("p.qk")));
}

TEST_F(PackageTest, AMissingGuiFileFails) {
    Write(P("p.bin~"), Hex("01 02 03 04"));
    PackageSources sources;
    sources.userData = P("p.bin~");
    sources.gui1 = P("no_gui.bin");
    EXPECT_FALSE(BuildPackage(P("p.qk").string(), sources, sink));
    EXPECT_NE(sink.Entries().at(0).text.find(P("no_gui.bin").string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(P("p.qk")));
}

TEST_F(PackageTest, ADriverShorterThanItsHeaderFails) {
    Write(P("p.bin~"), Hex("01 02 03 04"));
    Write(P("d_0.bin"), Hex("44 52 56 30 00 00"));
    Write(P("gui.bin"), ProgramFile("GUI0", 1, Hex("09")));
    PackageSources sources;
    sources.userData = P("p.bin~");
    sources.drivers[0] = P("d_0.bin");
    sources.gui1 = P("gui.bin");
    EXPECT_FALSE(BuildPackage(P("p.qk").string(), sources, sink));
    EXPECT_FALSE(std::filesystem::exists(P("p.qk")));
}

TEST_F(PackageTest, AnUnwritablePackageGivesTheCreateMessage) {
    Write(P("p.bin~"), Hex("01 02 03 04"));
    Write(P("gui.bin"), ProgramFile("GUI0", 1, Hex("09")));
    Write(P("not_a_folder"), Hex("00"));
    PackageSources sources;
    sources.userData = P("p.bin~");
    sources.gui1 = P("gui.bin");
    EXPECT_FALSE(BuildPackage((P("not_a_folder") / "p.qk").string(), sources, sink));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Create Compile File Failed!"});
}

// The sources of a project: driver files next to the protocol descriptions,
// GUI files in the hardware folder.
class PackageSourcesTest : public ::testing::Test {
protected:
    PackageSourcesTest() : library(std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "plc") {
        library.EnsureLoaded(sink);
        project.SetProjectPath("/work/plant/plant.ZPJ");
        model.hwFile = "gui_a.bin";
    }
    RecordingMessageSink sink;
    ProtocolLibrary library;
    CMirloProject project;
    HardwareModel model;
    const std::filesystem::path hardware = "/opt/balsar/lib/hardware";
};

TEST_F(PackageSourcesTest, DriverOfEachPortInUseIsTheDescriptionPathWithThePortNumber) {
    project.GetPort(0)->enabled = 1;
    project.GetPort(0)->protocolId = 1; // modbus/ModbusRtuMaster.CFG
    project.GetPort(1)->enabled = 1;
    project.GetPort(1)->protocolId = 30; // df1/Df1FullDuplex.CFG
    PackageSources sources;
    ASSERT_TRUE(ResolvePackageSources(project, library, model, hardware, sources, sink));
    const std::filesystem::path plc = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "plc";
    EXPECT_EQ(sources.drivers[0], plc / "modbus" / "ModbusRtuMaster_0.bin");
    EXPECT_EQ(sources.drivers[1], plc / "df1" / "Df1FullDuplex_1.bin");
    EXPECT_EQ(sources.userData, "/work/plant/plant.bin~");
    EXPECT_EQ(sources.gui1, hardware / "gui_a.bin");
    EXPECT_TRUE(sources.gui2.empty());
    EXPECT_EQ(PackagePath(project), "/work/plant/plant.qk");
}

TEST_F(PackageSourcesTest, APortNotInUseHasNoDriverEvenWithAProtocolSet) {
    project.GetPort(0)->enabled = 0;
    project.GetPort(0)->protocolId = 1;
    project.GetPort(1)->enabled = 1;
    project.GetPort(1)->protocolId = 1;
    model.hwFile2 = "gui_b.bin";
    PackageSources sources;
    ASSERT_TRUE(ResolvePackageSources(project, library, model, hardware, sources, sink));
    EXPECT_TRUE(sources.drivers[0].empty());
    EXPECT_EQ(sources.drivers[1].filename(), "ModbusRtuMaster_1.bin");
    EXPECT_EQ(sources.gui2, hardware / "gui_b.bin");
}

TEST_F(PackageSourcesTest, UnknownProtocolOrNoGuiFileIsReported) {
    project.GetPort(0)->enabled = 1;
    project.GetPort(0)->protocolId = 4711;
    PackageSources sources;
    EXPECT_FALSE(ResolvePackageSources(project, library, model, hardware, sources, sink));
    EXPECT_EQ(sink.Entries().size(), 1u);

    project.GetPort(0)->enabled = 0;
    model.hwFile.clear();
    EXPECT_FALSE(ResolvePackageSources(project, library, model, hardware, sources, sink));
    EXPECT_EQ(sink.Entries().size(), 2u);
}

} // namespace
