// The designer's command line: a project from the file manager, the
// screenshot option, and clear usage errors.
#include <gtest/gtest.h>

#include "app/DesignerCommandLine.h"

using balsar::app::ParseDesignerCommandLine;

TEST(DesignerCommandLine, ProjectScreenshotAndHelp) {
    auto line = ParseDesignerCommandLine({"Balsar"});
    EXPECT_TRUE(line.project.isEmpty());
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_FALSE(line.help);

    line = ParseDesignerCommandLine({"Balsar", "/home/u/工程 1/p.ZPJ"});
    EXPECT_EQ(line.project, QStringLiteral("/home/u/工程 1/p.ZPJ"));

    line = ParseDesignerCommandLine({"Balsar", "--screenshot", "out.png", "p.ZPJ"});
    EXPECT_EQ(line.screenshot, QStringLiteral("out.png"));
    EXPECT_EQ(line.project, QStringLiteral("p.ZPJ"));
    EXPECT_TRUE(line.error.isEmpty());

    EXPECT_TRUE(ParseDesignerCommandLine({"Balsar", "--help"}).help);
    EXPECT_TRUE(ParseDesignerCommandLine({"Balsar", "-h"}).help);
}

TEST(DesignerCommandLine, UsageErrors) {
    EXPECT_FALSE(ParseDesignerCommandLine({"Balsar", "--screenshot"}).error.isEmpty());
    EXPECT_FALSE(ParseDesignerCommandLine({"Balsar", "--screenshot", ""}).error.isEmpty());
    EXPECT_FALSE(ParseDesignerCommandLine({"Balsar", "--frobnicate"}).error.isEmpty());
    EXPECT_FALSE(ParseDesignerCommandLine({"Balsar", "a.ZPJ", "b.ZPJ"}).error.isEmpty());
}
