// The pages of the bar graph, trend graph, picture, event list and ASCII
// string through widget events, and the bar's page in the designer's
// property dialog with its undo step.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <QPushButton>
#include <fstream>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AsciiPage.h"
#include "dialogs/BarPage.h"
#include "dialogs/BarPageScaleBox.h"
#include "dialogs/ElementPreview.h"
#include "dialogs/ElementPropertiesDialog.h"
#include "dialogs/EventListPage.h"
#include "dialogs/PicturePage.h"
#include "elements/BmpTestFiles.h"
#include "dialogs/TrendPage.h"
#include "elements/CAsciiGE.h"
#include "elements/PanelCanvas.h"
#include "elements/CBarGE.h"
#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;
using test::TypeInto;

struct GraphPageFixture : DialogFixture {
    PageContext Context() { return PageContext{session, &Project(), 128, 64}; }
};

QStringList Entries(QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries << box->itemText(i);
    }
    return entries;
}

void Spin(QSpinBox* spin, int key) {
    QTest::keyClick(spin, static_cast<Qt::Key>(key));
}

TEST(BarPage, DirectionBetweenPairsSwapsTheSize) {
    GraphPageFixture f;
    CBarGE bar;
    bar.SetWidth(20);
    bar.SetHeight(60);
    BarPage page(bar, f.Context());
    page.show();
    EXPECT_EQ(page.Direction()->currentText(), "向上");
    Choose(page.Direction(), "向下");
    EXPECT_EQ(bar.GetWidth(), 20);
    EXPECT_EQ(bar.GetHeight(), 60);
    Choose(page.Direction(), "向左");
    EXPECT_EQ(bar.GetDirection(), CBarGE::DIR_LEFT);
    EXPECT_EQ(bar.GetWidth(), 60);
    EXPECT_EQ(bar.GetHeight(), 20);
    Choose(page.Direction(), "向右");
    EXPECT_EQ(bar.GetWidth(), 60);
}

// In the property dialog the sample keeps its size when the direction
// turns the bar, so the controls under the mouse stay where they are.
TEST(BarPage, ChoosingADirectionMovesNothingInTheDialog) {
    GraphPageFixture f;
    CBarGE bar;
    bar.SetWidth(20);
    bar.SetHeight(60);
    ElementPropertiesDialog dialog(bar, f.Context());
    dialog.show();
    auto* page = dynamic_cast<BarPage*>(dialog.KindPage());
    ASSERT_NE(page, nullptr);
    const auto places = [&] {
        QApplication::processEvents();
        return std::vector<QRect>{dialog.Preview()->geometry(),
                                  QRect(page->Direction()->mapTo(&dialog, QPoint(0, 0)), page->Direction()->size())};
    };
    const std::vector<QRect> before = places();
    Choose(page->Direction(), "向左");
    ASSERT_EQ(dialog.Preview()->Render().Width(), 60);
    EXPECT_EQ(places(), before);
    Choose(page->Direction(), "向上");
    EXPECT_EQ(places(), before);
}

