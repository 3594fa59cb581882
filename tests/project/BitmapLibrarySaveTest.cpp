// The project's bitmap library across a save: entries no picture uses are
// dropped, pictures keep theirs, and a pasted picture brings its bitmap.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CPictureGE.h"
#include "project/ClipboardBlock.h"
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

TEST(BitmapLibrarySave, PastedPictureBringsItsBitmapToAnotherProject) {
    CMirloProject source;
    AddEntry(source.bitmapLibrary, 0x10);
    const int32_t id = AddEntry(source.bitmapLibrary, 0x20);
    const auto picture = Picture(id);
    const auto block =
        WriteClipboardBlock("/a/one.ZPJ", 1, {picture.get()}, &source.bitmapLibrary);

    CMirloProject target;
    const auto pasted = ReadClipboardBlock(block, CoreClassRegistry(), &target.bitmapLibrary);
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->elements.size(), 1u);
    const auto* arrived = dynamic_cast<const CPictureGE*>(pasted->elements[0].get());
    ASSERT_NE(arrived, nullptr);
    EXPECT_EQ(arrived->bitmapId, 1);
    ASSERT_NE(target.bitmapLibrary.FindItem(1), nullptr);
    EXPECT_EQ(target.bitmapLibrary.FindItem(1)->data, std::vector<uint8_t>{0x20});
}

} // namespace
} // namespace balsar
