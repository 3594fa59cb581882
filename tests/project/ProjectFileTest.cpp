// The project file: layout, versions, round trips and damaged input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/FakeElement.h"
#include "project/ProjectStrings.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::FakeElement;
using balsar::test::Hex;

namespace {

struct ProjectFileFixture {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session{sink, prompt};
    test::TempFolder folder;
};

std::unique_ptr<CHMIFrame> Screen(uint16_t number) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    screen->SetUpKeyTarget(static_cast<uint16_t>(number - 1));
    screen->SetDownKeyTarget(static_cast<uint16_t>(number + 1));
    return screen;
}

// A project with something in every member the file carries.
std::unique_ptr<CMirloProject> RichProject() {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 2;
    project->showLabels = 0;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    project->GetPort(0)->baud = 3;
    project->GetPort(2)->enabled = 1;
    project->GetPort(2)->station = 4;
    project->languages.Add(0x0409, "Microsoft Sans Serif");
    for (uint16_t n : {5, 2, 9}) {
        auto screen = Screen(n);
        auto element = std::make_unique<FakeElement>(4);
        element->payload = n;
        element->port = 2;
        screen->AddElement(std::move(element));
        project->AddScreen(std::move(screen));
    }
    project->settings.initialScreen = 2;
    project->settings.controlAddress.Reset(WIDTH_WORD, 2, 1);
    EventItem event;
    event.message = "报警";
    event.address.Reset(WIDTH_BIT, 0, 1);
    project->eventList.items.push_back(event);
    DataTransferItem transfer;
    transfer.count = 7;
    project->dataTransfers.items.push_back(transfer);
    auto bitmap = std::make_unique<CSingleColorBitmapLibItem>();
    bitmap->width = 9;
    bitmap->height = 2;
    bitmap->data = {1, 2, 3, 4};
    project->bitmapLibrary.AddItem(std::move(bitmap));
    return project;
}

std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
}

} // namespace

TEST(ProjectFile, HeaderAndBodyStart) {
    ProjectFileFixture f;
    CMirloDoc doc(f.session, test::TestRegistry());
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 1;
    doc.SetProject(std::move(project));
    const std::string path = f.folder.File("p.ZPJ");
    ASSERT_TRUE(doc.SaveToFile(path, true));
    const std::vector<uint8_t> bytes = Bytes(path);
    const std::vector<uint8_t> head = Hex("FFFF 0100 0D00 434D69726C6F50726F6A656374"
                                          "05000000 05000000 01000000 01000000"
                                          "01000000 00000000 01000000 00000000 01000000 00000000" // COM0-2
                                          "01000000 00000000");                                   // CAN
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);
    EXPECT_EQ(doc.Project()->GetProjectName(), "p");
    EXPECT_FALSE(doc.IsModified());
}

TEST(ProjectFile, EveryMemberSurvivesSaveLoadSave) {
    ProjectFileFixture f;
    CMirloDoc doc(f.session, test::TestRegistry());
    doc.SetProject(RichProject());
    const std::string first = f.folder.File("rich.ZPJ");
    ASSERT_TRUE(doc.SaveToFile(first, true));
    // The bitmap entry no picture uses stays in memory but not in the file.
    EXPECT_EQ(doc.Project()->bitmapLibrary.Items().size(), 1u);

    CMirloDoc other(f.session, test::TestRegistry());
    ASSERT_TRUE(other.OnOpenDocument(first));
    const CMirloProject& p = *other.Project();
    EXPECT_EQ(p.panelModelId, 2);
    EXPECT_EQ(p.showLabels, 0);
    EXPECT_EQ(*p.GetPort(0), *doc.Project()->GetPort(0));
    EXPECT_EQ(*p.GetPort(2), *doc.Project()->GetPort(2));
    EXPECT_EQ(p.languages, doc.Project()->languages);
    ASSERT_EQ(p.Screens().size(), 3u);
    EXPECT_EQ(p.Screens()[0]->GetNumber(), 2);
    EXPECT_EQ(p.Screens()[2]->GetNumber(), 9);
    EXPECT_EQ(static_cast<const FakeElement&>(*p.Screens()[1]->GetElements()[0]).payload, 5);
    EXPECT_EQ(p.settings, doc.Project()->settings);
    EXPECT_EQ(p.eventList, doc.Project()->eventList);
    EXPECT_EQ(p.dataTransfers, doc.Project()->dataTransfers);
    EXPECT_EQ(other.CurrentScreen(), p.Screens()[0].get());
    EXPECT_TRUE(p.bitmapLibrary.Items().empty()) << "the unused entry is not in the file";

    const std::string second = f.folder.File("again.ZPJ");
    ASSERT_TRUE(other.SaveToFile(second, false));
    EXPECT_EQ(Bytes(first), Bytes(second));
}

