// The set-up of newly placed function keys, lamps and dynamic texts, and
// the dotted outline of keys that have no picture.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editing/EditorGeometry.h"
#include "editor/CanvasWidget.h"
#include "editor/KeyLampInsert.h"
#include "editor/KeyOutline.h"
#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/ElementKinds.h"
#include "hardware/HardwareModel.h"

using namespace balsar;
using namespace balsar::test;

namespace {

class KeysLamps : public ::testing::Test, public EditorFixture {};

TEST_F(KeysLamps, NewKeyTakesTheModelsFirstKeyAndNoKeyWithoutOne) {
    const std::vector<HardwareKey> keys = {{7, "F7"}, {3, "F3"}};
    CFunckeyGE key;
    editor::SetUpInsertedKeyLampText(key, keys, nullptr, doc.Project());
    EXPECT_EQ(key.GetKeyCode(), 7);
    EXPECT_EQ(key.GetWidth(), 16);
    EXPECT_EQ(key.GetHeight(), 16);
    EXPECT_FALSE(key.ShowsOutline());

    // A model without keys (or none at all): no code, shown as an outline.
    CFunckeyGE bare;
    bare.SetKeyCode(9);
    editor::SetUpInsertedKeyLampText(bare, {}, nullptr, doc.Project());
    EXPECT_EQ(bare.GetKeyCode(), CFunckeyGE::kNoKey);
    EXPECT_TRUE(bare.ShowsOutline());
}

TEST_F(KeysLamps, NewDynamicTextHasItsFirstState) {
    CDynamicText text;
    text.SetTopLeft(4, 20);
    text.SetWidth(80);
    editor::SetUpInsertedKeyLampText(text, {}, session.Fonts(), doc.Project());
    EXPECT_EQ(text.Row(1)->GetValue(), "0");
    EXPECT_EQ(text.Row(1)->GetText(), "动态文字串");
    for (int row = 2; row <= CDynamicText::kRowCount; ++row) {
        ASSERT_FALSE(text.Row(row)->IsUsed()) << row;
    }
    EXPECT_EQ(text.StateMap(), (std::map<int32_t, std::string>{{0, "动态文字串"}}));
    EXPECT_EQ(text.GetFont(), doc.Project()->languages.GetFontName(0));
    // Without a font engine the placed size stays.
    EXPECT_EQ(text.GetWidth(), 80);
    EXPECT_EQ(text.GetHeight(), 16);
    EXPECT_EQ(text.GetLeft(), 4);
}

TEST_F(KeysLamps, OtherKindsAreLeftAlone) {
    CLedGE lamp;
    lamp.SetSizeIndex(3);
    editor::SetUpInsertedKeyLampText(lamp, {}, nullptr, doc.Project());
    EXPECT_EQ(lamp.GetWidth(), 24);
    EXPECT_EQ(lamp.shape, CLedGE::SHAPE_CIRCLE);
    auto reg = AddRegister(0, 0, 40, 16);
    editor::SetUpInsertedKeyLampText(*reg, {}, nullptr, doc.Project());
    EXPECT_EQ(reg->GetWidth(), 40);
}

// Pure outline-blue pixels of an image inside a rectangle.
int BluePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 255)) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(KeysLamps, KeysWithoutPictureAreOutlinedInBlue) {
    auto keyAt = [this](int left, int top, int code) {
        auto key = std::make_unique<CFunckeyGE>();
        key->SetKeyCode(code);
        key->SetTopLeft(left, top);
        CFunckeyGE* raw = key.get();
        doc.CurrentScreen()->AddElement(std::move(key));
        return raw;
    };
    CFunckeyGE* none = keyAt(8, 8, CFunckeyGE::kNoKey);
    CFunckeyGE* bare = keyAt(40, 8, CFunckeyGE::kBareKey);
    CFunckeyGE* real = keyAt(72, 8, 5);
    const std::vector<PanelRect> outlined = editor::KeyOutlineRects(*doc.CurrentScreen());
    ASSERT_EQ(outlined.size(), 2u);
    EXPECT_EQ(outlined[0].left, 8);
    EXPECT_EQ(outlined[1].left, 40);

    auto window = [](const PanelRect& p) {
        return QRect(editor::PanelToWindow(p.left), editor::PanelToWindow(p.top),
                     editor::PanelToWindow(p.right - p.left), editor::PanelToWindow(p.bottom - p.top));
    };
    auto paint = [&] {
        QImage image(256, 128, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        editor::DrawKeyOutlines(painter, *doc.CurrentScreen(), window);
        return image;
    };
    const QImage image = paint();
    for (const CFunckeyGE* key : {none, bare}) {
        const QRect r = window(key->Rect());
        // Dotted: some, not all, pixels of the frame are blue; none inside.
        const int frame = 2 * (r.width() + r.height()) - 4;
        const int inside = BluePixels(image, r.adjusted(1, 1, -1, -1));
        const int onFrame = BluePixels(image, r) - inside;
        EXPECT_GT(onFrame, frame / 4) << key->GetKeyCode();
        EXPECT_LT(onFrame, frame) << key->GetKeyCode();
        EXPECT_EQ(inside, 0) << key->GetKeyCode();
    }
    EXPECT_EQ(BluePixels(image, window(real->Rect()).adjusted(-2, -2, 2, 2)), 0);
    // Giving the key a real code removes its outline.
    none->SetKeyCode(5);
    EXPECT_EQ(BluePixels(paint(), window(none->Rect())), 0);
}

class KeysLampsCanvas : public ::testing::Test, public EditorFixture {
protected:
    KeysLampsCanvas() : canvas(*editor) {}

    // Arms the tool and clicks at a panel point; the new element.
    CGraphElement* Place(int tool, int x, int y) {
        EXPECT_TRUE(editor->ArmTool(tool));
        SendMouse(&canvas, QEvent::MouseMove, Win(x, y), Qt::NoButton, Qt::NoButton);
        SendMouse(&canvas, QEvent::MouseButtonPress, Win(x, y), Qt::LeftButton, Qt::LeftButton);
        SendMouse(&canvas, QEvent::MouseButtonRelease, Win(x, y), Qt::LeftButton, Qt::NoButton);
        const ElementList& elements = doc.CurrentScreen()->GetElements();
        return elements.empty() ? nullptr : elements.back().get();
    }

    editor::CanvasWidget canvas;
};

TEST_F(KeysLampsCanvas, PlacedKeyAndDynamicTextAreSetUpAndUndoable) {
    HardwareModel model;
    model.keys = {{7, "F7"}};
    session.SetModel(model);
    auto* key = dynamic_cast<CFunckeyGE*>(Place(KIND_FUNCKEY, 8, 8));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetKeyCode(), 7);
    auto* text = dynamic_cast<CDynamicText*>(Place(KIND_DYNAMIC_TEXT, 4, 32));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Row(1)->GetText(), "动态文字串");
    EXPECT_EQ(text->GetWidth(), 80);
    editor->UndoStack()->undo();
    ASSERT_EQ(doc.CurrentScreen()->GetElements().size(), 1u);
    editor->UndoStack()->redo();
    ASSERT_EQ(doc.CurrentScreen()->GetElements().size(), 2u);
    const auto& again = dynamic_cast<const CDynamicText&>(*doc.CurrentScreen()->GetElements()[1]);
    EXPECT_EQ(again.Row(1)->GetValue(), "0");
}

TEST_F(KeysLampsCanvas, CanvasOutlinesAPlacedKeyWithoutModelKeys) {
    doc.Project()->showLabels = 0;
    auto* key = dynamic_cast<CFunckeyGE*>(Place(KIND_FUNCKEY, 8, 8));
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->GetKeyCode(), CFunckeyGE::kNoKey);
    editor->SelectNone();
    const PanelRect p = key->Rect();
    const QRect r(Win(p.left, p.top), Win(p.right, p.bottom) - QPoint(1, 1));
    const QImage image = canvas.grab().toImage();
    EXPECT_GT(BluePixels(image, r), 0);
    EXPECT_EQ(BluePixels(image, r.adjusted(1, 1, -1, -1)), 0);
    key->SetKeyCode(5);
    EXPECT_EQ(BluePixels(canvas.grab().toImage(), r), 0);
}

} // namespace
