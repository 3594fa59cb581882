// The front layout of every panel model: the display enlarged by a whole
// factor, every key of the model's key list once, no key over the display
// or over another key, everything inside the picture; the front pictures
// in lib/hardware have the layout's size.
#include <gtest/gtest.h>

#include <QImage>

#include "base/MessageSink.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "simulator/FrontLayout.h"

using namespace balsar;
using namespace balsar::simulator;

namespace {

bool Overlap(const FrontRect& a, const FrontRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(FrontLayout, EveryModelsKeysFitAndTheirPictureMatches) {
    RecordingMessageSink sink;
    HardwareModelList models = HardwareModelList::ForProgram();
    models.EnsureLoaded(sink);
    ASSERT_GE(models.Entries().size(), 3u);
    for (int i = 0; i < static_cast<int>(models.Entries().size()); ++i) {
        HardwareModel model;
        ASSERT_TRUE(models.LoadModelByIndex(model, i, sink));
        const FrontLayout layout = FrontLayout::ForModel(model);
        SCOPED_TRACE(model.name);
        EXPECT_EQ(layout.lcd.width, model.resolutionX * layout.lcdScale);
        EXPECT_EQ(layout.lcd.height, model.resolutionY * layout.lcdScale);
        EXPECT_GE(layout.lcdScale, 2);
        ASSERT_EQ(layout.keys.size(), model.Keys().size());
        for (size_t k = 0; k < layout.keys.size(); ++k) {
            const FrontKey& key = layout.keys[k];
            EXPECT_FALSE(Overlap(key.rect, layout.lcd)) << key.name;
            EXPECT_GE(key.rect.x, 0);
            EXPECT_LE(key.rect.x + key.rect.width, layout.width) << key.name;
            EXPECT_LE(key.rect.y + key.rect.height, layout.height) << key.name;
            for (size_t other = k + 1; other < layout.keys.size(); ++other) {
                EXPECT_FALSE(Overlap(key.rect, layout.keys[other].rect))
                    << key.name << " " << layout.keys[other].name;
            }
            // A click in the middle of a key finds it.
            const FrontKey* hit =
                layout.KeyAt(key.rect.x + key.rect.width / 2, key.rect.y + key.rect.height / 2);
            ASSERT_NE(hit, nullptr);
            EXPECT_EQ(hit->code, key.code);
            EXPECT_EQ(layout.Key(key.code), &key);
        }
        EXPECT_EQ(layout.KeyAt(layout.lcd.x + 1, layout.lcd.y + 1), nullptr);

        const QImage picture(QString::fromStdString((models.Folder() / FrontPictureName(model)).string()));
        ASSERT_FALSE(picture.isNull()) << FrontPictureName(model);
        EXPECT_EQ(picture.width(), layout.width);
        EXPECT_EQ(picture.height(), layout.height);
        // The display area is left blank for the simulator to fill.
        EXPECT_EQ(picture.pixel(layout.lcd.x + layout.lcd.width / 2, layout.lcd.y + layout.lcd.height / 2) &
                      0xFFFFFF,
                  0xFFFFFFu);
    }
}

} // namespace
