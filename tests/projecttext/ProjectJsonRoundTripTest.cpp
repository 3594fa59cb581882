// The JSON text form of a project: exporting and importing a project saves
// exactly the bytes saving the project itself writes, for projects built
// through the core, the committed reference project and files of older
// record versions; an edited text imports with exactly that edit; every
// field of the text reaches the project file.
#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <set>
#include <sstream>

#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementRegistry.h"
#include "projecttext/ElementFields.h"
#include "projecttext/JsonIo.h"
#include "projecttext/ProjectTextFixtures.h"

using namespace balsar;
using namespace balsar::test;

namespace {

// Index of the first differing byte, for a readable failure.
std::string Difference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) + ", first difference at byte " +
           std::to_string(i);
}

// Exports the project, imports the text and compares what both save; the
// text of the imported project must also be the text it came from.
std::string ExpectRoundTrip(CMirloProject& project) {
    const std::string text = ExportProjectJson(project);
    ImportedProject imported = ImportOrFail(text);
    if (!imported.project) {
        return text;
    }
    // Before saving: a save recounts the bitmaps' uses and drops unused ones.
    EXPECT_EQ(ExportProjectJson(*imported.project), text);
    const std::vector<uint8_t> expected = SavedBytes(project);
    const std::vector<uint8_t> actual = SavedBytes(*imported.project);
    EXPECT_TRUE(actual == expected) << Difference(actual, expected);
    return text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(ProjectJsonRoundTrip, ReferenceProjectSavesItsOwnFileAgain) {
    std::unique_ptr<CMirloProject> project = LoadProjectFile(ReferenceProjectPath());
    ASSERT_TRUE(project);
    const std::vector<uint8_t> file = SavedBytes(*project);
    const std::string text = ExpectRoundTrip(*project);
    ImportedProject imported = ImportOrFail(text);
    ASSERT_TRUE(imported.project);
    EXPECT_TRUE(SavedBytes(*imported.project) == file);

    // One member to a line, the layout stable from the first line on.
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GT(lines.size(), 100u);
    EXPECT_EQ(lines[0], "{");
    EXPECT_EQ(lines[1], "  \"format\": \"balsar-project\",");
    EXPECT_EQ(lines[2], "  \"formatVersion\": 1,");
    EXPECT_EQ(lines[3], "  \"panelModelId\": 1,");
    EXPECT_TRUE(Contains(text, "\"text\": \"温度控制\""));
    EXPECT_TRUE(Contains(text, "\"class\": \"CEventListGE\""));
}

TEST(ProjectJsonRoundTrip, EveryKindAndUnusualValues) {
    std::unique_ptr<CMirloProject> project = RichProject();
    const std::string text = ExpectRoundTrip(*project);
    for (const ElementClass& kind : ElementClasses()) {
        EXPECT_TRUE(Contains(text, "\"class\": \"" + std::string(kind.info->name) + "\"")) << kind.info->name;
    }
    // Values JSON numbers cannot carry keep their bits; texts stay readable.
    EXPECT_TRUE(Contains(text, "\"inputUpper\": \"0x7FF8000000000000\""));
    EXPECT_TRUE(Contains(text, "\"inputLower\": \"0xFFF0000000000000\""));
    EXPECT_TRUE(Contains(text, "\"scaleLower\": -0.0"));
    EXPECT_TRUE(Contains(text, "\"text\": \"温度 \\\"quoted\\\" \\\\ 😀\\n\""));
    EXPECT_TRUE(Contains(text, "\"typeName\": \"D\""));
    EXPECT_TRUE(Contains(text, "\"lowerLimit\": -9223372036854775808"));
    // Bitmaps as rows of hexadecimal digits; data that does not fit its
    // size as loose lines.
    EXPECT_TRUE(Contains(text, "\"rows\": [\n        \"0102\",\n        \"FF03\"\n      ]"));
    EXPECT_TRUE(Contains(text, "\"data\": [\n        \"AABB\"\n      ]"));
    EXPECT_TRUE(Contains(text, "\"sourceColours\": [\n            \"00000000\",\n            \"00FFFFFF\""));
    // Only the state rows in use, by number.
    EXPECT_TRUE(Contains(text, "\"row\": 256"));
    EXPECT_FALSE(Contains(text, "\"row\": 2,"));
    // A port that is not in use stores its flag only.
    EXPECT_TRUE(Contains(text, "{\n      \"enabled\": 0\n    }"));
}

TEST(ProjectJsonRoundTrip, OlderRecordVersionsExportTheirDefaults) {
    std::unique_ptr<CMirloProject> project = LoadProjectBytes(OlderRecordsFile());
    ASSERT_TRUE(project);
    ASSERT_EQ(project->Screens().size(), 1u);
    const ElementList& elements = project->Screens()[0]->GetElements();
    ASSERT_EQ(elements.size(), 6u);
    const auto& text = dynamic_cast<const CStaticText&>(*elements[0]);
    EXPECT_EQ(text.GetDotMatrix(), 0);
    const auto& stateV1 = dynamic_cast<const CDynamicText&>(*elements[1]);
    EXPECT_EQ(stateV1.GetAlignment(), CDynamicText::ALIGN_LEFT);
    EXPECT_EQ(stateV1.Address().hasIndex, 0);
    const auto& regV1 = dynamic_cast<const CRegisterGE&>(*elements[2]);
    EXPECT_EQ(regV1.alignment, CRegisterGE::ALIGN_RIGHT);
    const auto& stateV2 = dynamic_cast<const CDynamicText&>(*elements[3]);
    EXPECT_EQ(stateV2.GetAlignment(), CDynamicText::ALIGN_CENTRE);
    EXPECT_EQ(stateV2.GetDotMatrix(), 0);
    const auto& regV2 = dynamic_cast<const CRegisterGE&>(*elements[4]);
    EXPECT_EQ(regV2.keepLevel, 0);
    EXPECT_EQ(dynamic_cast<const CFunckeyGE&>(*elements[5]).GetKeepLevel(), 0);

    const std::string json = ExpectRoundTrip(*project);
    EXPECT_TRUE(Contains(json, "\"dotMatrix\": 0"));
    EXPECT_TRUE(Contains(json, "\"hasIndex\": 0"));
}

TEST(ProjectJsonRoundTrip, ProjectFileVersion1ExportsItsDefaults) {
    std::unique_ptr<CMirloProject> project = LoadProjectBytes(Version1File());
    ASSERT_TRUE(project);
    EXPECT_EQ(project->showLabels, 1);
    EXPECT_EQ(project->settings.passwordScreen, 1);
    // The version-1 picture took its bitmap from its source file.
    ASSERT_EQ(project->Screens().size(), 1u);
    const auto& picture = dynamic_cast<const CPictureGE&>(*project->Screens()[0]->GetElements().at(1));
    ASSERT_GT(picture.bitmapId, 0);
    ASSERT_EQ(project->bitmapLibrary.Items().size(), 1u);
    const std::string json = ExpectRoundTrip(*project);
    EXPECT_TRUE(Contains(json, "\"width\": 24,\n      \"height\": 24,\n      \"rows\": ["));
    EXPECT_TRUE(Contains(json, "\"showLabels\": 1,"));
    EXPECT_TRUE(Contains(json, "\"passwordScreen\": 1,"));
    EXPECT_TRUE(Contains(json, "\"dataTransfers\": []\n}"));
    EXPECT_TRUE(Contains(json, "\"message\": \"v1 event\""));
}

TEST(ProjectJsonRoundTrip, AnEditedTextImportsWithExactlyThatChange) {
    std::unique_ptr<CMirloProject> project = LoadProjectFile(ReferenceProjectPath());
    ASSERT_TRUE(project);
    const std::string text = ExportProjectJson(*project);
    const std::string from = "\"text\": \"Speed\"";
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos);
    std::string edited = text;
    edited.replace(at, from.size(), "\"text\": \"Tempo\"");

    // The same edit made through the model.
    CStaticText* speed = nullptr;
    for (const auto& screen : project->Screens()) {
        for (const auto& element : screen->GetElements()) {
            auto* label = dynamic_cast<CStaticText*>(element.get());
            if (label != nullptr && label->GetText() == "Speed") {
                speed = label;
            }
        }
    }
    ASSERT_NE(speed, nullptr);
    speed->SetText("Tempo", nullptr);

    ImportedProject imported = ImportOrFail(edited);
    ASSERT_TRUE(imported.project);
    EXPECT_TRUE(SavedBytes(*imported.project) == SavedBytes(*project));
    // And the edit is one line of the text.
    const std::vector<std::string> before = Lines(text);
    const std::vector<std::string> after = Lines(ExportProjectJson(*imported.project));
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        changed += before[i] != after[i] ? 1 : 0;
    }
    EXPECT_EQ(changed, 1);
}

