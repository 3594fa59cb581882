// The USB discovery file: its lines, its errors, and the file shipped in lib/.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/UsbPanelIds.h"

namespace caldo {
namespace {

TEST(TransferUsbPanelIds, LinesRolesAndTriples) {
    std::vector<UsbPanelId> ids;
    std::string error;
    ASSERT_TRUE(ParseUsbPanelIds("# panels\n"
                                 "application 16c0:05dc ff/00/00   # the GUI program\n"
                                 "\n"
                                 "  bootloader\t0x1234:0xABCD */*/02\n"
                                 "application 0001:0002\n",
                                 ids, error))
        << error;
    const std::vector<UsbPanelId> expected{{0x16C0, 0x05DC, false, 0xFF, 0x00, 0x00},
                                           {0x1234, 0xABCD, true, -1, -1, 0x02},
                                           {0x0001, 0x0002, false, -1, -1, -1}};
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(FormatUsbIds(ids), "16c0:05dc, 1234:abcd, 0001:0002");
}

TEST(TransferUsbPanelIds, MalformedLinesAreNamed) {
    const std::vector<std::pair<std::string, std::string>> bad{
        {"app 16c0:05dc\n", "line 1"},
        {"# first\napplication 16c0\n", "line 2"},
        {"application 16c0:05dc ff/00\n", "line 1"},
        {"application 16c0:05dc ff/00/100\n", "line 1"},
        {"application 16c0:05dc ff/00/00 extra\n", "line 1"},
        {"bootloader 1ffff:1\n", "line 1"},
        {"# nothing but comments\n", "no USB id"},
    };
    for (const auto& [text, reason] : bad) {
        std::vector<UsbPanelId> ids{{1, 2}};
        std::string error;
        EXPECT_FALSE(ParseUsbPanelIds(text, ids, error)) << text;
        EXPECT_NE(error.find(reason), std::string::npos) << text << " -> " << error;
        EXPECT_EQ(ids.size(), 1u) << "a failed parse keeps the list: " << text;
    }
}

TEST(TransferUsbPanelIds, TheShippedFileNamesApplicationAndBootloader) {
    std::vector<UsbPanelId> ids;
    std::string error;
    ASSERT_TRUE(LoadUsbPanelIds(std::filesystem::path(BALSAR_SOURCE_DIR) / "lib/usb/panels.conf", ids, error))
        << error;
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_FALSE(ids[0].bootloader);
    EXPECT_TRUE(ids[1].bootloader);
    EXPECT_NE(ids[0].productId, ids[1].productId);

    EXPECT_FALSE(LoadUsbPanelIds("/nonexistent/panels.conf", ids, error));
    EXPECT_NE(error.find("/nonexistent/panels.conf"), std::string::npos);
}

} // namespace
} // namespace caldo