TEST(BarPage, TypeAndWidthKeepTheScaleInItsRange) {
    GraphPageFixture f;
    CBarGE bar;
    BarPage page(bar, f.Context());
    page.show();
    BarPageScaleBox* scale = page.Scale();
    EXPECT_EQ(Entries(scale->Width()), (QStringList{"单字", "双字"}));
    EXPECT_EQ(scale->FullScale()->text(), "999");
    EXPECT_EQ(scale->ZeroScale()->text(), "0");

    // Signed one word: 40000 is too large, a zero above the full scale is
    // not taken either; the edits show the old values again.
    TypeInto(scale->FullScale(), "40000");
    EXPECT_EQ(bar.Scale().fullScale, 999.0);
    EXPECT_EQ(scale->FullScale()->text(), "999");
    TypeInto(scale->ZeroScale(), "1000");
    EXPECT_EQ(bar.Scale().zeroScale, 0.0);
    EXPECT_EQ(scale->ZeroScale()->text(), "0");
    TypeInto(scale->ZeroScale(), "abc");
    EXPECT_EQ(scale->ZeroScale()->text(), "0");
    // Each refusal says what the edit takes.
    EXPECT_EQ(f.Messages(), (std::vector<std::string>{"输入越界,可输入范围 ( 0-32767 )",
                                                      "输入越界,可输入范围 ( -32768-999 )",
                                                      "输入越界,可输入范围 ( -32768-999 )"}));

    // Two words take them; back to one word pulls both to the range's ends.
    Choose(scale->Width(), "双字");
    TypeInto(scale->FullScale(), "40000");
    TypeInto(scale->ZeroScale(), "-100000");
    EXPECT_EQ(bar.Scale().fullScale, 40000.0);
    EXPECT_EQ(bar.Scale().zeroScale, -100000.0);
    Choose(scale->Width(), "单字");
    EXPECT_EQ(bar.Scale().fullScale, 32767.0);
    EXPECT_EQ(bar.Scale().zeroScale, -32768.0);
    EXPECT_EQ(scale->FullScale()->text(), "32767");
    EXPECT_EQ(scale->ZeroScale()->text(), "-32768");

    // Unsigned: the negative zero scale becomes 0.
    Choose(scale->Type(), "十进制无符号数");
    EXPECT_EQ(bar.Scale().zeroScale, 0.0);
    EXPECT_EQ(scale->ZeroScale()->text(), "0");

    // Floats fix the width: two words for single, "4WORD" for double.
    Choose(scale->Type(), "单精度浮点");
    EXPECT_FALSE(scale->Width()->isEnabled());
    EXPECT_EQ(scale->Width()->currentText(), "双字");
    EXPECT_EQ(bar.Scale().dataWidth, SCALE_TWO_WORDS);
    Choose(scale->Type(), "双精度浮点");
    EXPECT_EQ(Entries(scale->Width()), (QStringList{"单字", "双字", "4WORD"}));
    EXPECT_EQ(scale->Width()->currentText(), "4WORD");
    EXPECT_EQ(bar.Scale().dataWidth, SCALE_FOUR_WORDS);
    TypeInto(scale->FullScale(), "1e30");
    EXPECT_EQ(bar.Scale().fullScale, 1e30);
    // Leaving the floats: four words become one, the list is open again.
    Choose(scale->Type(), "十六进制/BCD");
    EXPECT_TRUE(scale->Width()->isEnabled());
    EXPECT_EQ(Entries(scale->Width()), (QStringList{"单字", "双字"}));
    EXPECT_EQ(bar.Scale().dataWidth, SCALE_ONE_WORD);
    EXPECT_EQ(bar.Scale().fullScale, 65535.0);
}

TEST(TrendPage, PointCountFollowsTheWidthAndSamplingStaysPositive) {
    GraphPageFixture f;
    CTrendGE trend;
    trend.SetWidth(40);
    trend.pointCount = 50;
    TrendPage page(trend, f.Context());
    page.show();
    // A count the width cannot show is lowered to width - 3.
    EXPECT_EQ(trend.pointCount, 37);
    EXPECT_EQ(page.PointCount()->value(), 37);
    Spin(page.PointCount(), Qt::Key_Up);
    EXPECT_EQ(trend.pointCount, 37);
    Spin(page.PointCount(), Qt::Key_Down);
    EXPECT_EQ(trend.pointCount, 36);
    page.PointCount()->setValue(3);
    Spin(page.PointCount(), Qt::Key_Down);
    EXPECT_EQ(trend.pointCount, 3);
    EXPECT_EQ(page.PointCount()->minimum(), 3);
    EXPECT_EQ(page.PointCount()->maximum(), 37);

    EXPECT_EQ(page.Sampling()->value(), 10);
    page.Sampling()->setValue(1);
    Spin(page.Sampling(), Qt::Key_Down);
    EXPECT_EQ(trend.sampling, 1);
    Spin(page.Sampling(), Qt::Key_Up);
    EXPECT_EQ(trend.sampling, 2);

    // The scale rules are the bar's.
    TypeInto(page.Scale()->FullScale(), "70000");
    EXPECT_EQ(trend.Scale().fullScale, 999.0);
    Choose(page.Scale()->Type(), "双精度浮点");
    EXPECT_EQ(trend.Scale().dataWidth, SCALE_FOUR_WORDS);
}

