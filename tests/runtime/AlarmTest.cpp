// Event items watching their addresses: the conditions of bit and word
// items, events raised and cleared in the history, the alarm screen popping
// up, the buzzer's time, mute and silencing key, and the event list showing
// the newest event first.
#include <gtest/gtest.h>

#include "elements/CEventListGE.h"
#include "runtime/DesignerFixture.h"
#include "runtime/PanelRuntime.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;
using runtime::test::LocalBit;
using runtime::test::LocalWord;

namespace {

EventItem BitItem(int32_t bit, bool onSet, int32_t buzzer = -1) {
    EventItem item;
    item.flags = onSet ? EventItem::kTriggerOnSet : 0;
    if (buzzer >= 0) {
        item.flags |= EventItem::kBuzzer;
        item.buzzerSeconds = buzzer;
    }
    item.address = LocalBit("LW.B", 0, bit);
    item.message = "BIT" + std::to_string(bit);
    return item;
}

EventItem WordItem(int32_t word, uint32_t comparison, int32_t value, bool range = false, int32_t lower = 0,
                   int32_t upper = 0) {
    EventItem item;
    item.flags = EventItem::kWordAddress;
    item.SetComparison(comparison);
    item.value = value;
    item.range = range ? 1 : 0;
    item.lowerLimit = lower;
    item.upperLimit = upper;
    item.address = LocalWord("LW", word);
    item.message = "W" + std::to_string(word);
    return item;
}

class Alarms : public ::testing::Test {
protected:
    void SetWord(uint32_t word, double value) {
        runtime::AddressRecord a;
        a.linear = word;
        panel.Registers().Memory().SetWord(a, 0, static_cast<uint16_t>(static_cast<int32_t>(value)));
    }

