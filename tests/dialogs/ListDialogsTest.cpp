// The event and the data-transfer lists with their item dialogs.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DataTransferDialog.h"
#include "dialogs/DataTransferItemDialog.h"
#include "dialogs/EventItemDialog.h"
#include "dialogs/EventListDialog.h"
#include "dialogs/NumEditWidget.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;
using test::TypeInto;

// An item dialog run that types the message and presses OK.
std::function<bool(EventItemDialog&)> EnterMessage(const char* message) {
    return [message](EventItemDialog& item) {
        TypeInto(item.Message(), message);
        item.accept();
        return item.result() == QDialog::Accepted;
    };
}

TEST(EventItemDialog, OkChecksComeInOrder) {
    DialogFixture f;
    EventItemDialog dialog(EventItem(), &f.Project(), f.session, false);
    dialog.show();
    // A bit item: trigger edge on, comparison and value off.
    EXPECT_TRUE(dialog.OnSet()->isEnabled());
    EXPECT_FALSE(dialog.Comparison()->isEnabled());
    Choose(dialog.Kind(), "字地址");
    EXPECT_FALSE(dialog.OnSet()->isEnabled());
    EXPECT_EQ(dialog.Item().address.width, WIDTH_WORD);

    // The range box only with "==" or "<>"; "<" clears it.
    Choose(dialog.Comparison(), "==");
    Click(dialog.Range());
    EXPECT_FALSE(dialog.Value()->isEnabled());
    EXPECT_TRUE(dialog.Lower()->isEnabled());
    Choose(dialog.Comparison(), "<");
    EXPECT_FALSE(dialog.Range()->isChecked());
    EXPECT_FALSE(dialog.Range()->isEnabled());
    Choose(dialog.Comparison(), "<>");
    Click(dialog.Range());

    // All three faults at once: the message is reported first.
    TypeInto(dialog.Lower(), "99999999999");
    TypeInto(dialog.Upper(), "-5");
    TypeInto(dialog.Message(), "   ");
    dialog.accept();
    TypeInto(dialog.Message(), "Pump overload");
    dialog.accept();
    TypeInto(dialog.Lower(), "10");
    dialog.accept();
    EXPECT_EQ(f.Messages(), (std::vector<std::string>{"信息输入不能为空",
                                                      "字状态取值范围越界，必须在-2147483648和2147483647",
                                                      "上限必须大于下限"}));
    EXPECT_TRUE(dialog.isVisible());

    // Equal limits pass; the buzzer time takes 0..10 only.
    TypeInto(dialog.Upper(), "10");
    EXPECT_FALSE(dialog.Seconds()->isEnabled());
    Click(dialog.Buzzer());
    f.sink.Clear();
    TypeInto(dialog.Seconds(), "11");
    EXPECT_EQ(dialog.Seconds()->Value(), 1);
    EXPECT_EQ(f.sink.Entries().size(), 1u);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const EventItem& item = dialog.Item();
    EXPECT_EQ(item.flags, EventItem::kWordAddress | EventItem::kBuzzer | (EVENT_NOT_EQUAL << 1));
    EXPECT_EQ(item.range, 1);
    EXPECT_EQ(item.lowerLimit, 10);
    EXPECT_EQ(item.upperLimit, 10);
    EXPECT_EQ(item.buzzerSeconds, 1);
    EXPECT_EQ(item.message, "Pump overload");
}

