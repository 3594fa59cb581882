// The text and fill of the progress bar, shared by the dialog and the terminal.
#include <gtest/gtest.h>

#include "transfer/ProgressText.h"

namespace caldo {
namespace {

TEST(TransferProgressText, CaptionAndPercentRules) {
    EXPECT_EQ(ProgressText("下载GUI:", 5, 0, 10), "下载GUI:50%");
    EXPECT_EQ(ProgressText("下载GUI:", 0, 0, 10), "下载GUI:");
    EXPECT_EQ(ProgressText("下载GUI:", 10, 0, 10), "下载GUI:100%");
    EXPECT_EQ(ProgressText("", 0, 0, 10), "");
    EXPECT_EQ(ProgressText("", 3, 0, 10), "30%");
    EXPECT_EQ(ProgressText("", 1, 0, 3), "33%");      // truncated
    EXPECT_EQ(ProgressText("x", 15, 0, 10), "x100%"); // at most 100
    EXPECT_EQ(ProgressText("x", 5, 10, 10), "");      // empty range: nothing drawn
    EXPECT_EQ(ProgressText("x", 5, 10, 0), "");
}

TEST(TransferProgressText, FillWidth) {
    EXPECT_EQ(ProgressFillWidth(284, 5, 0, 10), 142);
    EXPECT_EQ(ProgressFillWidth(100, 1, 0, 3), 33);
    EXPECT_EQ(ProgressFillWidth(100, 20, 0, 10), 100);
    EXPECT_EQ(ProgressFillWidth(100, -5, 0, 10), 0);
    EXPECT_EQ(ProgressFillWidth(100, 5, 0, 0), 0);
}

} // namespace
} // namespace caldo
