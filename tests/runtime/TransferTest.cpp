// Data transfers: timed copies on their period, copies on the edges of a
// trigger bit, valid windows, limited executions, bits and double words.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/DesignerFixture.h"
#include "runtime/PanelRuntime.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;
using runtime::test::LocalBit;
using runtime::test::LocalWord;

namespace {

class Transfers : public ::testing::Test {
protected:
    runtime::AddressRecord At(const char* text) {
        runtime::AddressRecord address;
        EXPECT_TRUE(runtime::AddressRecord::FromText(text, address)) << text;
        return address;
    }
    uint16_t Word(const char* text) { return panel.Registers().Memory().Word(At(text)); }
    void Set(const char* text, uint16_t value) { panel.Registers().Memory().SetWord(At(text), 0, value); }

    std::unique_ptr<CMirloProject> Project() {
        auto project = designer.NewProject();
        project->AddScreen(DesignerFixture::NewScreen(1, 2, 2));
        project->AddScreen(DesignerFixture::NewScreen(2, 1, 1));
        return project;
    }

    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(Transfers, TimedCopiesOnTheirPeriodAndStopAfterTheirExecutions) {
    auto project = Project();
    DataTransferItem timed;
    timed.timed = 1;
    timed.period = 5;
    timed.executions = 2;
    timed.count = 3;
    timed.sourceAddress = LocalWord("LW", 0);
    timed.destinationAddress = LocalWord("RW", 100);
    project->dataTransfers.items.push_back(timed);
    DataTransferItem forever = timed;
    forever.executions = 0;
    forever.count = 1;
    forever.sourceAddress = LocalWord("LW", 10);
    forever.destinationAddress = LocalWord("RW", 200);
    project->dataTransfers.items.push_back(forever);
    designer.Run(std::move(project), panel);

    Set("LW0", 1);
    Set("LW1", 2);
    Set("LW2", 3);
    Set("LW3", 4);
    panel.Step(400);
    EXPECT_EQ(Word("RW100"), 0);
    panel.Step(100);
    EXPECT_EQ(Word("RW100"), 1);
    EXPECT_EQ(Word("RW102"), 3);
    EXPECT_EQ(Word("RW103"), 0);
    Set("LW0", 7);
    panel.Step(500);
    EXPECT_EQ(Word("RW100"), 7);
    Set("LW0", 9);
    Set("LW10", 9);
    panel.Step(5000);
    EXPECT_EQ(Word("RW100"), 7); // two executions made
    EXPECT_EQ(panel.Transfers().Executions(0), 2u);
    EXPECT_EQ(Word("RW200"), 9);
    EXPECT_EQ(panel.Transfers().Executions(1), 12u);
}

TEST_F(Transfers, TriggerEdgesAndTheValidWindow) {
    auto project = Project();
    DataTransferItem rising;
    rising.triggerType = 1;
    rising.executions = 0;
    rising.triggerAddress = LocalBit("LW.B", 50, 0);
    rising.count = 4;
    rising.sourceAddress = LocalBit("LW.B", 60, 0);
    rising.destinationAddress = LocalBit("RW.B", 5, 2);
    project->dataTransfers.items.push_back(rising);
    DataTransferItem both = rising;
    both.triggerType = 3;
    both.triggerAddress = LocalBit("LW.B", 50, 1);
    both.count = 1;
    both.sourceAddress = LocalWord("LW", 61);
    both.destinationAddress = LocalWord("RW", 6);
    both.validWindow = 2;
    project->dataTransfers.items.push_back(both);
    designer.Run(std::move(project), panel);

    Set("LW60", 0b1011);
    Set("LW50", 1); // on at the first reading: a starting state, no edge
    panel.Step(100);
    EXPECT_EQ(Word("RW5"), 0);
    Set("LW50", 0);
    panel.Step(100);
    Set("LW50", 1);
    panel.Step(100);
    EXPECT_EQ(Word("RW5"), 0b1011 << 2);

    // Item 2 runs on both edges, but only while screen 2 is shown.
    Set("LW61", 42);
    Set("LW50", 0b11);
    panel.Step(100);
    EXPECT_EQ(Word("RW6"), 0);
    panel.TapKey(runtime::KEY_DOWN);
    ASSERT_EQ(panel.CurrentScreen(), 2);
    Set("LW50", 0b01);
    panel.Step(100);
    EXPECT_EQ(Word("RW6"), 42);
    Set("LW61", 43);
    Set("LW50", 0b11);
    panel.Step(100);
    EXPECT_EQ(Word("RW6"), 43);
    // The first item copied once per rising edge: still its first copy.
    EXPECT_EQ(panel.Transfers().Executions(0), 1u);
}

TEST_F(Transfers, ATriggeredItemStopsAfterItsExecutions) {
    auto project = Project();
    DataTransferItem once;
    once.triggerType = 2; // ON->OFF
    once.executions = 1;
    once.triggerAddress = LocalBit("LW.B", 50, 0);
    once.sourceAddress = LocalWord("LW", 61);
    once.destinationAddress = LocalWord("RW", 6);
    project->dataTransfers.items.push_back(once);
    designer.Run(std::move(project), panel);
    Set("LW50", 1);
    panel.Step(100);
    Set("LW61", 5);
    Set("LW50", 0);
    panel.Step(100);
    EXPECT_EQ(Word("RW6"), 5);
    Set("LW61", 6);
    Set("LW50", 1);
    panel.Step(100);
    Set("LW50", 0);
    panel.Step(100);
    EXPECT_EQ(Word("RW6"), 5);
}

TEST_F(Transfers, PeriodsOfYearsNeverComeDueWithinSeconds) {
    // 100 ms times these periods does not fit 32 bits: 2^30 once wrapped to
    // a period of 0 (a division by zero), 42949673 to a period of 4 ms.
    auto project = Project();
    DataTransferItem item;
    item.timed = 1;
    item.executions = 0;
    item.count = 1;
    item.sourceAddress = LocalWord("LW", 0);
    for (const int32_t period : {1 << 30, 42949673, std::numeric_limits<int32_t>::max()}) {
        item.period = period;
        item.destinationAddress = LocalWord("RW", static_cast<int>(project->dataTransfers.items.size()));
        project->dataTransfers.items.push_back(item);
    }
    designer.Run(std::move(project), panel);
    Set("LW0", 5);
    for (int second = 0; second < 10; ++second) {
        panel.Step(1000);
    }
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(panel.Transfers().Executions(i), 0u) << i;
    }
    EXPECT_EQ(Word("RW1"), 0);
}

TEST_F(Transfers, DoubleWordsMoveTwiceTheirCount) {
    auto project = Project();
    DataTransferItem item;
    item.timed = 1;
    item.period = 1;
    item.executions = 0;
    item.count = 3; // a double-word source compiles (3 + 1) / 2 = 2 double words
    item.sourceAddress = runtime::test::PlcWord(0, 10, WIDTH_DWORD);
    item.sourceAddress.regType = "4X.D";
    item.destinationAddress = LocalWord("RW", 20);
    project->dataTransfers.items.push_back(item);
    designer.Run(std::move(project), panel);
    const runtime::TransferRecord& record = panel.Image().transfers.at(0);
    ASSERT_TRUE(record.source.IsDoubleWord());
    EXPECT_EQ(record.source.count, 2);
    ASSERT_EQ(runtime::TransferScheduler::ValuesOf(record), 4u);
    for (uint16_t i = 0; i < 5; ++i) {
        runtime::AddressRecord source = record.source;
        panel.Registers().Memory().SetWord(source, i, static_cast<uint16_t>(100 + i));
    }
    panel.Step(100);
    const size_t moved = runtime::TransferScheduler::ValuesOf(record);
    EXPECT_EQ(Word("RW20"), 100);
    EXPECT_EQ(panel.Registers().Memory().Word(At("RW20"), moved - 1), 100 + moved - 1);
    EXPECT_EQ(panel.Registers().Memory().Word(At("RW20"), moved), 0);
}

} // namespace
