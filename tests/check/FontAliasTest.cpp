// The face names projects made elsewhere carry resolve to the fonts
// installed with the designer, so their texts compile in the intended
// metrics instead of falling back.
#include <gtest/gtest.h>

#include <filesystem>

#include "elements/FreeTypeFontEngine.h"

using namespace balsar;

TEST(FontAliases, CommonFacesResolveToInstalledFonts) {
    FreeTypeFontEngine fonts(std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "fonts" / "fonts.conf");
    const struct {
        const char* face;
        const char* file;
    } expected[] = {
        {"Arial", "LiberationSans"},       {"Helvetica", "LiberationSans"},   {"Tahoma", "LiberationSans"},
        {"Verdana", "LiberationSans"},     {"Times New Roman", "LiberationSerif"},
        {"Courier New", "LiberationMono"}, {"SimSun", "wqy"},                 {"新宋体", "wqy"},
        {"黑体", "wqy"},                   {"SimHei", "wqy"},                 {"楷体", "wqy"},
        {"KaiTi", "wqy"},                  {"微软雅黑", "wqy"},               {"Microsoft YaHei", "wqy"},
    };
    for (const auto& entry : expected) {
        EXPECT_NE(fonts.FontFile(entry.face).string().find(entry.file), std::string::npos)
            << entry.face << " -> " << fonts.FontFile(entry.face);
        EXPECT_TRUE(fonts.Fit(entry.face, 16).has_value()) << entry.face;
    }
    // The Chinese faces show Chinese; a name nobody aliases still resolves
    // to nothing (the compile then falls back and reports it).
    EXPECT_TRUE(fonts.Covers("SimHei", U'温'));
    EXPECT_TRUE(fonts.FontFile("No Such Face 123").empty());
}