    std::unique_ptr<CMirloProject> Project() {
        auto project = designer.NewProject();
        project->AddScreen(DesignerFixture::NewScreen(1, 2, 2));
        auto alarms = DesignerFixture::NewScreen(2, 1, 1);
        auto list = std::make_unique<CEventListGE>();
        list->CoverScreen(128, 64);
        alarms->AddElement(std::move(list));
        project->AddScreen(std::move(alarms));
        project->eventList.alarmScreen = 2;
        project->eventList.fontSizeIndex = 0;
        return project;
    }

    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(Alarms, ConditionsOfBitAndWordItems) {
    auto project = Project();
    project->eventList.autoPopup = 0;
    auto& items = project->eventList.items;
    items.push_back(BitItem(0, true));
    items.push_back(BitItem(1, false));
    items.push_back(WordItem(1, EVENT_LESS, 10));
    items.push_back(WordItem(2, EVENT_GREATER, 100));
    items.push_back(WordItem(3, EVENT_EQUAL, 0, true, 5, 9));
    items.push_back(WordItem(4, EVENT_NOT_EQUAL, 3));
    items.push_back(WordItem(5, EVENT_GREATER_EQUAL, 40000));
    items.push_back(WordItem(6, EVENT_LESS_EQUAL, -5));
    designer.Run(std::move(project), panel);

    struct Case {
        size_t item;
        uint32_t word;
        double value;
        bool holds;
    };
    const Case cases[] = {
        {2, 1, 9, true},      {2, 1, 10, false},   {3, 2, 101, true},    {3, 2, 100, false},
        {4, 3, 5, true},      {4, 3, 9, true},     {4, 3, 10, false},    {4, 3, 4, false},
        {5, 4, 3, false},     {5, 4, 2, true},     {6, 5, 40000, true},  {6, 5, 39999, false},
        {6, 5, -25536, true}, {7, 6, -5, true},    {7, 6, -4, false},    {7, 6, -6, true},
    };
    for (const Case& c : cases) {
        SetWord(c.word, c.value);
        EXPECT_EQ(runtime::AlarmMonitor::Holds(panel.Image().events.items[c.item], panel.Registers()), c.holds)
            << "item " << c.item << " value " << c.value;
    }
    // Bit items: on-triggered while set, off-triggered while clear.
    SetWord(0, 0);
    EXPECT_FALSE(runtime::AlarmMonitor::Holds(panel.Image().events.items[0], panel.Registers()));
    EXPECT_TRUE(runtime::AlarmMonitor::Holds(panel.Image().events.items[1], panel.Registers()));
    SetWord(0, 3);
    EXPECT_TRUE(runtime::AlarmMonitor::Holds(panel.Image().events.items[0], panel.Registers()));
    EXPECT_FALSE(runtime::AlarmMonitor::Holds(panel.Image().events.items[1], panel.Registers()));
}

TEST_F(Alarms, EventsAreRaisedAndClearedWithThePanelsTime) {
    auto project = Project();
    project->eventList.autoPopup = 0;
    project->eventList.items.push_back(BitItem(0, true));
    project->eventList.items.push_back(WordItem(1, EVENT_GREATER, 50));
    designer.Run(std::move(project), panel);
    panel.SetClock(1000);
    panel.Step(100);
    EXPECT_TRUE(panel.Alarms().History().empty());
    SetWord(0, 1);
    panel.Step(2000);
    SetWord(1, 60);
    panel.Step(1000);
    ASSERT_EQ(panel.Alarms().History().size(), 2u);
    EXPECT_EQ(panel.Alarms().ActiveCount(), 2u);
    // Newest first.
    EXPECT_EQ(panel.Alarms().History()[0].item, 1u);
    EXPECT_EQ(panel.Alarms().History()[0].raised, 1002);
    EXPECT_EQ(panel.Alarms().History()[1].item, 0u);
    EXPECT_EQ(panel.Alarms().History()[1].raised, 1000);
    SetWord(0, 0);
    panel.Step(1000);
    EXPECT_FALSE(panel.Alarms().Active(0));
    EXPECT_EQ(panel.Alarms().History()[1].cleared, 1003);
    EXPECT_EQ(panel.Alarms().History()[0].cleared, -1);
    // Raised again: a new event.
    SetWord(0, 1);
    panel.Step(100);
    EXPECT_EQ(panel.Alarms().History().size(), 3u);
    EXPECT_EQ(panel.CurrentScreen(), 1);
}

TEST_F(Alarms, TheAlarmScreenPopsUpAndTheBuzzerSoundsForItsTime) {
    auto project = Project();
    project->eventList.items.push_back(BitItem(0, true, 2));
    project->eventList.items.push_back(BitItem(1, true, 0));
    designer.Run(std::move(project), panel);
    ASSERT_EQ(panel.CurrentScreen(), 1);
    const runtime::FrameBuffer before = panel.RenderScreen(2);
    SetWord(0, 1);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    EXPECT_TRUE(panel.Buzzer());
    // The event list shows the event's line.
    EXPECT_GT(panel.Render().CountLit(runtime::PixelRect{0, 0, 128, 8}), 10);
    EXPECT_EQ(before.CountLit(runtime::PixelRect{0, 0, 128, 64}), 0);
    panel.Step(1800);
    EXPECT_TRUE(panel.Buzzer());
    panel.Step(200);
    EXPECT_FALSE(panel.Buzzer());
    // Buzzer time 0 sounds until a key is pressed.
    panel.TapKey(runtime::KEY_UP);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    SetWord(0, 3);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    panel.Step(60000);
    EXPECT_TRUE(panel.Buzzer());
    panel.TapKey(runtime::KEY_ESCAPE);
    EXPECT_FALSE(panel.Buzzer());
}

TEST_F(Alarms, AMutedBuzzerStaysSilent) {
    auto project = Project();
    project->settings.optionFlags |= 0x4;
    project->eventList.items.push_back(BitItem(0, true, 5));
    designer.Run(std::move(project), panel);
    SetWord(0, 1);
    panel.Step(100);
    EXPECT_EQ(panel.Alarms().History().size(), 1u);
    EXPECT_FALSE(panel.Buzzer());
}

} // namespace