TEST(EventListDialog, AddDeleteModifyAndOk) {
    DialogFixture f;
    EventListDialog dialog(f.doc, f.session);
    dialog.show();
    // Every run of the item dialog enters the same message.
    dialog.runItemDialog = EnterMessage("Door open");
    Click(dialog.AddButton());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(1), "LOCAL");
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(2), "LW.B");
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(3), "Door open");
    // The same item again is refused.
    Click(dialog.AddButton());
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 1);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"报警设置条目已存在"});

    // Delete and modify want a row; No keeps the item.
    f.sink.Clear();
    dialog.List()->clearSelection();
    Click(dialog.DeleteButton());
    Click(dialog.ModifyButton());
    EXPECT_EQ(f.Messages(), (std::vector<std::string>{"请先选择一行", "请先选择一行"}));
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
    f.prompt.Script(Answer::No);
    Click(dialog.DeleteButton());
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 1);
    EXPECT_EQ(f.prompt.Questions().back().text, "确定删除？");
    EXPECT_EQ(f.prompt.Questions().back().caption, "确定");

    // Closing after a change asks; No keeps the dialog and its items.
    EXPECT_TRUE(f.Project().eventList.items.empty());
    f.prompt.Script(Answer::No);
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(f.prompt.Questions().back().text, "是否放弃可能的更改？");

    // OK hands the items and the settings to the project.
    bool applied = false;
    QObject::connect(&dialog, &ItemListDialog::applied, [&] { applied = true; });
    Choose(dialog.SizeBox(), "8(仅限英文)");
    EXPECT_FALSE(dialog.LanguageBox()->isEnabled());
    EXPECT_FALSE(dialog.FontBox()->isEnabled());
    EXPECT_FALSE(dialog.FontChooser()->isEnabled());
    Click(dialog.AutoPopupBox());
    Click(dialog.OkButton());
    EXPECT_TRUE(applied);
    EXPECT_FALSE(dialog.isVisible());
    const EventList& list = f.Project().eventList;
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].message, "Door open");
    EXPECT_EQ(list.fontSizeIndex, 0);
    EXPECT_EQ(list.autoPopup, 0);
    EXPECT_TRUE(f.doc.IsModified());
}

// A duplicate event item is refused while its dialog stays open with what
// was typed; changed, it is taken.
TEST(EventListDialog, ADuplicateKeepsTheItemDialogOpenWithItsInput) {
    DialogFixture f;
    EventListDialog dialog(f.doc, f.session);
    dialog.show();
    dialog.runItemDialog = EnterMessage("Door open");
    Click(dialog.AddButton());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    bool closed = true;
    QString kept;
    dialog.runItemDialog = [&](EventItemDialog& item) {
        TypeInto(item.Message(), "Door open");
        item.accept();
        closed = item.result() == QDialog::Accepted;
        kept = item.Message()->text();
        // The user changes the message and tries again.
        TypeInto(item.Message(), "Door shut");
        item.accept();
        return item.result() == QDialog::Accepted;
    };
    Click(dialog.AddButton());
    EXPECT_FALSE(closed);
    EXPECT_EQ(kept, "Door open");
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"报警设置条目已存在"});
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(3), "Door shut");
}

// Size 8 with a Chinese message asks first: No keeps the size and the
// message, Yes keeps only the English characters.
TEST(EventListDialog, SizeEightWithChineseMessagesAsksFirst) {
    DialogFixture f;
    EventListDialog dialog(f.doc, f.session);
    dialog.show();
    Choose(dialog.SizeBox(), 2);
    dialog.runItemDialog = [](EventItemDialog& item) {
        item.Message()->setText(QStringLiteral("门 open")); // typed keys are ASCII only
        item.accept();
        return item.result() == QDialog::Accepted;
    };
    Click(dialog.AddButton());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    const int before = dialog.SizeBox()->currentIndex();
    f.prompt.Script(Answer::No);
    Choose(dialog.SizeBox(), "8(仅限英文)");
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(f.prompt.Questions()[0].text, "所有非英文字符将丢失，是否继续？");
    EXPECT_EQ(dialog.SizeBox()->currentIndex(), before);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(3), "门 open");
    f.prompt.Script(Answer::Yes);
    Choose(dialog.SizeBox(), "8(仅限英文)");
    EXPECT_EQ(dialog.SizeBox()->currentIndex(), 0);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(3), " open");
}