// Another bitmap for a placed picture: it takes the new size and stays
// where it is as far as the screen lets it; a refused file changes nothing.
TEST(PicturePage, AnotherBitmapCanBeChosen) {
    GraphPageFixture f;
    CPictureGE picture;
    picture.SetTopLeft(100, 40);
    picture.SetWidth(16);
    picture.SetHeight(16);
    PageContext context = f.Context();
    context.bitmapLibrary = &f.Project().bitmapLibrary;
    PicturePage page(picture, context);
    page.show();
    ASSERT_TRUE(page.ChooseBitmap()->isEnabled());
    test::BmpLayout wide;
    wide.width = 40;
    wide.height = 2;
    const std::string path = f.folder.File("wide.bmp");
    const std::vector<uint8_t> file = test::MakeBmp(wide, std::vector<uint8_t>(16, 0));
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
    ASSERT_TRUE(page.TakeBitmapFile(path));
    EXPECT_EQ(picture.GetWidth(), 40);
    EXPECT_EQ(picture.GetHeight(), 2);
    EXPECT_EQ(picture.GetLeft(), 88);
    EXPECT_EQ(picture.GetTop(), 40);
    EXPECT_EQ(picture.FileName(), "wide.bmp");
    ASSERT_NE(f.Project().bitmapLibrary.FindItem(picture.bitmapId), nullptr);
    EXPECT_EQ(page.PictureWidth()->value(), 40);
    EXPECT_FALSE(page.TakeBitmapFile(f.folder.File("missing.bmp")));
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"载入图片失败"});
    EXPECT_EQ(picture.GetWidth(), 40);
}

TEST(PicturePage, GeometryStaysInsideThePanelAndTheSwitchesAreKept) {
    GraphPageFixture f;
    CPictureGE picture;
    picture.SetTopLeft(100, 40);
    picture.SetWidth(28);
    picture.SetHeight(24);
    PicturePage page(picture, f.Context());
    page.show();
    EXPECT_EQ(page.X()->maximum(), 100);
    EXPECT_EQ(page.Y()->maximum(), 40);
    EXPECT_EQ(page.PictureWidth()->minimum(), 16);
    EXPECT_EQ(page.PictureWidth()->maximum(), 28);
    EXPECT_EQ(page.PictureHeight()->maximum(), 24);
    // Narrower than 16 is not offered.
    page.PictureWidth()->setValue(10);
    EXPECT_EQ(picture.GetWidth(), 16);
    // Moved left, the picture may grow again.
    page.X()->setValue(60);
    EXPECT_EQ(picture.GetLeft(), 60);
    EXPECT_EQ(page.PictureWidth()->maximum(), 68);
    page.PictureWidth()->setValue(68);
    EXPECT_EQ(picture.GetWidth(), 68);
    EXPECT_EQ(page.X()->maximum(), 60);

    EXPECT_EQ(page.Threshold()->value(), 128);
    EXPECT_EQ(page.Threshold()->maximum(), 255);
    QTest::keyClick(page.Threshold(), Qt::Key_PageUp);
    EXPECT_EQ(picture.threshold, 144);
    EXPECT_EQ(page.ThresholdSpin()->value(), 144);
    page.ThresholdSpin()->setValue(8);
    EXPECT_EQ(picture.threshold, 8);
    EXPECT_EQ(page.Threshold()->value(), 8);

    EXPECT_TRUE(page.Compress()->isChecked());
    Click(page.Compress());
    EXPECT_EQ(picture.compress, 0);
    Click(page.Reverse());
    EXPECT_EQ(picture.GetReverse(), 1);
}

TEST(EventListPage, LineLayoutSwitchesReachTheCompiledFlags) {
    GraphPageFixture f;
    CEventListGE list;
    EventListPage page(list, f.Context());
    page.show();
    EXPECT_TRUE(page.ShowNumber()->isChecked());
    EXPECT_TRUE(page.ShowTime()->isChecked());
    EXPECT_EQ(page.TimeFormat()->currentText(), "HH:MM");
    EXPECT_FALSE(page.DateOrder()->isEnabled());
    EXPECT_FALSE(page.Separator()->isEnabled());

    Click(page.ShowDate());
    ASSERT_TRUE(page.DateOrder()->isEnabled());
    Choose(page.DateOrder(), 2);
    Choose(page.Separator(), "/");
    Click(page.FourDigitYear());
    EXPECT_EQ(list.LayoutFlags() & 0xE00u, 0x600u);
    EXPECT_NE(list.LayoutFlags() & (1u << 16), 0u);
    EXPECT_EQ(list.SeparatorCode(), 47u);

    Choose(page.TimeFormat(), "HH:MM:SS");
    EXPECT_EQ(list.LayoutFlags() & 0x3000u, 0x1000u);
    Click(page.ShowTime());
    EXPECT_FALSE(page.TimeFormat()->isEnabled());
    EXPECT_EQ(list.LayoutFlags() & 0x3000u, 0u);
    Click(page.ShowNumber());
    Click(page.NoLeadingZeros());
    EXPECT_EQ(list.LayoutFlags(), 0x2u | 0x600u | (1u << 16) | (1u << 17));
}

