// The static text and register pages, the common attribute page, the
// sample and the undo step of a property dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QApplication>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/CommonAttributePage.h"
#include "dialogs/ElementPreview.h"
#include "dialogs/ElementPropertiesCommand.h"
#include "dialogs/ElementPropertiesDialog.h"
#include "dialogs/RegisterPage.h"
#include "dialogs/StaticTextPage.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/PanelCanvas.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;
using test::TypeInto;

struct PageFixture : DialogFixture {
    PageFixture() { EXPECT_EQ(model.resolutionX, 128); }
    PageContext Context() { return PageContext{session, &Project(), 128, 64}; }
};

// A dot-matrix static text at size index `size`.
CStaticText DotText(const std::string& text, int32_t size) {
    CStaticText e;
    e.SetSizeIndex(size, nullptr);
    e.ChangeDotMatrix(1, nullptr);
    e.SetText(text, nullptr);
    return e;
}

TEST(StaticTextPage, TrimmingQuestionYesCutsNoRestoresTheChoice) {
    PageFixture f;
    CStaticText e = DotText("ABCDEFGHIJ", 2);
    StaticTextPage page(e, f.Context());
    page.show();
    // 20 characters of 8 pixels do not fit 128 pixels: Yes keeps 16.
    f.prompt.Script(Answer::Yes);
    TypeInto(page.Text(), "ABCDEFGHIJKLMNOPQRST");
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(f.prompt.Questions()[0].text, "字符串长度越界，多余字符将被截断。是否继续？");
    EXPECT_EQ(e.GetText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(page.Text()->text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(e.GetWidth(), 128);

    // 17 characters at size 12 are 102 pixels; size 16 would need 136. No
    // leaves the element and the size list as they were.
    CStaticText small = DotText("ABCDEFGHIJKLMNOPQ", 1);
    StaticTextPage smallPage(small, f.Context());
    f.prompt.Script(Answer::No);
    Choose(smallPage.Size(), "16");
    EXPECT_EQ(f.prompt.Questions().size(), 2u);
    EXPECT_EQ(small.GetSizeIndex(), 1);
    EXPECT_EQ(small.GetText(), "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(small.GetWidth(), 102);
    EXPECT_EQ(smallPage.Size()->currentText(), "12");
}

// The sample follows the typing before the edit is finished; a text past
// the screen's edge is not asked about until then.
TEST(StaticTextPage, SampleFollowsTheTypingWithoutAFocusChange) {
    PageFixture f;
    const CStaticText original = DotText("A", 2);
    ElementPropertiesDialog dialog(original, f.Context());
    dialog.show();
    auto* page = dynamic_cast<StaticTextPage*>(dialog.KindPage());
    ASSERT_NE(page, nullptr);
    page->Text()->setFocus();
    page->Text()->end(false);
    QTest::keyClicks(page->Text(), "BC");
    EXPECT_EQ(dialog.Preview()->Render().Width(), 24);
    QTest::keyClicks(page->Text(), "DEFGHIJKLMNOPQR");
    EXPECT_TRUE(f.prompt.Questions().empty());
    EXPECT_EQ(dialog.Preview()->Render().Width(), 128) << "the sixteen characters that fit";
    EXPECT_EQ(page->Text()->text(), "ABCDEFGHIJKLMNOPQR") << "the typed text stays in the box";
    f.prompt.Script(Answer::Yes);
    emit page->Text()->editingFinished();
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(page->Text()->text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(original.GetText(), "A");
}

TEST(StaticTextPage, DotMatrixSwitchAsksAboutNonEnglishCharacters) {
    PageFixture f;
    CStaticText e;
    e.SetText("温度 T1", nullptr);
    StaticTextPage page(e, f.Context());
    page.show();
    ASSERT_TRUE(page.DotMatrix()->isEnabled());
    EXPECT_TRUE(page.Font()->isEnabled());
    f.prompt.Script(Answer::No);
    Click(page.DotMatrix());
    EXPECT_EQ(f.prompt.Questions().back().text, "所有非英文字符将丢失，是否继续？");
    EXPECT_FALSE(page.DotMatrix()->isChecked());
    EXPECT_EQ(e.GetText(), "温度 T1");
    f.prompt.Script(Answer::Yes);
    Click(page.DotMatrix());
    EXPECT_TRUE(page.DotMatrix()->isChecked());
    EXPECT_EQ(e.GetText(), " T1");
    EXPECT_FALSE(page.Font()->isEnabled());
    EXPECT_FALSE(page.Language()->isEnabled());
    // Size 8 always uses the built-in font: the box is ticked and locked.
    Choose(page.Size(), 0);
    EXPECT_TRUE(page.DotMatrix()->isChecked());
    EXPECT_FALSE(page.DotMatrix()->isEnabled());
    EXPECT_EQ(e.GetWidth(), 18);
}

TEST(CommonAttributePage, DoubleSizeAndPositionStayOnTheScreen) {
    PageFixture f;
    CStaticText e = DotText("ABCDEFGHIJ", 2); // 80 x 16
    CommonAttributePage page(e, f.Context());
    page.show();
    Click(page.DoubleSize());
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"文本越界,请裁剪部分字串来适应屏幕尺寸!"});
    EXPECT_FALSE(page.DoubleSize()->isChecked());
    EXPECT_EQ(e.GetDoubleSize(), 0);

    // X 60 would put the right edge at 140: refused.
    page.X()->setValue(60);
    EXPECT_EQ(e.GetLeft(), 0);
    EXPECT_EQ(page.X()->value(), 0);
    page.X()->setValue(48);
    page.Y()->setValue(40);
    EXPECT_EQ(e.GetLeft(), 48);
    EXPECT_EQ(e.GetTop(), 40);

    CStaticText shortText = DotText("ABC", 2); // 24 x 16
    CommonAttributePage shortPage(shortText, f.Context());
    Click(shortPage.DoubleSize());
    EXPECT_EQ(shortText.GetWidth(), 48);
    EXPECT_EQ(shortText.GetHeight(), 32);
}

TEST(RegisterPage, TypeAndSwitchInvariants) {
    PageFixture f;
    CRegisterGE e;
    RegisterPage page(e, f.Context());
    page.show();
    // Type 5, the password: input on, limits and scaling off, all locked.
    Choose(page.Type(), "密码");
    EXPECT_EQ(e.GetFormat().integerDigits, 5);
    EXPECT_TRUE(page.InputAllowed()->isChecked());
    for (QWidget* locked : std::initializer_list<QWidget*>{page.InputAllowed(), page.InputLimits(), page.Scaling(),
                                                          page.IntegerDigits(), page.DecimalDigits()}) {
        EXPECT_FALSE(locked->isEnabled());
    }
    EXPECT_FALSE(page.InputLimits()->isChecked());
    EXPECT_FALSE(page.Scaling()->isChecked());

    // Single float: width locked to two words.
    Choose(page.Type(), "单精度浮点");
    EXPECT_FALSE(page.Width()->isEnabled());
    EXPECT_EQ(page.Width()->currentText(), "双字");
    EXPECT_EQ(e.Address().wordCount, 2);

    // Scaling turns the limits on; limits off turns scaling off.
    Choose(page.Type(), "十进制无符号数");
    Click(page.Scaling());
    EXPECT_TRUE(page.InputLimits()->isChecked());
    EXPECT_TRUE(page.ScaleUpper()->isEnabled());
    EXPECT_EQ(e.GetFormat().inputLimits, 1);
    Click(page.InputLimits());
    EXPECT_FALSE(page.Scaling()->isChecked());
    EXPECT_EQ(e.GetFormat().scaling, 0);

    // One word of unsigned digits holds at most five: entries beyond are off.
    Choose(page.Width(), "单字");
    Choose(page.IntegerDigits(), 3);
    Choose(page.DecimalDigits(), 2);
    EXPECT_EQ(e.Sample(), "123.45");
    EXPECT_FALSE(page.IntegerDigits()->model()->index(4, 0).flags() & Qt::ItemIsEnabled);
    EXPECT_TRUE(page.IntegerDigits()->model()->index(3, 0).flags() & Qt::ItemIsEnabled);
}

TEST(RegisterPage, LimitBoxesAndOkCheck) {
    PageFixture f;
    CRegisterGE e;
    RegisterPage page(e, f.Context());
    page.show();
    Click(page.InputLimits());
    // Beyond what a signed box takes: refused, the old value shown again.
    TypeInto(page.InputUpper(), "3000000000");
    ASSERT_EQ(f.sink.Entries().size(), 1u);
    EXPECT_EQ(f.sink.Entries()[0].caption, "输入越界");
    EXPECT_EQ(f.sink.Entries()[0].text.rfind("输入越界,可输入范围 ( ", 0), 0u);
    EXPECT_EQ(e.inputUpper, 9999.0);
    EXPECT_EQ(page.InputUpper()->text(), "9999");
    // Inside the box but beyond the four digits shown: refused on OK.
    TypeInto(page.InputUpper(), "12000");
    EXPECT_EQ(e.inputUpper, 12000.0);
    f.sink.Clear();
    EXPECT_FALSE(page.Commit());
    EXPECT_EQ(f.sink.Entries().size(), 1u);
    TypeInto(page.InputUpper(), "-9999");
    TypeInto(page.InputLower(), "-9999");
    EXPECT_TRUE(page.Commit());
}

TEST(ElementPropertiesDialog, SampleFollowsTheCopyAndOkIsOneUndoStep) {
    PageFixture f;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    f.doc.AddScreen(std::move(screen));
    f.doc.SetCurrentScreen(f.doc.FindScreen(1));
    auto created = std::make_unique<CRegisterGE>();
    created->RecalcSize(nullptr);
    ASSERT_EQ(f.doc.AddElement(std::move(created)), 1);
    CGraphElement& original = *f.doc.FindScreen(1)->GetElements()[0];
    ASSERT_EQ(original.GetWidth(), 40);

    ElementPropertiesDialog dialog(original, f.Context());
    dialog.show();
    auto* page = dynamic_cast<RegisterPage*>(dialog.KindPage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dialog.Preview()->Render().Width(), 40);
    Choose(page->IntegerDigits(), 2);
    Click(page->Reverse());
    // The sample is the copy drawn on the panel canvas: "-12" reversed.
    const PanelCanvas sample = dialog.Preview()->Render();
    EXPECT_EQ(sample.Width(), 24);
    EXPECT_TRUE(sample.Pixel(0, 0));
    // The original is untouched until the dialog's result is applied.
    EXPECT_EQ(original.GetWidth(), 40);
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    QUndoStack stack;
    int notified = 0;
    stack.push(new ElementPropertiesCommand(f.doc, 1, 0, original, dialog.TakeResult(),
                                            [&](CGraphElement&) { ++notified; }));
    const auto& reg = dynamic_cast<const CRegisterGE&>(*f.doc.FindScreen(1)->GetElements()[0]);
    EXPECT_EQ(reg.GetFormat().integerDigits, 2);
    EXPECT_EQ(reg.GetReverse(), 1);
    EXPECT_EQ(reg.GetWidth(), 24);
    EXPECT_EQ(stack.count(), 1);
    stack.undo();
    EXPECT_EQ(reg.GetFormat().integerDigits, 4);
    EXPECT_EQ(reg.GetReverse(), 0);
    EXPECT_EQ(reg.GetWidth(), 40);
    stack.redo();
    EXPECT_EQ(reg.GetWidth(), 24);
    EXPECT_EQ(notified, 3);
}

} // namespace
} // namespace balsar::dialogs

