// Texts that do not hold a project are refused with the path of the member
// at fault (or the line and column of a syntax error), and no project comes
// out of them.
#include <gtest/gtest.h>

#include "elements/CDynamicText.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "projecttext/JsonIo.h"
#include "projecttext/ProjectTextFixtures.h"

using namespace balsar;
using namespace balsar::test;

namespace {

// One screen with a lamp, a dynamic text and a picture of a 9 x 2 bitmap.
Json SmallDocument() {
    CMirloProject project;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    screen->AddElement(std::make_unique<CLedGE>());
    auto state = std::make_unique<CDynamicText>();
    state->Row(1)->SetValue("1");
    state->Row(1)->SetText("on");
    screen->AddElement(std::move(state));
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = 9;
    item->height = 2;
    item->data = {1, 2, 3, 4};
    auto picture = std::make_unique<CPictureGE>();
    picture->bitmapId = project.bitmapLibrary.AddItem(std::move(item));
    screen->AddElement(std::move(picture));
    project.AddScreen(std::move(screen));
    return Json::parse(ExportProjectJson(project));
}

std::string ErrorOf(const Json& document) { return ImportError(document.dump(2)); }

const char* kLamp = "/screens/0/elements/0";

} // namespace

TEST(ProjectJsonErrors, TheUnchangedDocumentImports) {
    ImportedProject imported = ImportOrFail(SmallDocument().dump());
    ASSERT_TRUE(imported.project);
    EXPECT_EQ(imported.project->Screens().size(), 1u);
}

TEST(ProjectJsonErrors, TextThatIsNotJsonNamesLineAndColumn) {
    EXPECT_EQ(ImportError(""), "line 1, column 1: syntax error while parsing value - unexpected end of input; "
                               "expected '[', '{', or a literal");
    EXPECT_EQ(ImportError("{\n  \"format\": \"balsar-project\",\n  oops\n}").substr(0, 45),
              "line 3, column 3: syntax error while parsing ");
    // A text cut short anywhere is refused.
    const std::string text = SmallDocument().dump(2);
    for (const size_t cut : {text.size() / 3, text.size() / 2, text.size() - 2}) {
        const std::string error = ImportError(text.substr(0, cut));
        EXPECT_EQ(error.rfind("line ", 0), 0u) << cut << ": " << error;
        EXPECT_NE(error.find("syntax error"), std::string::npos) << cut << ": " << error;
    }
    // Bytes that are not UTF-8.
    EXPECT_NE(ImportError("{\"format\": \"\xFF\"}").find("syntax error"), std::string::npos);
    EXPECT_EQ(ImportError("[1, 2]"), "$: expected an object, found [1,2]");
    // A number no double holds.
    EXPECT_EQ(ImportError("{\"panelModelId\": 9E949}"), "number overflow parsing '9E949'");
}

TEST(ProjectJsonErrors, WrongTypesAndRangesNameTheMember) {
    Json document = SmallDocument();
    document["panelModelId"] = "1";
    EXPECT_EQ(ErrorOf(document),
              "$.panelModelId: expected an integer from -2147483648 to 2147483647, found a string \"1\"");

    document = SmallDocument();
    document[Json::json_pointer(std::string(kLamp) + "/id")] = 65536;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].id: expected an integer from 0 to 65535, found an "
                                 "integer 65536");

    document = SmallDocument();
    document[Json::json_pointer(std::string(kLamp) + "/address/width")] = 1.5;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].address.width: expected an integer from -2147483648 to "
                                 "2147483647, found a number 1.5");

    document = SmallDocument();
    document["settings"]["passwords"][3] = -3000000000LL;
    EXPECT_EQ(ErrorOf(document).substr(0, 25), "$.settings.passwords[3]: ");

    document = SmallDocument();
    document["settings"]["passwords"].erase(0);
    EXPECT_EQ(ErrorOf(document), "$.settings.passwords: expected 8 values, found 7");

    document = SmallDocument();
    document["screens"][0]["elements"] = Json::object();
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements: expected an array, found an object");

    document = SmallDocument();
    document["eventList"] = Json::array();
    EXPECT_EQ(ErrorOf(document), "$.eventList: expected an object, found an array");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["address"]["regType"] = nullptr;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].address.regType: expected a string, found null");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["shape"] = true;
    EXPECT_EQ(ErrorOf(document).substr(0, 42), "$.screens[0].elements[0].shape: expected a");

    document = SmallDocument();
    document["screens"][0]["elements"][2]["sourceColours"] = {"12345"};
    EXPECT_EQ(ErrorOf(document),
              "$.screens[0].elements[2].sourceColours[0]: expected 8 hexadecimal digits, found a string \"12345\"");
}

TEST(ProjectJsonErrors, UnknownMissingAndRepeatedMembers) {
    Json document = SmallDocument();
    document["screens"][0]["elements"][0]["colour"] = 1;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].colour: unknown field");

    document = SmallDocument();
    document["extra"] = Json::object();
    EXPECT_EQ(ErrorOf(document), "$.extra: unknown field");

    document = SmallDocument();
    document["screens"][0].erase("description");
    EXPECT_EQ(ErrorOf(document), "$.screens[0].description: missing field");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["address"].erase("wordCount");
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].address.wordCount: missing field");

    // The JSON library would keep one of two equal names; the import refuses.
    EXPECT_EQ(ImportError("{\"format\": \"balsar-project\", \"screens\": [{\"a\": 1, \"a\": 2}]}"),
              "$.screens[0].a: field listed twice");
    // The path counts the items of every array and names the members of
    // every object around the repeated name, wherever it sits.
    EXPECT_EQ(ImportError("{\"format\": {\"a\": [1]}, \"format\": 2}"), "$.format: field listed twice");
    EXPECT_EQ(ImportError("[1, [], {\"a\": 1, \"a\": 2}]"), "$[2].a: field listed twice");
    EXPECT_EQ(ImportError("{\"screens\": [{}, {\"elements\": [[], {\"address\": "
                          "{\"width\": 1, \"kind\": {\"x\": 0}, \"width\": 2}}]}]}"),
              "$.screens[1].elements[1].address.width: field listed twice");
}

