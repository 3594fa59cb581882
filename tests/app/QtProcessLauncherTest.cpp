// Starting outside programs for the tool commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/QtProcessLauncher.h"
#include "support/TestSupport.h"

using namespace balsar;

TEST(QtProcessLauncher, WaitsForTheExitCodeAndReportsFailedStarts) {
    app::QtProcessLauncher launcher;
    int exitCode = -1;
    ASSERT_TRUE(launcher.StartAndWait("/bin/sh", {"-c", "exit 3"}, exitCode));
    EXPECT_EQ(exitCode, 3);
    EXPECT_FALSE(launcher.StartAndWait("/nonexistent/program", {}, exitCode));
    EXPECT_FALSE(launcher.StartDetached("/nonexistent/program", {"-D"}));

    // Arguments arrive one by one, blanks included, without a shell.
    test::TempFolder folder;
    const std::string marker = folder.File("with blank.txt");
    ASSERT_TRUE(launcher.StartAndWait("/usr/bin/touch", {marker}, exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(marker));
}
