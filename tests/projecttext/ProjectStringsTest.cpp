// The strings of a project for translation: the places and boxes listed,
// CSV and XLIFF written and read back, translations applied (and refused),
// and a translated project compiling to the image of one built with the
// translated texts directly.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ImageCompiler.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CStaticText.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "projecttext/ProjectStrings.h"
#include "projecttext/StringsCsv.h"
#include "projecttext/StringsXliff.h"
#include "projecttext/TranslationFit.h"

using namespace balsar;

namespace {

constexpr int kPanelWidth = 128;

// Screen 1: a static text "Start" at x 10 and a dynamic text with states
// "Off" (row 1) and "On" (row 3), both in the built-in 8-pixel font; screen
// 2: an event list 100 pixels wide; two events. Languages: Chinese (PRC)
// first, English second. Texts of the translated project are given when
// the project is to be built with them directly.
struct Texts {
    std::string start = "Start";
    std::string off = "Off";
    std::string on = "On";
    std::string alarm = "Motor hot, stop";
    std::string second = "";
    int language = 0;
};

std::unique_ptr<CMirloProject> Project(const Texts& texts = {}) {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 1;
    project->languages.Clear();
    project->languages.Add(0x0804, "宋体");
    project->languages.Add(0x0409, "Microsoft Sans Serif");
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    auto text = std::make_unique<CStaticText>();
    text->SetSizeIndex(0, nullptr);
    text->SetLanguage(texts.language, nullptr);
    text->SetText(texts.start, nullptr);
    text->SetTopLeft(10, 4);
    screen->AddElement(std::move(text));
    auto state = std::make_unique<CDynamicText>();
    state->SetSizeIndex(0, nullptr);
    state->SetLanguage(texts.language, nullptr);
    state->Row(1)->SetValue("0");
    state->Row(1)->SetText(texts.off);
    state->Row(3)->SetValue("1");
    state->Row(3)->SetText(texts.on);
    state->SetTopLeft(0, 20);
    screen->AddElement(std::move(state));
    project->AddScreen(std::move(screen));
    auto second = std::make_unique<CHMIFrame>();
    second->SetNumber(2);
    auto list = std::make_unique<CEventListGE>();
    list->CoverScreen(100, 64);
    second->AddElement(std::move(list));
    project->AddScreen(std::move(second));
    project->eventList.fontSizeIndex = 0;
    project->eventList.language = texts.language;
    EventItem alarm;
    alarm.message = texts.alarm;
    project->eventList.items.push_back(alarm);
    EventItem other;
    other.message = texts.second;
    project->eventList.items.push_back(other);
    return project;
}

Image CompileAtPanelWidth(CMirloProject& project) {
    RecordingMessageSink sink;
    return CompileProject(project, CompileInputs{sink, kPanelWidth, 64});
}

const ProjectText* Find(const ProjectTexts& texts, const std::string& id) {
    for (const ProjectText& text : texts.texts) {
        if (text.place.id == id) {
            return &text;
        }
    }
    return nullptr;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(ProjectStrings, ListsEveryShownTextWithItsPlaceAndBox) {
    const auto project = Project();
    const ProjectTexts texts = CollectProjectTexts(*project, 1, kPanelWidth);
    EXPECT_EQ(texts.languageId, 0x0409);
    EXPECT_EQ(texts.languageTag, "en");
    EXPECT_EQ(texts.sourceLanguageTag, "zh");
    ASSERT_EQ(texts.texts.size(), 5u);

    const ProjectText* start = Find(texts, "screen1/ST0");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->place.kind, TextKind::StaticText);
    EXPECT_EQ(start->place.screen, 1);
    EXPECT_EQ(start->source, "Start");
    EXPECT_EQ(start->current, "");  // stored in language 0, not yet in 1
    EXPECT_EQ(start->boxWidth, kPanelWidth - 10);
    EXPECT_EQ(start->boxHeight, 8);
    EXPECT_TRUE(start->dotMatrix);

    // Only the used state rows, by row number.
    const ProjectText* on = Find(texts, "screen1/DT0/state3");
    ASSERT_NE(on, nullptr);
    EXPECT_EQ(on->place.state, 3);
    EXPECT_EQ(on->source, "On");
    EXPECT_EQ(Find(texts, "screen1/DT0/state2"), nullptr);
    EXPECT_EQ(on->boxWidth, kPanelWidth);

    // Event messages fit the narrowest event list; an empty one is listed.
    const ProjectText* alarm = Find(texts, "event1");
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(alarm->place.item, 1);
    EXPECT_EQ(alarm->boxWidth, 100);
    EXPECT_EQ(alarm->boxHeight, 8);
    ASSERT_NE(Find(texts, "event2"), nullptr);

    // Asked for the language the texts are in, the current text is filled.
    EXPECT_EQ(Find(CollectProjectTexts(*project, 0, kPanelWidth), "screen1/ST0")->current, "Start");
}

TEST(ProjectStrings, LanguageArgumentIsAnIndexOrAnIdentifierOfTheTable) {
    const auto project = Project();
    int index = -1;
    std::string error;
    EXPECT_TRUE(ResolveTextLanguage(project->languages, "1", index, error));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(ResolveTextLanguage(project->languages, "0x0409", index, error));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(ResolveTextLanguage(project->languages, "2052", index, error));  // 0x0804
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(ResolveTextLanguage(project->languages, "2", index, error));
    EXPECT_NE(error.find("2 languages"), std::string::npos) << error;
    EXPECT_FALSE(ResolveTextLanguage(project->languages, "en", index, error));
    EXPECT_FALSE(ResolveTextLanguage(project->languages, "0x0407", index, error));
}

TEST(ProjectStrings, CsvTranslationRoundTripCompilesTheNewTexts) {
    auto project = Project();
    std::string csv = WriteStringsCsv(CollectProjectTexts(*project, 1, kPanelWidth));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("id,kind,screen,element,state,item,width,height,size,dotmatrix,language,source_language,"
                       "source,target\r\n"),
              std::string::npos);
    // A translator fills the target column; quoting as RFC 4180 wants it.
    csv = Replace(csv, ",Start,\r\n", ",Start,Anfang\r\n");
    csv = Replace(csv, ",Off,\r\n", ",Off,Aus\r\n");
    csv = Replace(csv, ",On,\r\n", ",On,Ein\r\n");
    csv = Replace(csv, ",\"Motor hot, stop\",\r\n", ",\"Motor hot, stop\",\"Motor \"\"heiss\"\", halt\"\r\n");