namespace {

// Changes one leaf value of a JSON document so that it stays of its type.
void Mutate(Json& value) {
    if (value.is_number_unsigned()) {
        const uint64_t v = value.get<uint64_t>();
        value = v == 0 ? 1 : v - 1;
    } else if (value.is_number_integer()) {
        const int64_t v = value.get<int64_t>();
        value = v == std::numeric_limits<int64_t>::min() ? v + 1 : v - 1;
    } else if (value.is_number_float()) {
        value = value.get<double>() * 2 + 1;
    } else if (value.is_string()) {
        std::string text = value.get<std::string>();
        if (text.size() == 18 && text.rfind("0x", 0) == 0) {
            text = "0x3FF0000000000000";
        } else if (!text.empty() && std::isxdigit(static_cast<unsigned char>(text[0])) &&
                   text.find_first_not_of("0123456789ABCDEF") == std::string::npos && text.size() % 2 == 0) {
            text[0] = text[0] == '0' ? '1' : '0';
        } else {
            text += "x";
        }
        value = text;
    }
}

std::vector<std::string> SplitPointer(const std::string& pointer) {
    std::vector<std::string> segments;
    size_t at = 1;
    while (at <= pointer.size()) {
        const size_t next = pointer.find('/', at);
        segments.push_back(pointer.substr(at, next == std::string::npos ? std::string::npos : next - at));
        if (next == std::string::npos) {
            break;
        }
        at = next + 1;
    }
    return segments;
}

void CollectLeaves(const Json& node, const Json::json_pointer& at, std::vector<Json::json_pointer>& leaves) {
    if (node.is_object()) {
        for (auto it = node.begin(); it != node.end(); ++it) {
            CollectLeaves(it.value(), at / it.key(), leaves);
        }
    } else if (node.is_array()) {
        for (size_t i = 0; i < node.size(); ++i) {
            CollectLeaves(node[i], at / i, leaves);
        }
    } else {
        leaves.push_back(at);
    }
}

// The field a leaf stands for: its path without array indexes, and the
// element's class for fields of elements. One leaf of each is enough.
std::string FieldOf(const Json& document, const Json::json_pointer& leaf) {
    std::string shape;
    std::string element;
    Json::json_pointer at;
    for (const std::string& segment : SplitPointer(leaf.to_string())) {
        at /= segment;
        const bool index = !segment.empty() && segment.find_first_not_of("0123456789") == std::string::npos;
        shape += index ? "/#" : "/" + segment;
        if (index && shape.ends_with("/elements/#")) {
            element = document[at].at("class").get<std::string>();
        }
    }
    return element + shape;
}

// A save drops the bitmaps no picture shows, whatever they hold.
bool InUnusedBitmap(const Json& document, const Json::json_pointer& leaf) {
    const std::string where = leaf.to_string();
    if (where.rfind("/bitmapLibrary/", 0) != 0) {
        return false;
    }
    const size_t slash = where.find('/', 15);
    const Json& entry = document[Json::json_pointer(where.substr(0, slash))];
    return entry.at("useCount").get<int>() == 0;
}

} // namespace