TEST(ProjectFile, ScreensAddedOutOfOrderAreStoredAscending) {
    CMirloProject project;
    for (uint16_t n : {5, 2, 9}) {
        EXPECT_EQ(project.AddScreen(Screen(n)), 1);
    }
    EXPECT_EQ(project.AddScreen(Screen(5)), 0);
    ASSERT_EQ(project.Screens().size(), 3u);
    EXPECT_EQ(project.Screens()[0]->GetNumber(), 2);
    EXPECT_EQ(project.Screens()[1]->GetNumber(), 5);
    EXPECT_EQ(project.Screens()[2]->GetNumber(), 9);
    EXPECT_EQ(project.NextScreen(project.Screens()[0].get()), project.Screens()[1].get());
    EXPECT_EQ(project.PrevScreen(project.Screens()[0].get()), nullptr);
    EXPECT_EQ(project.NextScreen(project.Screens()[2].get()), nullptr);
    EXPECT_EQ(project.FindScreen(9), project.Screens()[2].get());
    EXPECT_EQ(project.FindScreen(3), nullptr);
}

TEST(ProjectFile, Version1FileLoadsWithDefaults) {
    // version 1: no minimum reader version, no labels flag, no bitmap
    // library, no data-transfer list.
    Archive ar;
    const std::vector<uint8_t> head = Hex("FFFF 0100 0D00 434D69726C6F50726F6A656374");
    for (uint8_t b : head) {
        ar.Write(b);
    }
    ar.Write<int32_t>(1);
    ar.Write<int32_t>(3); // model
    CPortCom ports[3] = {CPortCom(0), CPortCom(1), CPortCom(2)};
    for (auto& port : ports) {
        port.Serialize(ar);
    }
    CPortCan can;
    can.Serialize(ar);
    CLangDefine languages;
    languages.Serialize(ar);
    ar.WriteCount(1);
    std::unique_ptr<CHMIFrame> screen = Screen(4);
    ar.WriteObject(screen.get());
    GlobalSettings settings;
    settings.Serialize(ar);
    EventList events;
    events.Serialize(ar);

    ProjectFileFixture f;
    const std::string path = f.folder.File("old.ZPJ");
    WriteBytes(path, ar.Data());
    CMirloDoc doc(f.session, test::TestRegistry());
    ASSERT_TRUE(doc.OnOpenDocument(path)) << (f.sink.Texts().empty() ? "" : f.sink.Texts()[0]);
    EXPECT_EQ(doc.Project()->panelModelId, 3);
    EXPECT_EQ(doc.Project()->showLabels, 1);
    EXPECT_TRUE(doc.Project()->bitmapLibrary.Items().empty());
    EXPECT_TRUE(doc.Project()->dataTransfers.items.empty());
    ASSERT_EQ(doc.Project()->Screens().size(), 1u);
    EXPECT_EQ(doc.Project()->Screens()[0]->GetNumber(), 4);
}

TEST(ProjectFile, MinimumReaderVersionDecides) {
    ProjectFileFixture f;
    CMirloDoc writer(f.session, test::TestRegistry());
    writer.SetProject(RichProject());
    const std::string path = f.folder.File("v.ZPJ");
    ASSERT_TRUE(writer.SaveToFile(path, false));
    std::vector<uint8_t> bytes = Bytes(path);
    const size_t version = 19; // after the 19-byte object header
    const size_t minimum = version + 4;

    // Version 9 with minimum reader 5 loads.
    bytes[version] = 9;
    WriteBytes(path, bytes);
    CMirloDoc reader(f.session, test::TestRegistry());
    EXPECT_TRUE(reader.OnOpenDocument(path));

    // Minimum reader 6 is refused with its own message; the open project stays.
    bytes[minimum] = 6;
    WriteBytes(path, bytes);
    CMirloProject* before = reader.Project();
    EXPECT_FALSE(reader.OnOpenDocument(path));
    EXPECT_EQ(f.sink.Texts().back(), texts::kNewerVersion);
    EXPECT_EQ(reader.Project(), before);
}