namespace balsar::dialogs {
namespace {

TEST(ElementPropertiesDialog, DesignerEntryPushesOneStepOnlyAfterOk) {
    test::DialogFixture f;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(2);
    f.doc.AddScreen(std::move(screen));
    f.doc.SetCurrentScreen(f.doc.FindScreen(2));
    auto text = std::make_unique<CStaticText>();
    text->ChangeDotMatrix(1, nullptr);
    text->SetText("AB", nullptr);
    f.doc.AddElement(std::move(text));
    const auto& element = dynamic_cast<const CStaticText&>(*f.doc.FindScreen(2)->GetElements()[0]);
    QUndoStack stack;
    // The modal dialog is answered as soon as its event loop runs.
    auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<ElementPropertiesDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* page = dynamic_cast<StaticTextPage*>(dialog->KindPage());
            ASSERT_NE(page, nullptr);
            Click(page->Reverse());
            ok ? dialog->accept() : dialog->reject();
        });
    };
    answer(false);
    EXPECT_FALSE(EditElementPropertiesUndoable(nullptr, f.doc, f.session, stack, 2, 0, nullptr));
    EXPECT_EQ(stack.count(), 0);
    EXPECT_EQ(element.GetReverse(), 0);
    answer(true);
    EXPECT_TRUE(EditElementPropertiesUndoable(nullptr, f.doc, f.session, stack, 2, 0, nullptr));
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(element.GetReverse(), 1);
    EXPECT_FALSE(EditElementPropertiesUndoable(nullptr, f.doc, f.session, stack, 2, 5, nullptr));
}

} // namespace
} // namespace balsar::dialogs
