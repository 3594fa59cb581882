#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Prompt.h"
#include "elements/CLangDefine.h"
#include "elements/ElementStrings.h"
#include "elements/FontEngine.h"
#include "elements/Languages.h"
#include "elements/TextAttributes.h"
#include "ElementsTestSupport.h"

namespace balsar {
namespace {

using test::SharedFonts;

// Families per character set and full names as a test declares them.
class ListEngine : public FontEngine {
public:
    int Advance(const FittedFont&, char32_t) override { return 7; }
    bool RenderGlyph(const FittedFont&, char32_t, Glyph&) override { return false; }
    std::vector<std::string> FontFamilies(int charset) override {
        ++listings;
        return charset == 134 || charset == 136 ? std::vector<std::string>{"Fang", "宋体"}
                                                : std::vector<std::string>{"Arial", "Tahoma"};
    }
    std::vector<std::string> FullNames(const std::string& face) override {
        if (face == "Tahoma Regular Alias") {
            return {"Nothing Listed", "Tahoma"};
        }
        return {};
    }
    int listings = 0;

protected:
    std::optional<int> CellHeight(const std::string&, int p) override { return p / 10; }
};

TEST(Languages, LocaleNamesGiveWindowsIdentifiers) {
    EXPECT_EQ(LanguageIdFromLocale("zh_CN.UTF-8"), 0x0804);
    EXPECT_EQ(LanguageIdFromLocale("zh_TW.Big5"), 0x0404);
    EXPECT_EQ(LanguageIdFromLocale("de_DE@euro"), 0x0407);
    EXPECT_EQ(LanguageIdFromLocale("de_LU"), 0x0407); // unknown territory: the language's main one
    EXPECT_EQ(LanguageIdFromLocale("ja"), 0x0411);
    EXPECT_EQ(LanguageIdFromLocale("en_GB.UTF-8"), 0x0809);
    EXPECT_EQ(LanguageIdFromLocale("C"), 0x0409);
    EXPECT_EQ(LanguageIdFromLocale("POSIX"), 0x0409);
    EXPECT_EQ(LanguageIdFromLocale("xx_YY"), 0x0409);
    EXPECT_EQ(LanguageIdFromLocale(""), 0x0409);
}

TEST(Languages, CharacterSetOfLanguage) {
    EXPECT_EQ(CharsetOfLanguage(0x0404), 136); // Chinese (Taiwan): Big5
    EXPECT_EQ(CharsetOfLanguage(0x0C04), 136); // Hong Kong
    EXPECT_EQ(CharsetOfLanguage(0x1404), 136); // Macao
    EXPECT_EQ(CharsetOfLanguage(0x0804), 134); // Chinese (PRC): GB2312
    EXPECT_EQ(CharsetOfLanguage(0x1004), 134);
    EXPECT_EQ(CharsetOfLanguage(0x0401), 178);
    EXPECT_EQ(CharsetOfLanguage(0x0411), 128);
    EXPECT_EQ(CharsetOfLanguage(0x0412), 129);
    EXPECT_EQ(CharsetOfLanguage(0x0419), 204);
    EXPECT_EQ(CharsetOfLanguage(0x0422), 238);
    EXPECT_EQ(CharsetOfLanguage(0x0437), 238);
    EXPECT_EQ(CharsetOfLanguage(0x0427), 186);
    EXPECT_EQ(CharsetOfLanguage(0x042A), 163);
    EXPECT_EQ(CharsetOfLanguage(0x0409), 1);
    EXPECT_EQ(CharsetOfLanguage(0x0407), 1);
}

TEST(Languages, DefaultFontRule) {
    ListEngine engine;
    EXPECT_EQ(DefaultFontOfLanguage(&engine, 0x0804), "宋体");
    EXPECT_EQ(DefaultFontOfLanguage(&engine, 0x0409), "Microsoft Sans Serif");
    EXPECT_EQ(DefaultFontOfLanguage(nullptr, 0x0804), "Microsoft Sans Serif");
    // With the installed fonts the aliased 宋体 serves Chinese.
    EXPECT_EQ(DefaultFontOfLanguage(&SharedFonts(), 0x0804), "宋体");
    EXPECT_EQ(DefaultFontOfLanguage(&SharedFonts(), 0x0404), "宋体");
}

TEST(Languages, SystemDefaultsFollowTheLocale) {
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved != nullptr ? saved : "";
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    ListEngine engine;
    const LanguageDefaults chinese = SystemLanguageDefaults(&engine);
    EXPECT_EQ(chinese.languageId, 0x0804);
    EXPECT_EQ(chinese.fontName, "宋体");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SystemLanguageId(), 0x0409);
    if (saved != nullptr) {
        setenv("LC_ALL", keep.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

TEST(Languages, SelectingAFontByName) {
    ListEngine engine;
    const std::vector<std::string> list = {"Arial", "Tahoma"};
    EXPECT_EQ(SelectFontByName(list, "Tahoma", &engine), "Tahoma");
    // Not listed: the first of its full names that is.
    EXPECT_EQ(SelectFontByName(list, "Tahoma Regular Alias", &engine), "Tahoma");
    EXPECT_EQ(FindFontInList({"@Tahoma"}, "@Tahoma Regular Alias", &engine), "@Tahoma");
    // Neither: the first entry.
    EXPECT_EQ(SelectFontByName(list, "Gone", &engine), "Arial");
    EXPECT_FALSE(FindFontInList(list, "Gone", &engine));
    EXPECT_EQ(SelectFontByName({}, "Gone", &engine), "");

    // Installed fonts: 宋体 full names lead to the family it stands for.
    FreeTypeFontEngine& fonts = SharedFonts();
    EXPECT_EQ(SelectFontByName({"DejaVu Sans", "WenQuanYi Zen Hei"}, "宋体", &fonts), "WenQuanYi Zen Hei");
}

TEST(Languages, LanguageTableFallsBackToTheSystemDefaults) {
    LanguageDefaults defaults;
    defaults.languageId = 0x0804;
    defaults.fontName = "宋体";
    CLangDefine table(defaults);
    table.Add(0x0409, "Arial");
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.GetLangID(1), 0x0409);
    EXPECT_EQ(table.GetFontName(1), "Arial");
    EXPECT_EQ(table.GetLangID(3), 0x0804);
    EXPECT_EQ(table.GetFontName(3), "宋体");
    EXPECT_EQ(table.GetLangID(-1), 0x0804);
}

TEST(TextRules, DotMatrixAndSizes) {
    EXPECT_TRUE(UsesDotMatrix(0, 0));
    EXPECT_FALSE(UsesDotMatrix(1, 0));
    EXPECT_TRUE(UsesDotMatrix(2, 1));
    EXPECT_FALSE(UsesDotMatrix(3, 1));
    EXPECT_FALSE(UsesDotMatrix(4, 1));
    EXPECT_TRUE(HasDotMatrixSize(2));
    EXPECT_FALSE(HasDotMatrixSize(3));
    EXPECT_EQ(FontModeOf(true), 2);
    EXPECT_EQ(PixelSizeOfIndex(3), 24);
    EXPECT_EQ(PixelSizeOfIndex(9), 32);

    const DotMatrixControls at8 = DotMatrixControlsFor(0, 0);
    EXPECT_TRUE(at8.dotMatrixChecked);
    EXPECT_FALSE(at8.dotMatrixEnabled);
    EXPECT_FALSE(at8.fontAndLanguageEnabled);
    const DotMatrixControls at12 = DotMatrixControlsFor(1, 0);
    EXPECT_TRUE(at12.dotMatrixEnabled);
    EXPECT_TRUE(at12.fontAndLanguageEnabled);
    const DotMatrixControls at24 = DotMatrixControlsFor(3, 1);
    EXPECT_FALSE(at24.dotMatrixEnabled);
    EXPECT_FALSE(at24.dotMatrixChecked);
}

TEST(TextRules, NonAsciiCharacters) {
    EXPECT_EQ(CountNonAscii("温度 OK é"), 3);
    EXPECT_EQ(KeepVisibleAscii("温度\tOK~\x7F"), "OK~");

    RecordingPrompt prompt;
    std::string text = "OK";
    EXPECT_TRUE(ConfirmDotMatrixSwitch(text, 0, 0, prompt)); // nothing to lose: no question
    EXPECT_TRUE(prompt.Questions().empty());
    text = "温度1";
    EXPECT_TRUE(ConfirmDotMatrixSwitch(text, 3, 1, prompt)); // size 24: not the built-in font
    EXPECT_TRUE(prompt.Questions().empty());
    prompt.Script(Answer::Yes);
    EXPECT_TRUE(ConfirmDotMatrixSwitch(text, 1, 1, prompt));
    EXPECT_EQ(text, "1");
    EXPECT_EQ(prompt.Questions().at(0).text, strings::kNonAsciiLost);
}

TEST(TextRules, FontAfterALanguageChange) {
    ListEngine engine;
    EXPECT_EQ(FontForLanguage(&engine, 0x0804, "Fang"), "Fang");
    EXPECT_EQ(FontForLanguage(&engine, 0x0804, "Arial"), "宋体");
    EXPECT_EQ(FontForLanguage(&engine, 0x0409, "Tahoma"), "Tahoma");
    EXPECT_EQ(FontForLanguage(&engine, 0x0409, "Gone"), "Arial");
}

TEST(TextRules, ElementSizeFromTextAndFont) {
    ListEngine engine;
    EXPECT_EQ(TextElementSize(&engine, "abc", 2, 0, "X")->width, 21);
    EXPECT_EQ(TextElementSize(&engine, "abc", 2, 1, "X")->width, 24);
    EXPECT_EQ(TextElementSize(&engine, "abc", 1, 1, "X")->width, 18);
    EXPECT_FALSE(TextElementSize(nullptr, "abc", 2, 0, "X"));
}

} // namespace
} // namespace balsar