TEST(ProjectJsonRoundTrip, EveryFieldOfTheTextReachesTheProjectFile) {
    // Changing any one value either changes what the import saves or is
    // refused; only the bitmaps' use counts are recomputed by every save,
    // which also drops the bitmaps no picture shows.
    for (const bool reference : {true, false}) {
        std::unique_ptr<CMirloProject> project = reference ? LoadProjectFile(ReferenceProjectPath()) : RichProject();
        ASSERT_TRUE(project);
        // Saved first, so that the text carries the use counts of the save.
        const std::vector<uint8_t> saved = SavedBytes(*project);
        Json document = Json::parse(ExportProjectJson(*project));
        std::vector<Json::json_pointer> leaves;
        CollectLeaves(document, Json::json_pointer(), leaves);
        ASSERT_GT(leaves.size(), 300u);
        std::set<std::string> fields;
        for (const Json::json_pointer& leaf : leaves) {
            const std::string where = leaf.to_string();
            if (!fields.insert(FieldOf(document, leaf)).second) {
                continue;
            }
            if (where == "/format" || where == "/formatVersion" || where.ends_with("/class") ||
                where.ends_with("/useCount") || InUnusedBitmap(document, leaf)) {
                continue;
            }
            Json& value = document[leaf];
            const Json original = value;
            Mutate(value);
            ImportedProject imported;
            std::string error;
            if (ImportProjectDocument(document, LanguageDefaults{}, imported, error)) {
                EXPECT_FALSE(SavedBytes(*imported.project) == saved) << where << " changes nothing";
            }
            value = original;
        }
    }
}

TEST(ProjectJsonRoundTrip, EveryElementClassHasATextForm) {
    for (const ElementClass& kind : ElementClasses()) {
        EXPECT_TRUE(HasElementText(kind.info->name)) << kind.info->name;
    }
    EXPECT_FALSE(HasElementText("CGraphElement"));
}