TEST(DataTransferItemDialog, TriggerRadiosDecideModeAndControls) {
    DialogFixture f;
    DataTransferItem start;
    start.timed = 0;
    start.triggerType = 0;
    {
        // Neither mode chosen: timed and trigger type stay as they were.
        DataTransferItemDialog dialog(start, &f.Project(), f.session);
        dialog.show();
        EXPECT_FALSE(dialog.Timed()->isChecked());
        EXPECT_FALSE(dialog.Triggered()->isChecked());
        EXPECT_FALSE(dialog.TriggerType()->isEnabled());
        EXPECT_FALSE(dialog.Executions()->Edit()->isEnabled());
        EXPECT_FALSE(dialog.TriggerAddress()->isVisibleTo(&dialog));
        dialog.accept();
        EXPECT_EQ(dialog.Item().timed, 0);
        EXPECT_EQ(dialog.Item().triggerType, 0);
    }
    {
        DataTransferItemDialog dialog(start, &f.Project(), f.session);
        dialog.show();
        Click(dialog.Triggered());
        EXPECT_TRUE(dialog.TriggerType()->isEnabled());
        EXPECT_TRUE(dialog.Executions()->Edit()->isEnabled());
        EXPECT_TRUE(dialog.TriggerAddress()->isVisible());
        Choose(dialog.TriggerType(), "ON<->OFF");
        TypeInto(dialog.Executions()->Edit(), "5");
        // Words: source and destination become word addresses.
        Click(dialog.WordData());
        EXPECT_EQ(dialog.SourceAddress()->TypeBox()->currentText(), "LW");
        EXPECT_EQ(dialog.DestinationAddress()->TypeBox()->currentText(), "LW");
        TypeInto(dialog.Count()->Edit(), "129");
        TypeInto(dialog.Window()->lineEdit(), "3");
        dialog.accept();
        const DataTransferItem& item = dialog.Item();
        EXPECT_EQ(item.timed, 0);
        EXPECT_EQ(item.triggerType, 3);
        EXPECT_EQ(item.executions, 5);
        EXPECT_EQ(item.validWindow, 3);
        EXPECT_EQ(item.count, 12);
        EXPECT_EQ(item.sourceAddress.width, WIDTH_WORD);
        EXPECT_EQ(item.triggerAddress.width, WIDTH_BIT);
        EXPECT_EQ(item.CompiledFlags(), 0x36u);
    }
    {
        start.triggerType = 2;
        DataTransferItemDialog dialog(start, &f.Project(), f.session);
        EXPECT_TRUE(dialog.Triggered()->isChecked());
        Click(dialog.Timed());
        EXPECT_FALSE(dialog.TriggerType()->isEnabled());
        dialog.accept();
        EXPECT_EQ(dialog.Item().timed, 1);
        EXPECT_EQ(dialog.Item().triggerType, 0);
    }
}

TEST(DataTransferDialog, ListRowsDuplicatesAndOk) {
    DialogFixture f;
    DataTransferDialog dialog(f.doc, f.session);
    dialog.show();
    dialog.runItemDialog = [](DataTransferItemDialog& item) {
        Click(item.Timed());
        item.accept();
        return true;
    };
    Click(dialog.AddButton());
    Click(dialog.AddButton());
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"报警设置条目已存在"});
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = dialog.List()->topLevelItem(0);
    EXPECT_EQ(row->text(0), "1");
    EXPECT_EQ(row->text(1), "定时触发");
    EXPECT_EQ(row->text(2), "LW.B0.0");
    EXPECT_EQ(row->text(4), "1");
    // Modify the selected row: a count of 7 makes it a different item.
    dialog.runItemDialog = [](DataTransferItemDialog& item) {
        TypeInto(item.Count()->Edit(), "7");
        item.accept();
        return true;
    };
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
    Click(dialog.ModifyButton());
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(4), "7");
    Click(dialog.OkButton());
    ASSERT_EQ(f.Project().dataTransfers.items.size(), 1u);
    EXPECT_EQ(f.Project().dataTransfers.items[0].count, 7);
    EXPECT_EQ(f.Project().dataTransfers.items[0].timed, 1);
    EXPECT_TRUE(f.doc.IsModified());
}

// A duplicate is refused while the item dialog stays open with what was
// typed; a new item starts as a timed transfer.
TEST(DataTransferDialog, ADuplicateKeepsTheItemDialogOpenWithItsInput) {
    DialogFixture f;
    DataTransferDialog dialog(f.doc, f.session);
    dialog.show();
    bool startedTimed = false;
    dialog.runItemDialog = [&](DataTransferItemDialog& item) {
        startedTimed = item.Timed()->isChecked();
        TypeInto(item.Count()->Edit(), "5");
        item.accept();
        return item.result() == QDialog::Accepted;
    };
    Click(dialog.AddButton());
    EXPECT_TRUE(startedTimed);
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    bool closed = true;
    int64_t kept = 0;
    dialog.runItemDialog = [&](DataTransferItemDialog& item) {
        TypeInto(item.Count()->Edit(), "5");
        item.accept();
        closed = item.result() == QDialog::Accepted;
        kept = item.Count()->Edit()->Value();
        // The user changes the count and tries again.
        TypeInto(item.Count()->Edit(), "6");
        item.accept();
        return item.result() == QDialog::Accepted;
    };
    Click(dialog.AddButton());
    EXPECT_FALSE(closed);
    EXPECT_EQ(kept, 5);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"报警设置条目已存在"});
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(4), "6");
}

} // namespace
} // namespace balsar::dialogs
