// The project's bitmap library across a save: entries no picture uses are
// dropped, pictures keep theirs.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CPictureGE.h"
#include "project/CMirloProject.h"
#include "project/CoreClasses.h"

namespace balsar {
namespace {

int32_t AddEntry(CSingleColorBitmapLib& library, uint8_t byte) {
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = 8;
    item->height = 1;
    item->data = {byte};
    return library.AddItem(std::move(item));
}

std::unique_ptr<CPictureGE> Picture(int32_t id) {
    auto picture = std::make_unique<CPictureGE>();
    picture->bitmapId = id;
    picture->SetWidth(8);
    picture->SetHeight(1);
    return picture;
}

TEST(BitmapLibrarySave, UnusedEntryIsGoneAfterSaveAndReload) {
    CMirloProject project;
    const int32_t unused = AddEntry(project.bitmapLibrary, 0x01);
    const int32_t used = AddEntry(project.bitmapLibrary, 0x02);
    auto screen = std::make_unique<CHMIFrame>();
    screen->AddElement(Picture(used));
    screen->AddElement(Picture(used));
    project.AddScreen(std::move(screen));

    Archive out;
    project.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CMirloProject reloaded;
    reloaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(reloaded.bitmapLibrary.FindItem(unused), nullptr);
    ASSERT_NE(reloaded.bitmapLibrary.FindItem(used), nullptr);
    EXPECT_EQ(reloaded.bitmapLibrary.FindItem(used)->useCount, 2);
    const auto& elements = reloaded.Screens().front()->GetElements();
    ASSERT_EQ(elements.size(), 2u);
    const auto* picture = dynamic_cast<const CPictureGE*>(elements[0].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->bitmapId, used);
    EXPECT_EQ(picture->Library(), &reloaded.bitmapLibrary);
}

// The file leaves the unused entry out, but the library keeps it: a picture
// on the undo history refers to it by ID and may come back after the save.
TEST(BitmapLibrarySave, AnUnusedEntryStaysInMemoryInItsPlace) {
    CMirloProject project;
    const int32_t first = AddEntry(project.bitmapLibrary, 0x01);
    const int32_t unused = AddEntry(project.bitmapLibrary, 0x02);
    const int32_t last = AddEntry(project.bitmapLibrary, 0x03);
    auto screen = std::make_unique<CHMIFrame>();
    screen->AddElement(Picture(first));
    screen->AddElement(Picture(last));
    project.AddScreen(std::move(screen));

    Archive out;
    project.Serialize(out);
    const auto& items = project.bitmapLibrary.Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->id, first);
    EXPECT_EQ(items[1]->id, unused);
    EXPECT_EQ(items[2]->id, last);
    EXPECT_EQ(project.bitmapLibrary.FindItem(unused)->data, std::vector<uint8_t>{0x02});

    Archive in(out.Data(), CoreClassRegistry());
    CMirloProject reloaded;
    reloaded.Serialize(in);
    EXPECT_EQ(reloaded.bitmapLibrary.Items().size(), 2u);
    EXPECT_EQ(reloaded.bitmapLibrary.FindItem(unused), nullptr);
    // Writing twice gives the same bytes: the kept entry changes nothing.
    Archive again;
    project.Serialize(again);
    EXPECT_EQ(again.Data(), out.Data());
}

} // namespace
} // namespace balsar
