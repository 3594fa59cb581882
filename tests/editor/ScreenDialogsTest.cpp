// The number boxes of the screen dialogs: a typed number outside the range
// is refused with the range named, and Enter does not close the dialog with
// another number than the user typed.
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "editor/ScreenDialogs.h"

namespace balsar::editor {
namespace {

using Texts = std::vector<std::string>;

void TypeOver(QSpinBox* spin, const QString& text) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

TEST(ScreenDialogs, NewScreenNumberZeroIsRefusedWithTheRange) {
    RecordingMessageSink sink;
    NewScreenDialog dialog(9999, false, sink);
    dialog.show();
    TypeOver(dialog.NumberSpin(), "0");
    EXPECT_EQ(sink.Texts(), Texts{"输入越界,可输入范围 ( 1-65534 )"});
    EXPECT_EQ(dialog.NumberSpin()->text(), "9999");
    // Numbers above the range are refused at the digit too much.
    sink.Clear();
    TypeOver(dialog.NumberSpin(), "655341");
    EXPECT_EQ(sink.Texts(), Texts{"输入越界,可输入范围 ( 1-65534 )"});
    EXPECT_EQ(dialog.Number(), 65534);
    TypeOver(dialog.NumberSpin(), "12");
    QTest::keyClick(dialog.NumberSpin(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Number(), 12);
}

TEST(ScreenDialogs, CopyTargetAndKeyTargetsSayTheirRange) {
    RecordingMessageSink sink;
    CopyScreenDialog copy(1, 2, sink);
    copy.show();
    TypeOver(copy.TargetSpin(), "0");
    EXPECT_EQ(copy.Target(), 2);
    ScreenPropertiesDialog properties(1, ScreenProperties{"", 0, 0}, sink);
    properties.show();
    TypeOver(properties.UpSpin(), "70000");
    EXPECT_EQ(properties.Properties().upKey, 7000);
    EXPECT_EQ(sink.Texts(),
              (Texts{"输入越界,可输入范围 ( 1-65534 )", "输入越界,可输入范围 ( 0-65535 )"}));
}

} // namespace
} // namespace balsar::editor
