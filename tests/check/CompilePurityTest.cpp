// The compile as a pure function of the project: it never changes the
// project, gives the same image whatever was opened before, and reads
// files whose screens or event list come in an older shape the same way
// on every machine.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "CheckTestSupport.h"
#include "base/Utf.h"
#include "compiler/ImageCompiler.h"
#include "elements/CLedGE.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"

using namespace balsar;

namespace {

std::vector<uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Where a string is stored: the UTF-16 units after the archive's prefix.
size_t FindStored(const std::vector<uint8_t>& bytes, const std::string& text) {
    std::vector<uint8_t> units;
    for (const char16_t u : Utf8ToUtf16(text)) {
        units.push_back(static_cast<uint8_t>(u & 0xFF));
        units.push_back(static_cast<uint8_t>(u >> 8));
    }
    const auto at = std::search(bytes.begin(), bytes.end(), units.begin(), units.end());
    return at == bytes.end() ? std::string::npos : static_cast<size_t>(at - bytes.begin());
}

// A project whose compile used to write into it: an address the port's
// protocol does not define and an alarm screen that does not exist.
std::unique_ptr<CMirloProject> ProjectACompileUsedToChange() {
    auto project = test::CleanProject();
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = test::Com0(WIDTH_BIT, 5);
    lamp->Address().regType = "ZZ";
    project->FindScreen(1)->AddElement(std::move(lamp));
    project->eventList.alarmScreen = 9;
    DataTransferItem transfer;
    transfer.timed = 1;
    transfer.sourceAddress = test::Com0(WIDTH_WORD, 1);
    transfer.sourceAddress.regType = "ZZ";
    transfer.destinationAddress.Reset(WIDTH_WORD);
    project->dataTransfers.items.push_back(transfer);
    return project;
}

class PurityTest : public ::testing::Test {
protected:
    PurityTest() : session(test::ShippedSession(sink, prompt)), doc(*session, CoreClassRegistry()) {}

    Image CompileOpen() {
        return CompileProject(*doc.Project(), CompileInputs{sink, session->PanelWidth(), session->PanelHeight(),
                                                            &session->PortDescriptions(), session->Fonts()});
    }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    std::unique_ptr<DesignerSession> session;
    CMirloDoc doc;
};

} // namespace

TEST_F(PurityTest, CompilingTwiceThenSavingWritesWhatASaveWithoutCompilingWrites) {
    doc.SetProject(ProjectACompileUsedToChange());
    session->Activate(*doc.Project());
    ASSERT_TRUE(doc.SaveToFile(folder.File("before.ZPJ"), false));
    const Image first = CompileOpen();
    const CheckResult checked = CheckProject(*doc.Project(), *session, {});
    EXPECT_EQ(CompileOpen(), first);
    EXPECT_EQ(checked.image, first);
    ASSERT_TRUE(doc.SaveToFile(folder.File("after.ZPJ"), false));
    EXPECT_EQ(Bytes(folder.File("after.ZPJ")), Bytes(folder.File("before.ZPJ")));
}

TEST_F(PurityTest, TheSameProjectGivesTheSameImageWhateverWasOpenedBefore) {
    doc.SetProject(ProjectACompileUsedToChange());
    ASSERT_TRUE(doc.SaveToFile(folder.File("a.ZPJ"), false));
    auto other = test::CleanProject();
    other->panelModelId = 3;
    other->GetPort(0)->protocolId = 2;
    other->GetPort(1)->enabled = 1;
    other->GetPort(1)->protocolId = 1;
    doc.SetProject(std::move(other));
    ASSERT_TRUE(doc.SaveToFile(folder.File("b.ZPJ"), false));

    ASSERT_TRUE(doc.OnOpenDocument(folder.File("a.ZPJ")));
    session->Activate(*doc.Project());
    const Image fresh = CompileOpen();
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("b.ZPJ")));
    session->Activate(*doc.Project());
    CompileOpen();
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("a.ZPJ")));
    session->Activate(*doc.Project());
    EXPECT_EQ(CompileOpen(), fresh);
}

TEST_F(PurityTest, ScreensStoredOutOfOrderAreReadInOrder) {
    auto project = test::CleanProject();
    project->FindScreen(1)->SetDescription("FIRST_SCREEN");
    doc.SetProject(std::move(project));
    ASSERT_TRUE(doc.SaveToFile(folder.File("p.ZPJ"), false));
    // Renumber the first stored screen to 3: the file now lists 3, 2.
    std::vector<uint8_t> bytes = Bytes(folder.File("p.ZPJ"));
    const size_t description = FindStored(bytes, "FIRST_SCREEN");
    ASSERT_NE(description, std::string::npos);
    bytes[description + 2 * 12] = 3;
    WriteBytes(folder.File("p.ZPJ"), bytes);

    ASSERT_TRUE(doc.OnOpenDocument(folder.File("p.ZPJ")));
    const auto& screens = doc.Project()->Screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0]->GetNumber(), 2);
    EXPECT_EQ(screens[1]->GetNumber(), 3);
    // The image's screen block lists them in ascending number too.
    session->Activate(*doc.Project());
    const Image image = CompileOpen();
    const uint32_t block = image.at(24 + 12) | image.at(24 + 13) << 8 | image.at(24 + 14) << 16;
    const uint32_t first = image.at(block + 4) | image.at(block + 5) << 8 | image.at(block + 6) << 16;
    EXPECT_EQ(image.at(first + 8), 2);
}

TEST_F(PurityTest, AnOlderEventListTakesTheFontOfTheProjectsFirstLanguage) {
    // The project's own language is English; the designer runs in Chinese.
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0409, "Microsoft Sans Serif"});
    project->panelModelId = 1;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    project->AddScreen(std::move(screen));
    project->eventList.font = "EVFONT";
    doc.SetProject(std::move(project));
    ASSERT_TRUE(doc.SaveToFile(folder.File("p.ZPJ"), false));
    // Rewrite the list as version 1: version, count and nothing after.
    std::vector<uint8_t> bytes = Bytes(folder.File("p.ZPJ"));
    const size_t font = FindStored(bytes, "EVFONT");
    ASSERT_NE(font, std::string::npos);
    const size_t start = font - 4 - 8 - 8;
    const size_t end = font + 2 * 6 + 8;
    ASSERT_EQ(bytes[start], 2);
    std::vector<uint8_t> older(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
    const uint8_t versionOne[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    older.insert(older.end(), std::begin(versionOne), std::end(versionOne));
    older.insert(older.end(), bytes.begin() + static_cast<std::ptrdiff_t>(end), bytes.end());
    WriteBytes(folder.File("p.ZPJ"), older);

    RecordingMessageSink chineseSink;
    RecordingPrompt chinesePrompt;
    DesignerSession chinese(chineseSink, chinesePrompt, SessionParts{.newProjectLanguage = {0x0804, "宋体"}});
    CMirloDoc reader(chinese, CoreClassRegistry());
    ASSERT_TRUE(reader.OnOpenDocument(folder.File("p.ZPJ")));
    EXPECT_EQ(reader.Project()->eventList.font, "Microsoft Sans Serif");
}
