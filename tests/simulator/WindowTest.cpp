// The simulator window offscreen: a click on a key of the front and a key
// of the keyboard reach the panel, the side pane lists the current screen's
// registers and an edited value goes into the register (offline) or into
// the PLC (online, where the link chosen is remembered).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "ModbusTestServer.h"
#include "SimulatorProject.h"
#include "base/MessageSink.h"
#include "plc/ProtocolLibrary.h"
#include "simulator/PanelFrontWidget.h"
#include "simulator/SimulatorWindow.h"

using namespace balsar;
using namespace balsar::simulator;

namespace {

class Window : public ::testing::Test {
protected:
    std::unique_ptr<SimulatorWindow> Open(bool online) {
        auto panel = std::make_unique<runtime::PanelRuntime>();
        std::string error;
        EXPECT_TRUE(panel->Load(simulator::test::CompileSimulatorProject(designer), error)) << error;
        RecordingMessageSink sink;
        ProtocolLibrary library = ProtocolLibrary::ForProgram();
        library.EnsureLoaded(sink);
        PortRegisters names;
        names.Load(panel->Image().ports, library, sink);
        std::vector<std::pair<int, std::string>> keys{
            {1, "F1"}, {2, "F2"}, {3, "F3"}, {20, "ENT"}, {21, "ESC"}};
        FrontLayout layout = FrontLayout::For("TP-128", 128, 64, keys);
        return std::make_unique<SimulatorWindow>(std::move(panel), std::move(names), layout, QImage(),
                                                 "plant.bin~", online);
    }

    static QTableWidget* Table(SimulatorWindow& window) { return window.findChild<QTableWidget*>(); }
    static PanelFrontWidget* Front(SimulatorWindow& window) { return window.findChild<PanelFrontWidget*>(); }

    runtime::test::DesignerFixture designer;
};

TEST_F(Window, KeysClicksAndTheRegisterPaneOffline) {
    auto window = Open(false);
    QTableWidget* table = Table(*window);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 4); // the register, the lamp, the word key and the bit key
    EXPECT_EQ(table->item(0, 0)->text(), "COM0 4X 10");
    EXPECT_EQ(table->item(1, 0)->text(), "COM0 0X 5");

    // Editing a value writes the register; the frame shows it.
    table->item(0, 2)->setText("321");
    const runtime::RegisterUse use = window->Panel().RegistersOfScreen(1).at(0);
    EXPECT_EQ(window->Panel().Registers().Values(use.address, 1).at(0), 321);
    table->item(0, 2)->setText("nonsense");
    EXPECT_EQ(window->Panel().Registers().Values(use.address, 1).at(0), 321);

    // A click on F1 sets 4X 20 to 1234; the pane shows it after a tick.
    PanelFrontWidget* front = Front(*window);
    const FrontKey* f1 = front->Layout().Key(1);
    ASSERT_NE(f1, nullptr);
    const QPoint centre(f1->rect.x + f1->rect.width / 2, f1->rect.y + f1->rect.height / 2);
    QTest::mousePress(front, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(front, Qt::LeftButton, {}, centre);
    window->Tick();
    EXPECT_EQ(table->item(2, 2)->text(), "1234");

    // F3 on the keyboard jumps to screen 2: the pane follows.
    QTest::keyClick(front, Qt::Key_F3);
    window->Tick();
    EXPECT_EQ(window->Panel().CurrentScreen(), 2);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), "LW3");
}

TEST_F(Window, OnlineTheLinkIsChosenRememberedAndCarriesEdits) {
    QSettings("Balsar", "MirloSpy").remove("link");
    simulator::test::ModbusTestServer server(simulator::test::ModbusTestServer::Transport::Tcp);
    ASSERT_TRUE(server.Started()) << server.Error();
    server.SetHolding(9, 555);
    {
        auto window = Open(true);
        auto* target = window->findChild<QLineEdit*>();
        ASSERT_NE(target, nullptr);
        target->setText(QString::fromStdString(server.Target()));
        ASSERT_TRUE(window->ConnectLink());
        EXPECT_EQ(QSettings("Balsar", "MirloSpy").value("link").toString().toStdString(),
                  "tcp:" + server.Target());
        QTableWidget* table = Table(*window);
        for (int i = 0; i < 40 && table->item(0, 2)->text() != "555"; ++i) {
            QTest::qWait(50);
        }
        EXPECT_EQ(table->item(0, 2)->text(), "555");
        table->item(0, 2)->setText("99");
        for (int i = 0; i < 40 && server.Holding(9) != 99; ++i) {
            QTest::qWait(50);
        }
        EXPECT_EQ(server.Holding(9), 99);
    }
    // A new window offers the remembered link.
    auto again = Open(true);
    EXPECT_EQ(again->findChild<QLineEdit*>()->text().toStdString(), server.Target());
    EXPECT_EQ(again->findChild<QComboBox*>()->currentIndex(), 0);
}

} // namespace

// The wheel turns the rotary encoder only on a model that has one: a step
// away from the user is the up key, a step towards the user the down key;
// half steps (touchpads) add up.
TEST_F(Window, TheWheelTurnsTheEncoderOfAModelThatHasOne) {
    auto window = Open(false);
    PanelFrontWidget* front = Front(*window);
    std::vector<int> pressed;
    std::vector<int> released;
    QObject::connect(front, &PanelFrontWidget::KeyPressed, [&](int code) { pressed.push_back(code); });
    QObject::connect(front, &PanelFrontWidget::KeyReleased, [&](int code) { released.push_back(code); });
    const auto turn = [front](int eighths) {
        QWheelEvent wheel(QPointF(10, 10), front->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, eighths),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(front, &wheel);
    };

    turn(120);
    EXPECT_TRUE(pressed.empty()) << "a model without an encoder ignores the wheel";

    front->SetEncoder(true);
    turn(240);
    turn(-60);
    EXPECT_EQ(pressed.size(), 2u);
    turn(-60);
    EXPECT_EQ(pressed, (std::vector<int>{runtime::KEY_UP, runtime::KEY_UP, runtime::KEY_DOWN}));
    EXPECT_EQ(released, pressed);
}