    std::vector<Translation> translations;
    std::string error;
    ASSERT_TRUE(ReadStringsCsv(csv, 1, translations, error)) << error;
    ASSERT_EQ(translations.size(), 5u);
    TranslationResult result;
    ASSERT_TRUE(ApplyTranslations(*project, 1, translations, nullptr, result, error)) << error;
    ASSERT_EQ(result.changed.size(), 4u);  // event2 has no target
    EXPECT_EQ(result.changed[0].id, "screen1/ST0");
    EXPECT_TRUE(result.warnings.empty());

    const auto* text = dynamic_cast<const CStaticText*>(project->Screens()[0]->GetElements()[0].get());
    EXPECT_EQ(text->GetText(), "Anfang");
    EXPECT_EQ(text->GetLanguage(), 1);
    EXPECT_EQ(project->eventList.items[0].message, "Motor \"heiss\", halt");
    EXPECT_EQ(project->eventList.language, 1);
    // The built-in font sizes the element from the new text.
    EXPECT_EQ(text->Rect().right - text->Rect().left, 6 * 6);

    Texts translated;
    translated.start = "Anfang";
    translated.off = "Aus";
    translated.on = "Ein";
    translated.alarm = "Motor \"heiss\", halt";
    translated.language = 1;
    auto expected = Project(translated);
    EXPECT_EQ(CompileAtPanelWidth(*project), CompileAtPanelWidth(*expected));
    EXPECT_NE(CompileAtPanelWidth(*project), CompileAtPanelWidth(*Project()));

    // Exported again, the texts are current in language 1.
    const ProjectTexts again = CollectProjectTexts(*project, 1, kPanelWidth);
    EXPECT_EQ(Find(again, "screen1/DT0/state1")->current, "Aus");
}