TEST(ProjectFile, DamagedFilesNeverCrashAndKeepTheOpenProject) {
    ProjectFileFixture f;
    CMirloDoc writer(f.session, test::TestRegistry());
    writer.SetProject(RichProject());
    const std::string good = f.folder.File("good.ZPJ");
    ASSERT_TRUE(writer.SaveToFile(good, false));
    const std::vector<uint8_t> bytes = Bytes(good);

    CMirloDoc doc(f.session, test::TestRegistry());
    ASSERT_TRUE(doc.OnOpenDocument(good));
    CMirloProject* open = doc.Project();
    const std::string bad = f.folder.File("bad.ZPJ");
    // Every truncation.
    for (size_t n = 0; n < bytes.size(); n += 1) {
        WriteBytes(bad, std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        f.sink.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(bad)) << n;
        EXPECT_EQ(f.sink.Texts(), std::vector<std::string>{texts::kOpenFailed}) << n;
        EXPECT_EQ(doc.Project(), open);
    }
    // Every single byte set to 0xFF: either loads or fails cleanly.
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::vector<uint8_t> damaged = bytes;
        damaged[i] = 0xFF;
        WriteBytes(bad, damaged);
        if (!doc.OnOpenDocument(bad)) {
            EXPECT_EQ(doc.Project(), open) << i;
        } else {
            open = doc.Project();
        }
    }
    // A missing file reports the file error.
    f.sink.Clear();
    EXPECT_FALSE(doc.OnOpenDocument(f.folder.File("none.ZPJ")));
    ASSERT_EQ(f.sink.Texts().size(), 1u);
    EXPECT_NE(f.sink.Texts()[0].find("none.ZPJ"), std::string::npos);
}

TEST(ProjectFile, PathsNamesAndFreeNumbers) {
    CMirloProject project;
    project.SetProjectPath("/data/plant/Line.v2.ZPJ");
    EXPECT_EQ(project.GetProjectName(), "Line.v2");
    EXPECT_EQ(project.GetCompileOutputPath(), "/data/plant/Line.v2.bin~");
    EXPECT_EQ(project.GetImageFolder(), "/data/plant/image");

    EXPECT_EQ(project.NextFreeScreenNumber(false), 1);
    project.AddScreen(Screen(1));
    project.AddScreen(Screen(2));
    project.AddScreen(Screen(4));
    EXPECT_EQ(project.NextFreeScreenNumber(false), 3);
    EXPECT_EQ(project.NextFreeScreenNumber(true), 65535);
    project.AddScreen(Screen(65535));
    EXPECT_EQ(project.NextFreeScreenNumber(true), 0);
    EXPECT_EQ(project.RemoveScreen(project.FindScreen(2)), 1);
    EXPECT_EQ(project.NextFreeScreenNumber(false), 2);
    CHMIFrame stranger;
    EXPECT_EQ(project.RemoveScreen(&stranger), 0);
}

TEST(ProjectFile, SwapPortsMovesEveryReference) {
    RecordingMessageSink sink;
    std::unique_ptr<CMirloProject> project = RichProject();
    const CPortCom com0 = *project->GetPort(0);
    EXPECT_TRUE(project->SwapPorts(1, 1, sink));
    EXPECT_FALSE(project->SwapPorts(2, 3, sink));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kOnlyCom0To2});
    EXPECT_EQ(project->settings.controlAddress.port, 2);

    EXPECT_TRUE(project->SwapPorts(0, 2, sink));
    EXPECT_EQ(project->settings.controlAddress.port, 0);
    EXPECT_EQ(project->eventList.items[0].address.port, 2);
    EXPECT_EQ(project->dataTransfers.items[0].sourceAddress.port, -1); // LOCAL stays
    for (const auto& screen : project->Screens()) {
        EXPECT_EQ(static_cast<const FakeElement&>(*screen->GetElements()[0]).port, 0);
    }
    EXPECT_EQ(project->GetPort(2)->protocolId, com0.protocolId);
    EXPECT_EQ(project->GetPort(2)->port, 2);
    EXPECT_EQ(project->GetPort(0)->station, 4);
}

TEST(ProjectFile, ResetAllAddressesResetsOnlyAddressesOnChangedPorts) {
    std::unique_ptr<CMirloProject> project = RichProject();
    project->settings.controlAddress.Reset(WIDTH_WORD, 2, 1);
    project->settings.controlAddress.address = 40;
    project->eventList.items[0].address.Reset(WIDTH_BIT, 0, 1);
    project->eventList.items[0].address.address = 7;
    project->dataTransfers.items[0].sourceAddress.Reset(WIDTH_WORD, 2, 1);
    const std::array<bool, 4> changed{false, false, true, false};
    project->settings.controlAddress.MarkIfPortChanged(changed);
    project->eventList.items[0].address.MarkIfPortChanged(changed);
    project->dataTransfers.items[0].sourceAddress.MarkIfPortChanged(changed);
    project->ResetAllAddresses();
    EXPECT_EQ(project->settings.controlAddress.port, PORT_LOCAL);
    EXPECT_EQ(project->settings.controlAddress.address, 0);
    EXPECT_EQ(project->settings.controlAddress.width, WIDTH_WORD);
    EXPECT_EQ(project->dataTransfers.items[0].sourceAddress.port, PORT_LOCAL);
    // Port 0 did not change: its address stays.
    EXPECT_EQ(project->eventList.items[0].address.port, 0);
    EXPECT_EQ(project->eventList.items[0].address.address, 7);
}