TEST(ProjectJsonErrors, ContentRulesOfTheForm) {
    Json document = SmallDocument();
    document["format"] = "something-else";
    EXPECT_EQ(ErrorOf(document), "$.format: expected \"balsar-project\"");

    document = SmallDocument();
    document["formatVersion"] = 2;
    EXPECT_EQ(ErrorOf(document), "$.formatVersion: made by a newer version of this program (reads 1)");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["class"] = "CGraphElement";
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].class: unknown element class \"CGraphElement\"");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["class"] = "CMirloProject";
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[0].class: unknown element class \"CMirloProject\"");

    document = SmallDocument();
    document["ports"][1]["baud"] = 3;
    EXPECT_EQ(ErrorOf(document), "$.ports[1].baud: stored only while the port is enabled");

    document = SmallDocument();
    document["ports"][1]["enabled"] = 1;
    EXPECT_EQ(ErrorOf(document), "$.ports[1].port: missing field");

    document = SmallDocument();
    document["ports"].push_back(document["ports"][0]);
    EXPECT_EQ(ErrorOf(document),
              "$.ports[3]: only COM0, COM1 and COM2 are listed here; the CAN port is \"canPort\"");

    document = SmallDocument();
    document["ports"].erase(2);
    EXPECT_EQ(ErrorOf(document), "$.ports: expected 3 ports (COM0, COM1, COM2), found 2");

    document = SmallDocument();
    document["screens"].push_back(document["screens"][0]);
    EXPECT_EQ(ErrorOf(document), "$.screens[1].number: screen 1 is listed twice");

    document = SmallDocument();
    document["bitmapLibrary"].push_back(document["bitmapLibrary"][0]);
    EXPECT_EQ(ErrorOf(document), "$.bitmapLibrary[1].id: bitmap 1 is listed twice");

    document = SmallDocument();
    document["bitmapLibrary"][0]["rows"][1] = "0304FF";
    EXPECT_EQ(ErrorOf(document), "$.bitmapLibrary[0].rows[1]: expected 4 hexadecimal digits, found 6");

    document = SmallDocument();
    document["bitmapLibrary"][0]["rows"][0] = "0G02";
    EXPECT_EQ(ErrorOf(document),
              "$.bitmapLibrary[0].rows[0]: expected pairs of hexadecimal digits, found a string \"0G02\"");

    document = SmallDocument();
    document["bitmapLibrary"][0]["data"] = {"01"};
    EXPECT_EQ(ErrorOf(document), "$.bitmapLibrary[0].data: a bitmap has either \"rows\" or \"data\"");

    document = SmallDocument();
    document["bitmapLibrary"][0]["height"] = 3;
    EXPECT_EQ(ErrorOf(document), "$.bitmapLibrary[0].rows: expected 3 rows, found 2");

    document = SmallDocument();
    document["screens"][0]["elements"][1]["rows"][0]["row"] = 257;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[1].rows[0].row: expected a row number from 1 to 256");

    document = SmallDocument();
    document["screens"][0]["elements"][1]["rows"].push_back(document["screens"][0]["elements"][1]["rows"][0]);
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[1].rows[1].row: row 1 is listed twice");

    document = SmallDocument();
    document["screens"][0]["elements"][0]["address"]["port"] = "0x7FF8000000000000";
    EXPECT_NE(ErrorOf(document).find("expected an integer"), std::string::npos);

    document = SmallDocument();
    document["screens"][0]["elements"][1]["address"]["text"] = 7;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[1].address.text: expected a string, found an integer 7");
}

TEST(ProjectJsonErrors, DoublesTakeNumbersOrTheirBits) {
    // A bar's scale as a plain integer, and as the bits of a negative zero.
    Json document = SmallDocument();
    Json element = Json::parse(R"({"class": "CBarGE", "kind": 5, "id": 0, "name": "BAR0", "left": 0, "top": 0,
        "width": 10, "height": 20, "doubleSize": 0, "reverse": 0, "extraA": 1, "extraB": 1, "order": 65535,
        "dataType": 0, "dataWidth": 0, "fullScale": 100, "zeroScale": "0x8000000000000000", "direction": 0,
        "address": {"width": 1, "port": -1, "station": 0, "regType": "LW", "text": "", "address": 3,
        "hasSub": 0, "sub": 0, "hasIndex": 0, "index": 0, "encoding": 0, "wordCount": 1}})");
    document["screens"][0]["elements"].push_back(element);
    ImportedProject imported = ImportOrFail(document.dump());
    ASSERT_TRUE(imported.project);
    const std::string text = ExportProjectJson(*imported.project);
    EXPECT_NE(text.find("\"fullScale\": 100.0"), std::string::npos);
    EXPECT_NE(text.find("\"zeroScale\": -0.0"), std::string::npos);

    element["zeroScale"] = "0x80";
    document["screens"][0]["elements"][3] = element;
    EXPECT_EQ(ErrorOf(document), "$.screens[0].elements[3].zeroScale: expected a number (or \"0x\" and 16 "
                                 "hexadecimal digits), found a string \"0x80\"");
}