TEST(ProjectStrings, XliffTranslationRoundTrip) {
    auto project = Project();
    const std::string xliff = WriteStringsXliff(CollectProjectTexts(*project, 1, kPanelWidth), "demo.ZPJ");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xliff.c_str()));
    const pugi::xml_node file = document.child("xliff").child("file");
    EXPECT_STREQ(document.child("xliff").attribute("version").as_string(), "1.2");
    EXPECT_STREQ(file.attribute("source-language").as_string(), "zh");
    EXPECT_STREQ(file.attribute("target-language").as_string(), "en");
    const pugi::xml_node unit = file.child("body").find_child_by_attribute("trans-unit", "id", "screen1/ST0");
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit.attribute("maxwidth").as_int(), kPanelWidth - 10);
    EXPECT_EQ(unit.attribute("maxheight").as_int(), 8);
    EXPECT_STREQ(unit.attribute("size-unit").as_string(), "pixel");
    EXPECT_STREQ(unit.child("source").text().get(), "Start");
    EXPECT_STREQ(unit.child("target").attribute("state").as_string(), "needs-translation");

    // A translation tool fills the targets; spaces and markup characters stay.
    for (pugi::xml_node each : file.child("body").children("trans-unit")) {
        const std::string source = each.child("source").text().get();
        each.child("target").text() = (" <" + source + "> & more ").c_str();
        each.child("target").attribute("state") = "translated";
    }
    std::ostringstream filled;
    document.save(filled);
    std::vector<Translation> translations;
    std::string error;
    ASSERT_TRUE(ReadStringsXliff(filled.str(), "en", translations, error)) << error;
    TranslationResult result;
    ASSERT_TRUE(ApplyTranslations(*project, 1, translations, nullptr, result, error)) << error;
    EXPECT_EQ(result.changed.size(), 5u);
    const auto* state = dynamic_cast<CDynamicText*>(project->Screens()[0]->GetElements()[1].get());
    EXPECT_EQ(state->Row(3)->GetText(), " <On> & more ");
    EXPECT_EQ(state->GetLanguage(), 1);
    EXPECT_EQ(state->GetFont(), "Microsoft Sans Serif");
}

TEST(ProjectStrings, TextsWithSeparatorsQuotesAndLineBreaksSurviveCsv) {
    Texts texts;
    texts.start = " lead";
    texts.off = "a,b";
    texts.on = "say \"hi\"";
    texts.alarm = "two\r\nlines";
    texts.second = "中文";
    auto project = Project(texts);
    const std::string csv = WriteStringsCsv(CollectProjectTexts(*project, 0, kPanelWidth));
    std::vector<Translation> read;
    std::string error;
    ASSERT_TRUE(ReadStringsCsv(csv, 0, read, error)) << error;
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[0].source, " lead");
    EXPECT_EQ(read[0].target, " lead");
    EXPECT_EQ(read[1].target, "a,b");
    EXPECT_EQ(read[2].target, "say \"hi\"");
    EXPECT_EQ(read[3].target, "two\r\nlines");
    EXPECT_EQ(read[4].target, "中文");
    // Lines are counted across the quoted line breaks (source and target).
    EXPECT_EQ(read[4].where, "line 8") << csv;
}

TEST(ProjectStrings, BadCsvIsRefusedWithItsLine) {
    const auto refused = [](const std::string& text, int language = 1) {
        std::vector<Translation> read{Translation{"kept", "", "", ""}};
        std::string error;
        EXPECT_FALSE(ReadStringsCsv(text, language, read, error)) << text;
        EXPECT_EQ(read.size(), 1u);  // left as it was
        return error;
    };
    EXPECT_EQ(refused(""), "line 1: no header row (empty file)");
    EXPECT_EQ(refused("id,source\r\nx,y\r\n"), "line 1: the header has no \"target\" column");
    EXPECT_EQ(refused("id,target\r\nx,\"cut sh"), "line 2: quoted field not closed (file truncated?)");
    EXPECT_EQ(refused("id,target\r\nx,y\r\nz\r\n"), "line 3: 1 fields, the header has 2");
    EXPECT_EQ(refused("id,target\r\nx,\"y\"z\r\n"), "line 2: character after a closing quote");
    EXPECT_EQ(refused("id,target\r\nx,y\"z\r\n"), "line 2: quote inside an unquoted field");
    EXPECT_EQ(refused("id,target,language\r\nx,y,0\r\n"), "line 2: the row is for language 0, not 1");
    EXPECT_EQ(refused("id,target\r\n,y\r\n"), "line 2: empty id");
}