TEST(AsciiPage, SizeAndCountResizeTheElementWithinTheScreen) {
    GraphPageFixture f;
    CAsciiGE ascii;
    AsciiPage page(ascii, f.Context());
    page.show();
    EXPECT_EQ(page.Size()->currentText(), "16");
    EXPECT_EQ(page.CharCount()->value(), 3);
    // 128 pixels hold 16 characters of 8 pixels.
    EXPECT_EQ(page.CharCount()->maximum(), 16);
    page.CharCount()->setValue(10);
    EXPECT_EQ(ascii.GetWidth(), 80);
    Choose(page.Size(), "8");
    EXPECT_EQ(ascii.GetWidth(), 60);
    EXPECT_EQ(ascii.GetHeight(), 8);
    EXPECT_EQ(page.CharCount()->maximum(), 21);
    page.CharCount()->setValue(21);
    // Back to 16 pixels: the count is lowered to what fits.
    Choose(page.Size(), "16");
    EXPECT_EQ(ascii.GetCharCount(), 16);
    EXPECT_EQ(ascii.GetWidth(), 128);
    EXPECT_EQ(page.CharCount()->value(), 16);
    Click(page.Reverse());
    EXPECT_EQ(ascii.GetReverse(), 1);
}

// The count limit starts at the element's X; the address reads as many
// words as the characters need.
TEST(AsciiPage, CountFitsFromXAndTheWordCountFollowsIt) {
    GraphPageFixture f;
    CAsciiGE ascii;
    ascii.SetLeft(100);
    AsciiPage page(ascii, f.Context());
    page.show();
    EXPECT_EQ(page.CharCount()->maximum(), 3); // 28 pixels left of 8-pixel glyphs
    EXPECT_EQ(ascii.Address().wordCount, 2);
    ascii.SetLeft(0);
    page.Load();
    page.CharCount()->setValue(7);
    EXPECT_EQ(ascii.Address().wordCount, 4);
    page.CharCount()->setValue(10);
    EXPECT_EQ(ascii.Address().wordCount, 5);
}

TEST(ElementPropertiesDialog, GraphKindsHaveTheirPageAndOneUndoStep) {
    test::DialogFixture f;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(2);
    f.doc.AddScreen(std::move(screen));
    f.doc.SetCurrentScreen(f.doc.FindScreen(2));
    auto owned = std::make_unique<CBarGE>();
    owned->SetWidth(16);
    owned->SetHeight(48);
    f.doc.AddElement(std::move(owned));
    QUndoStack stack;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ElementPropertiesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "棒图属性");
        auto* page = dynamic_cast<BarPage*>(dialog->KindPage());
        ASSERT_NE(page, nullptr);
        Choose(page->Direction(), "向右");
        dialog->accept();
    });
    ASSERT_TRUE(EditElementPropertiesUndoable(nullptr, f.doc, f.session, stack, 2, 0, nullptr));
    EXPECT_EQ(stack.count(), 1);
    const auto& edited = dynamic_cast<const CBarGE&>(*f.doc.FindScreen(2)->GetElements()[0]);
    EXPECT_EQ(edited.GetDirection(), CBarGE::DIR_RIGHT);
    EXPECT_EQ(edited.GetWidth(), 48);
    stack.undo();
    const auto& restored = dynamic_cast<const CBarGE&>(*f.doc.FindScreen(2)->GetElements()[0]);
    EXPECT_EQ(restored.GetDirection(), CBarGE::DIR_UP);
    EXPECT_EQ(restored.GetWidth(), 16);

    PageContext context{f.session, f.doc.Project(), 128, 64};
    CTrendGE trend;
    CPictureGE picture;
    CAsciiGE ascii;
    CEventListGE list;
    EXPECT_NE(dynamic_cast<TrendPage*>(ElementPropertiesDialog(trend, context).KindPage()), nullptr);
    EXPECT_NE(dynamic_cast<PicturePage*>(ElementPropertiesDialog(picture, context).KindPage()), nullptr);
    EXPECT_NE(dynamic_cast<AsciiPage*>(ElementPropertiesDialog(ascii, context).KindPage()), nullptr);
    EXPECT_NE(dynamic_cast<EventListPage*>(ElementPropertiesDialog(list, context).KindPage()), nullptr);
}

} // namespace
} // namespace balsar::dialogs
