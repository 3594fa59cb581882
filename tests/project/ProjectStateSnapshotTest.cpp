// Before/after states of a settings change: restoring one brings the whole
// project file back byte for byte and leaves the bitmap library alone.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "project/CMirloProject.h"
#include "project/CoreClasses.h"
#include "project/ProjectStateSnapshot.h"

namespace balsar {
namespace {

std::vector<uint8_t> FileBytes(CMirloProject& project) {
    Archive ar;
    project.Serialize(ar);
    return ar.TakeData();
}

int32_t AddEntry(CSingleColorBitmapLib& library, uint8_t byte) {
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = 8;
    item->height = 1;
    item->data = {byte};
    return library.AddItem(std::move(item));
}

struct SnapshotFixture {
    SnapshotFixture() {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(1);
        auto reg = std::make_unique<CRegisterGE>();
        reg->SetLeft(8);
        screen->AddElement(std::move(reg));
        auto picture = std::make_unique<CPictureGE>();
        picture->bitmapId = AddEntry(project.bitmapLibrary, 0x5A);
        picture->SetWidth(8);
        picture->SetHeight(1);
        screen->AddElement(std::move(picture));
        project.AddScreen(std::move(screen));
        project.eventList.items.resize(1);
        project.dataTransfers.items.resize(2);
    }
    CMirloProject project;
};

TEST(ProjectStateSnapshot, RestoringTheBeforeStateUndoesEverySettingsMember) {
    SnapshotFixture f;
    const std::vector<uint8_t> fileBefore = FileBytes(f.project);
    const ProjectStateSnapshot before = ProjectStateSnapshot::Take(f.project);

    // What the settings dialogs change, all at once.
    f.project.GetPort(1)->protocolId = 77;
    f.project.GetCanPort().enabled = 1;
    f.project.languages.Add(0x0409, "Latin");
    f.project.settings.initialScreen = 9;
    f.project.eventList.items.clear();
    f.project.eventList.fontSizeIndex = 1;
    f.project.dataTransfers.items.pop_back();
    f.project.showLabels = 0;
    f.project.Screens().front()->GetElements().front()->SetLeft(30);
    const int32_t unused = AddEntry(f.project.bitmapLibrary, 0x11);
    const ProjectStateSnapshot after = ProjectStateSnapshot::Take(f.project);
    const std::vector<uint8_t> fileAfter = FileBytes(f.project);
    ASSERT_NE(after, before);

    ASSERT_TRUE(before.Restore(f.project, CoreClassRegistry()));
    EXPECT_EQ(FileBytes(f.project), fileBefore);
    // The library keeps every entry: another undo step may need them.
    EXPECT_NE(f.project.bitmapLibrary.FindItem(unused), nullptr);
    const auto* picture = dynamic_cast<const CPictureGE*>(f.project.Screens().front()->GetElements().back().get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Library(), &f.project.bitmapLibrary);

    ASSERT_TRUE(after.Restore(f.project, CoreClassRegistry()));
    EXPECT_EQ(FileBytes(f.project), fileAfter);
    EXPECT_EQ(ProjectStateSnapshot::Take(f.project), after);
}

TEST(ProjectStateSnapshot, DamagedBytesLeaveTheProjectAsItIs) {
    SnapshotFixture f;
    const std::vector<uint8_t> file = FileBytes(f.project);
    CMirloProject other;
    other.dataTransfers.items.resize(3);
    std::vector<uint8_t> bytes = ProjectStateSnapshot::Take(other).Bytes();
    ASSERT_GT(bytes.size(), 10u);
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(ProjectStateSnapshot(bytes).Restore(f.project, CoreClassRegistry()));
    EXPECT_FALSE(ProjectStateSnapshot(longer).Restore(f.project, CoreClassRegistry()));
    EXPECT_EQ(FileBytes(f.project), file);
}

} // namespace
} // namespace balsar