TEST(ProjectStrings, BadXliffIsRefused) {
    const auto refused = [](const std::string& text) {
        std::vector<Translation> read;
        std::string error;
        EXPECT_FALSE(ReadStringsXliff(text, "en", read, error)) << text;
        return error;
    };
    const std::string good = WriteStringsXliff(CollectProjectTexts(*Project(), 1, kPanelWidth), "p.ZPJ");
    EXPECT_EQ(refused(good.substr(0, good.size() / 2)).rfind("line ", 0), 0u);
    EXPECT_NE(refused(good.substr(0, good.size() / 2)).find("not well-formed XML"), std::string::npos);
    EXPECT_EQ(refused("<root/>"), "not an XLIFF document (no <xliff> root element)");
    EXPECT_EQ(refused("<xliff version=\"2.0\"/>"), "XLIFF version \"2.0\" is not 1.2");
    EXPECT_EQ(refused("<xliff version=\"1.2\"/>"), "the XLIFF document has no <file>");
    EXPECT_EQ(refused(Replace(good, "target-language=\"en\"", "target-language=\"de\"")),
              "the file's target language is \"de\", not \"en\"");
    EXPECT_NE(refused(Replace(good, "<trans-unit id=\"event1\"", "<trans-unit")).find(": no id"), std::string::npos);
    EXPECT_NE(refused(Replace(good, "<source>On</source>", "<source>O<g id=\"1\">n</g></source>"))
                  .find("markup inside <source>"),
              std::string::npos);
    // A region tag in another spelling is the same language.
    std::vector<Translation> read;
    std::string error;
    EXPECT_TRUE(ReadStringsXliff(Replace(good, "target-language=\"en\"", "target-language=\"EN\""), "en", read, error))
        << error;
}

TEST(ProjectStrings, RefusedTranslationsLeaveTheProjectAlone) {
    auto project = Project();
    const Image before = CompileAtPanelWidth(*project);
    std::string error;
    TranslationResult result;
    TextPlace previous;
    previous.id = "previous";
    result.changed.push_back(previous);
    // A known id first: nothing of it may be applied either.
    std::vector<Translation> unknown{{"screen1/ST0", "", "Anfang", "line 2"}, {"screen9/ST1", "", "x", "line 3"}};
    EXPECT_FALSE(ApplyTranslations(*project, 1, unknown, nullptr, result, error));
    EXPECT_EQ(error, "line 3: unknown id \"screen9/ST1\" (no such text in the project)");
    std::vector<Translation> twice{{"event1", "", "a", "line 2"}, {"event1", "", "b", "line 5"}};
    EXPECT_FALSE(ApplyTranslations(*project, 1, twice, nullptr, result, error));
    EXPECT_EQ(error, "line 5: id \"event1\" given twice with different texts (first at line 2)");
    EXPECT_FALSE(ApplyTranslations(*project, 2, {}, nullptr, result, error));
    EXPECT_EQ(CompileAtPanelWidth(*project), before);
    ASSERT_EQ(result.changed.size(), 1u);
    EXPECT_EQ(result.changed[0].id, "previous");

    // The same entry twice is harmless; a changed source is applied with a warning.
    std::vector<Translation> same{{"event1", "Motor hot", "Heiss", "line 2"}, {"event1", "", "Heiss", "line 3"}};
    ASSERT_TRUE(ApplyTranslations(*project, 1, same, nullptr, result, error)) << error;
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_NE(result.warnings[0].find("changed since the export"), std::string::npos);
    EXPECT_EQ(project->eventList.items[0].message, "Heiss");
}

// After an import, each changed text is measured as the compile draws it:
// one that runs past its box, or needs glyphs the built-in font lacks, is
// named by its place; texts that fit, and texts the import did not change,
// are not.
TEST(ProjectStrings, ImportedTextsThatNoLongerFitAreNamedWithTheirPlace) {
    auto project = Project();
    const std::vector<Translation> translations{
        {"screen1/ST0", "Start", "Start the main conveyor now", ""},  // 27 x 6 px from x 10: past 118
        {"screen1/DT0/state3", "On", "开", ""},                         // no Chinese in the built-in font
        {"screen1/DT0/state1", "Off", "Aus", ""}};
    TranslationResult result;
    std::string error;
    ASSERT_TRUE(ApplyTranslations(*project, 1, translations, nullptr, result, error)) << error;
    ASSERT_EQ(result.changed.size(), 3u);

    RecordingMessageSink sink;
    FixedPrompt prompt(Answer::No);
    DesignerSession session(sink, prompt);
    const std::vector<TranslationFinding> findings = CheckTranslatedTexts(*project, session, result.changed);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].place.id, "screen1/ST0");
    EXPECT_NE(findings[0].message.find("the box is 118x"), std::string::npos) << findings[0].message;
    EXPECT_EQ(findings[1].place.id, "screen1/DT0/state3");
    EXPECT_NE(findings[1].message.find("开"), std::string::npos) << findings[1].message;
    EXPECT_TRUE(CheckTranslatedTexts(*project, session, {}).empty());
}
