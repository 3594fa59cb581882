// Number boxes that refuse a typed value say which values they take: the
// trend's point count, the ASCII string's character count and the picture's
// height, typed key by key as a user does.
#include <QApplication>
#include <QFocusEvent>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

#include "DialogFixture.h"
#include "dialogs/AsciiPage.h"
#include "dialogs/PicturePage.h"
#include "dialogs/RangeSpinBox.h"
#include "dialogs/TrendPage.h"
#include "elements/CAsciiGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"

namespace balsar::dialogs {
namespace {

using test::DialogFixture;
using Texts = std::vector<std::string>;

struct RangeFixture : DialogFixture {
    PageContext Context() { return PageContext{session, &Project(), 128, 64}; }
};

// Types over the whole text of a spin box, key by key.
void TypeOver(QSpinBox* spin, const QString& text) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

TEST(RangeSpinBox, TypedNumbersThatMoreDigitsCanStillBringIntoTheRange) {
    // Positive ranges: a prefix of a number in the range is not refused.
    EXPECT_TRUE(TypedNumberCanReach(2, 3, 37));    // 20 .. 29
    EXPECT_TRUE(TypedNumberCanReach(1, 16, 24));   // 16 .. 19
    EXPECT_FALSE(TypedNumberCanReach(3, 16, 24));  // 30 is already too large
    EXPECT_FALSE(TypedNumberCanReach(200, 3, 37));
    EXPECT_FALSE(TypedNumberCanReach(0, 1, 65534)); // leading zeros are not typed
    EXPECT_FALSE(TypedNumberCanReach(65535, 1, 65534));
    EXPECT_TRUE(TypedNumberCanReach(6, 10, 65));   // 60 .. 65
    EXPECT_FALSE(TypedNumberCanReach(7, 10, 65));  // 70 is already too large
    EXPECT_TRUE(TypedNumberCanReach(0, 0, 10));
    // Negative ranges grow downwards with more digits.
    EXPECT_TRUE(TypedNumberCanReach(-5, -100, -50));
    EXPECT_FALSE(TypedNumberCanReach(-3, -100, -50));
    EXPECT_FALSE(TypedNumberCanReach(-5, 0, 100));
    // No overflow near the ends of the type.
    constexpr qint64 top = std::numeric_limits<qint64>::max();
    EXPECT_FALSE(TypedNumberCanReach(1, top, top));
    EXPECT_TRUE(TypedNumberCanReach(9, top, top));
    EXPECT_TRUE(TypedNumberCanReach(-9, std::numeric_limits<qint64>::min(), -top));
}

TEST(RangeSpinBox, TrendPointCountAboveTheRangeSaysTheRange) {
    RangeFixture f;
    CTrendGE trend;
    trend.SetWidth(40);
    trend.pointCount = 30;
    TrendPage page(trend, f.Context());
    page.show();
    TypeOver(page.PointCount(), "200");
    EXPECT_EQ(f.Messages(), Texts{"输入越界,可输入范围 ( 3-37 )"});
    // The last value taken stays, in the range.
    EXPECT_EQ(page.PointCount()->text(), "20");
    EXPECT_EQ(trend.pointCount, 20);
}

TEST(RangeSpinBox, AsciiCountAboveWhatFitsSaysTheRange) {
    RangeFixture f;
    CAsciiGE ascii;
    AsciiPage page(ascii, f.Context());
    page.show();
    TypeOver(page.CharCount(), "30");
    EXPECT_EQ(f.Messages(), Texts{"输入越界,可输入范围 ( 1-16 )"});
    EXPECT_EQ(page.CharCount()->text(), "3");
    EXPECT_EQ(ascii.GetCharCount(), 3);
}

TEST(RangeSpinBox, PictureHeightOutsideTheRangeSaysTheRange) {
    RangeFixture f;
    CPictureGE picture;
    picture.SetTopLeft(100, 40);
    picture.SetWidth(28);
    picture.SetHeight(24);
    PicturePage page(picture, f.Context());
    page.show();
    TypeOver(page.PictureHeight(), "200");
    EXPECT_EQ(f.Messages(), Texts{"输入越界,可输入范围 ( 16-24 )"});
    EXPECT_EQ(picture.GetHeight(), 20);
    EXPECT_EQ(page.PictureHeight()->text(), "20");

    // Below the range, a prefix of a valid number waits for the next digit;
    // Enter then refuses it and puts the value back.
    f.sink.Clear();
    TypeOver(page.PictureHeight(), "1");
    EXPECT_TRUE(f.Messages().empty());
    QTest::keyClick(page.PictureHeight(), Qt::Key_Return);
    EXPECT_EQ(f.Messages(), Texts{"输入越界,可输入范围 ( 16-24 )"});
    EXPECT_EQ(page.PictureHeight()->text(), "20");
    EXPECT_EQ(picture.GetHeight(), 20);

    // Leaving the box with such a prefix does the same once the focus moved.
    f.sink.Clear();
    TypeOver(page.PictureWidth(), "1");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(page.PictureWidth(), &out);
    EXPECT_EQ(page.PictureWidth()->text(), "28");
    QApplication::processEvents();
    EXPECT_EQ(f.Messages(), Texts{"输入越界,可输入范围 ( 16-28 )"});
    EXPECT_EQ(picture.GetWidth(), 28);
}

} // namespace
} // namespace balsar::dialogs
