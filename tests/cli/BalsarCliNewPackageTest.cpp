// balsar-cli new and package: the command-line contracts and the files they
// leave.
#include <gtest/gtest.h>

#include <sstream>

#include "base/FileIo.h"
#include "cli/BalsarCli.h"
#include "support/TestSupport.h"

using namespace balsar;
namespace fs = std::filesystem;

namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

class CliNewPackageTest : public ::testing::Test {
protected:
    // Creating a project moves the current folder; an earlier test may have
    // left it in a folder that is gone by now.
    CliNewPackageTest() {
        std::error_code ec;
        savedFolder = fs::current_path(ec);
        if (ec) {
            savedFolder = fs::temp_directory_path();
        }
    }
    ~CliNewPackageTest() override {
        std::error_code ec;
        fs::current_path(savedFolder, ec);
    }

    static CliResult Cli(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunBalsarCli(args, out, err);
        return {status, out.str(), err.str()};
    }
    static std::vector<uint8_t> Bytes(const fs::path& path) {
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << path << ": " << error;
        return bytes;
    }
    static uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
        return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<uint32_t>(b.at(at + 3)) << 24;
    }

    test::TempFolder folder;
    fs::path savedFolder;
};

TEST_F(CliNewPackageTest, NewCreatesTheProjectWithItsPortsAndPrintsThePath) {
    const CliResult run = Cli({"new", "plant", "--folder", folder.Path().string(), "--model", "2", "--port", "0=30"});
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path path = folder.Path() / "plant" / "plant.ZPJ";
    EXPECT_EQ(run.out, path.string() + "\n");
    const CliResult info = Cli({"info", path.string()});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("model: 2 TP-192"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("COM0: protocol 30"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("COM1: not used"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("screens: 1\n  1 "), std::string::npos) << info.out;
}

// TP-128 ships a template: two screens, each with a key to the other; the
// down key of the last one is off.
TEST_F(CliNewPackageTest, NewCopiesTheShippedTemplateOfTheModelAndSetsThePorts) {
    ASSERT_TRUE(fs::exists(fs::path(BALSAR_SOURCE_DIR) / "lib" / "hardware" / "TP-128.SFP"));
    const CliResult run = Cli({"new", "t", "--folder", folder.Path().string(), "--model", "1", "--port", "1=30"});
    ASSERT_EQ(run.status, 0) << run.err;
    const CliResult info = Cli({"info", (folder.Path() / "t" / "t.ZPJ").string()});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("project: t\nmodel: 1 TP-128"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("COM0: not used"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("COM1: protocol 30"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("screens: 2\n  1 HMI1: 2 elements FK=1 ST=1\n  2 "), std::string::npos) << info.out;
    // The template's up and down keys lead to screens it has.
    const CliResult check = Cli({"check", (folder.Path() / "t" / "t.ZPJ").string()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("0 errors, 0 warnings"), std::string::npos) << check.out;
}

TEST_F(CliNewPackageTest, NewNeverOverwritesAnExistingFolder) {
    ASSERT_EQ(Cli({"new", "plant", "--folder", folder.Path().string(), "--model", "2"}).status, 0);
    const fs::path path = folder.Path() / "plant" / "plant.ZPJ";
    const std::vector<uint8_t> before = Bytes(path);
    const CliResult again = Cli({"new", "plant", "--folder", folder.Path().string(), "--model", "2", "--port", "0=1"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("已存在"), std::string::npos) << again.err;
    EXPECT_EQ(Bytes(path), before);
}

TEST_F(CliNewPackageTest, NewRefusesBadArguments) {
    const std::string dir = folder.Path().string();
    EXPECT_EQ(Cli({"new", "plant", "--folder", dir}).status, 2);
    EXPECT_EQ(Cli({"new", "--folder", dir, "--model", "1"}).status, 2);
    EXPECT_EQ(Cli({"new", "plant", "--folder", dir, "--model", "1", "--port", "3=1"}).status, 2);
    EXPECT_EQ(Cli({"new", "plant", "--folder", dir, "--model", "99"}).status, 1);
    EXPECT_EQ(Cli({"new", "plant", "--folder", dir, "--model", "1", "--port", "0=4711"}).status, 1);
    // Model 1 has no COM2.
    EXPECT_EQ(Cli({"new", "plant", "--folder", dir, "--model", "1", "--port", "2=1"}).status, 1);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

// Model 3 carries a second GUI file; COM0 and COM1 are in use.
TEST_F(CliNewPackageTest, PackageHoldsTheCompileOutputTheDriversAndBothGuiFiles) {
    ASSERT_EQ(Cli({"new", "line", "--folder", folder.Path().string(), "--model", "3", "--port", "0=1", "--port",
                   "1=30"})
                  .status,
              0);
    const fs::path project = folder.Path() / "line" / "line.ZPJ";
    const CliResult run = Cli({"package", project.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path packagePath = folder.Path() / "line" / "line.qk";
    EXPECT_EQ(run.out, packagePath.string() + "\n");

    const std::vector<uint8_t> package = Bytes(packagePath);
    const std::vector<uint8_t> image = Bytes(folder.Path() / "line" / "line.bin~");
    ASSERT_EQ(U32(package, 16), 2u);
    ASSERT_EQ(U32(package, 20), 148u);
    ASSERT_GE(U32(package, 24), image.size());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), package.begin() + 148));
    // Driver 0 of the Modbus RTU protocol, from byte 16 of its file.
    const std::vector<uint8_t> driver0 = Bytes(fs::path(BALSAR_SOURCE_DIR) / "lib/plc/modbus/ModbusRtuMaster_0.bin");
    const uint32_t section0 = U32(package, 108);
    EXPECT_TRUE(std::equal(driver0.begin() + 16, driver0.end(), package.begin() + section0));
    const std::vector<uint8_t> driver1 = Bytes(fs::path(BALSAR_SOURCE_DIR) / "lib/plc/df1/Df1FullDuplex_1.bin");
    const uint32_t section1 = U32(package, 128);
    EXPECT_TRUE(std::equal(driver1.begin() + 16, driver1.end(), package.begin() + section1));
    const std::vector<uint8_t> gui2 = Bytes(fs::path(BALSAR_SOURCE_DIR) / "lib/hardware/gui_240x128_fonts.bin");
    EXPECT_TRUE(std::equal(gui2.begin() + 16, gui2.end(), package.begin() + U32(package, 80)));
    EXPECT_EQ(U32(package, 88), static_cast<uint32_t>(gui2[8] | gui2[9] << 8));
}

TEST_F(CliNewPackageTest, PackageOfAMissingProjectFails) {
    EXPECT_EQ(Cli({"package", (folder.Path() / "none.ZPJ").string()}).status, 1);
    EXPECT_EQ(Cli({"package"}).status, 2);
    EXPECT_FALSE(fs::exists(folder.Path() / "none.qk"));
}

} // namespace
