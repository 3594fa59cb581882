// Message-box questions: Enter presses the safe answer, so a question that
// would replace, delete or drop the user's work keeps it when answered
// with Enter; Escape never confirms.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/QtMessages.h"

using namespace balsar;
using namespace balsar::app;

namespace {

// Asks the question and presses `key` in the message box once it shows.
Answer AskAndPress(const char* text, Buttons buttons, Qt::Key key) {
    QtPrompt prompt;
    QTimer::singleShot(0, [key] {
        QWidget* box = QApplication::activeModalWidget();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (box == nullptr && qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible()) {
                box = widget;
            }
        }
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, key);
    });
    return prompt.Ask(text, buttons, "确定");
}

} // namespace

TEST(QtPrompt, EnterKeepsTheUsersWork) {
    EXPECT_EQ(AskAndPress("工程目录(/tmp/a)已存在，是否覆盖？", Buttons::YesNo, Qt::Key_Return), Answer::No);
    EXPECT_EQ(AskAndPress("是否放弃可能的更改？", Buttons::YesNo, Qt::Key_Return), Answer::No);
    EXPECT_EQ(AskAndPress("该画面号已存在，是否覆盖?", Buttons::OkCancel, Qt::Key_Return), Answer::Cancel);
    // Saving is the safe answer of the save question.
    EXPECT_EQ(AskAndPress("是否保存?", Buttons::YesNoCancel, Qt::Key_Return), Answer::Yes);
}

TEST(QtPrompt, EscapeNeverConfirms) {
    EXPECT_EQ(AskAndPress("确定删除？", Buttons::YesNo, Qt::Key_Escape), Answer::No);
    EXPECT_EQ(AskAndPress("是否保存?", Buttons::YesNoCancel, Qt::Key_Escape), Answer::Cancel);
    EXPECT_EQ(AskAndPress("删除画面?", Buttons::OkCancel, Qt::Key_Escape), Answer::Cancel);
}
