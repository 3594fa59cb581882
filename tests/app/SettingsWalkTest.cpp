// The settings dialogs walked as a user walks them: each one opened from its
// command, one value changed through its own widgets, OK pressed. Every
// accepted dialog is one undo step; undo all gives the bytes the project had
// before the first dialog, redo all and save gives the file saved before the
// undos, and that file opens again to the same bytes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <deque>
#include <functional>
#include <set>
#include <stdexcept>
#include <gtest/gtest.h>

#include "DemoProject.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "dialogs/CommunicationDialog.h"
#include "dialogs/DataTransferDialog.h"
#include "dialogs/DataTransferItemDialog.h"
#include "dialogs/EventItemDialog.h"
#include "dialogs/EventListDialog.h"
#include "dialogs/GlobalSettingsDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/NumEditWidget.h"
#include "dialogs/PortPageWidget.h"
#include "editor/ScreenEditor.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementKinds.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::app;

namespace {

// Answers the modal dialogs that open while a command runs, in the order
// given: a step acts once the active modal window is of its type. A step
// presses buttons through the event queue, so a button that opens a nested
// modal dialog does not block the script. Whatever is still open after the
// time limit is rejected, so a dialog that never appears fails the test
// instead of hanging it.
class ModalScript {
public:
    // ready: what the dialog must show before the step acts (a nested
    // dialog's result reaches its list only after that dialog closed).
    template <class Dialog>
    void Then(std::function<void(Dialog&)> act, std::function<bool(Dialog&)> ready = nullptr) {
        m_steps.push_back({[ready](QWidget* w) {
                               auto* dialog = qobject_cast<Dialog*>(w);
                               return dialog != nullptr && (!ready || ready(*dialog));
                           },
                           [act](QWidget* w) { act(*qobject_cast<Dialog*>(w)); }});
    }

    // Triggers the action and runs the script while its dialogs are modal;
    // true when every step ran.
    bool Run(QAction* action) {
        return Run([action] { action->trigger(); });
    }
    // The same for what a click starts (a button that runs a nested dialog).
    bool Run(const std::function<void()>& start) {
        m_deadline.start();
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { Poll(); });
        poll.start();
        start();
        poll.stop();
        const bool done = m_steps.empty() && !m_timedOut;
        m_steps.clear();
        return done;
    }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (m_deadline.elapsed() > 10000) {
            m_timedOut = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            }
            return;
        }
        if (!m_steps.empty() && m_steps.front().matches(modal)) {
            const Step step = m_steps.front();
            m_steps.pop_front();
            step.act(modal);
        }
    }

    std::deque<Step> m_steps;
    QElapsedTimer m_deadline;
    bool m_timedOut = false;
};

// Presses a button once the current event has been handled, as a click
// the user makes next.
void PressLater(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
    QTimer::singleShot(0, button, [button] { button->click(); });
}

// The OK of a dialog's button box.
QAbstractButton* OkOf(QDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box != nullptr ? box->button(QDialogButtonBox::Ok) : nullptr;
}

// Replaces a line edit's text by typing, as the user does.
void TypeInto(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The next entry of a closed combo box, chosen with the arrow key (which
// also reports it as the user's choice).
void ChooseNext(QComboBox* box) {
    ASSERT_NE(box, nullptr);
    const int before = box->currentIndex();
    ASSERT_LT(before + 1, box->count()) << "no entry after the current one";
    QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), before + 1);
}

class SettingsWalk : public ::testing::Test {
protected:
    SettingsWalk() : services(sink, prompt), window(services) {}

    // The demo project saved by the designer, then opened as a user opens it.
    void OpenDemo() {
        services.doc.SetProject(demo::BuildDemoProject(services.session.NewProjectLanguage()));
        path = folder.File("walk.ZPJ");
        ASSERT_TRUE(window.SaveProjectAsPath(QString::fromStdString(path)));
        ASSERT_TRUE(window.CloseProject());
        ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    }
    std::vector<uint8_t> DocumentBytes() {
        Archive ar;
        services.doc.Serialize(ar);
        return ar.Data();
    }
    CMirloProject& Project() { return *services.doc.Project(); }
    QUndoStack& Undo() { return *window.Editor().UndoStack(); }
    bool Starred() const { return window.windowTitle().contains(QLatin1Char('*')); }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerServices services;
    MainWindow window;
    std::string path;
};

} // namespace

TEST_F(SettingsWalk, EveryDialogIsOneStepAndUndoRedoSaveGiveTheSameBytes) {
    window.show();
    ASSERT_NO_FATAL_FAILURE(OpenDemo());
    // Elements of every kind the editor places are on the demo's screens.
    std::set<int32_t> kinds;
    for (const auto& screen : Project().Screens()) {
        for (const auto& element : screen->GetElements()) {
            kinds.insert(element->GetKind());
        }
    }
    for (int kind : {KIND_LED, KIND_FUNCKEY, KIND_STATIC_TEXT, KIND_DYNAMIC_TEXT, KIND_REGISTER, KIND_BAR, KIND_TREND,
                     KIND_PICTURE, KIND_ASCII, KIND_EVENT_LIST}) {
        EXPECT_TRUE(kinds.contains(kind)) << "kind " << kind;
    }
    ASSERT_FALSE(Starred()) << "freshly opened";
    ASSERT_EQ(Undo().count(), 0);
    std::vector<std::vector<uint8_t>> states{DocumentBytes()};

    // Saved before each dialog, so that each one's "*" is its own.
    const auto saveNow = [&] {
        window.Action(ids::kSaveProject)->trigger();
        EXPECT_FALSE(Starred()) << "saved";
    };
    // Each command's dialog run by the script; afterwards one more step, a
    // "*" in the title and the project's bytes changed.
    const auto walk = [&](int command, ModalScript& script) {
        SCOPED_TRACE(command);
        saveNow();
        const int steps = Undo().count();
        ASSERT_TRUE(script.Run(window.Action(command))) << "the dialog was not driven to its end";
        EXPECT_EQ(Undo().count(), steps + 1);
        EXPECT_TRUE(Starred()) << window.windowTitle().toStdString();
        states.push_back(DocumentBytes());
        EXPECT_NE(states.back(), states[states.size() - 2]);
    };

    // 全局设置: the start screen is the next one in its list.
    const uint16_t initialBefore = Project().settings.initialScreen;
    {
        ModalScript script;
        script.Then<dialogs::GlobalSettingsDialog>([](dialogs::GlobalSettingsDialog& d) {
            ChooseNext(d.InitialScreen());
            PressLater(OkOf(d));
        });
        walk(ids::kGlobalSettings, script);
    }
    EXPECT_NE(Project().settings.initialScreen, initialBefore);

    // 通讯设置: COM0 talks the next protocol of the list; the user agrees to
    // reset the addresses on that port (a register's among them).
    const auto protocolBefore = Project().GetPort(0)->protocolId;
    // Found by its place: an undo restores the screens as new objects.
    std::pair<uint16_t, size_t> place{0, 0};
    for (const auto& screen : Project().Screens()) {
        const auto& elements = screen->GetElements();
        for (size_t i = 0; i < elements.size() && place.first == 0; ++i) {
            const auto* reg = dynamic_cast<const CRegisterGE*>(elements[i].get());
            if (reg != nullptr && reg->Address().port == 0) {
                place = {screen->GetNumber(), i};
            }
        }
    }
    ASSERT_NE(place.first, 0) << "a register on COM0";
    const auto onCom0 = [&]() -> const CAddr& {
        const CHMIFrame* screen = services.doc.FindScreen(place.first);
        const auto* reg = screen != nullptr
                              ? dynamic_cast<const CRegisterGE*>(screen->GetElements().at(place.second).get())
                              : nullptr;
        if (reg == nullptr) {
            throw std::logic_error("the register moved");
        }
        return reg->Address();
    };
    const CAddr addressBefore = onCom0();
    {
        ModalScript script;
        script.Then<dialogs::CommunicationDialog>([](dialogs::CommunicationDialog& d) {
            ASSERT_NE(d.SerialPage(0), nullptr);
            d.Tabs()->setCurrentWidget(d.SerialPage(0));
            ChooseNext(d.SerialPage(0)->Device());
            PressLater(OkOf(d));
        });
        prompt.Script(Answer::Yes);
        walk(ids::kCommunication, script);
    }
    EXPECT_EQ(prompt.Questions().size(), 1u) << "asked before the addresses were reset";
    EXPECT_NE(Project().GetPort(0)->protocolId, protocolBefore);
    EXPECT_EQ(onCom0().port, PORT_LOCAL);

    // 报警设置: the list dialog stays open beside the editor; an item is
    // added through "增  加" and its item dialog, then the list's OK.
    {
        SCOPED_TRACE("event list");
        saveNow();
        const int steps = Undo().count();
        window.Action(ids::kAlarmSettings)->trigger();
        auto* events = window.findChild<dialogs::EventListDialog*>();
        ASSERT_NE(events, nullptr);
        ASSERT_TRUE(events->isVisible());
        const int rows = events->List()->topLevelItemCount();
        ModalScript script;
        script.Then<dialogs::EventItemDialog>([](dialogs::EventItemDialog& d) {
            TypeInto(d.Message(), QStringLiteral("Walk"));
            PressLater(OkOf(d));
        });
        // "增  加" runs the item dialog until its OK.
        ASSERT_TRUE(script.Run([events] { events->AddButton()->click(); }));
        ASSERT_EQ(events->List()->topLevelItemCount(), rows + 1);
        EXPECT_EQ(Undo().count(), steps) << "nothing stored before the list's OK";
        events->OkButton()->click();
        EXPECT_FALSE(events->isVisible());
        EXPECT_EQ(Undo().count(), steps + 1);
        EXPECT_TRUE(Starred());
        ASSERT_EQ(Project().eventList.items.size(), static_cast<size_t>(rows + 1));
        EXPECT_EQ(Project().eventList.items.back().message, "Walk");
        states.push_back(DocumentBytes());
    }

    // 数据传输设置: a second transfer of 7 words through the item dialog.
    const size_t transfersBefore = Project().dataTransfers.items.size();
    {
        ModalScript script;
        script.Then<dialogs::DataTransferDialog>(
            [](dialogs::DataTransferDialog& d) { PressLater(d.AddButton()); });
        script.Then<dialogs::DataTransferItemDialog>([](dialogs::DataTransferItemDialog& d) {
            TypeInto(d.Count()->Edit(), QStringLiteral("7"));
            PressLater(OkOf(d));
        });
        script.Then<dialogs::DataTransferDialog>(
            [](dialogs::DataTransferDialog& d) { PressLater(d.OkButton()); },
            [transfersBefore](dialogs::DataTransferDialog& d) {
                return d.Changed() && d.List()->topLevelItemCount() == static_cast<int>(transfersBefore) + 1;
            });
        walk(ids::kDataTransfer, script);
    }
    ASSERT_EQ(Project().dataTransfers.items.size(), transfersBefore + 1);
    EXPECT_EQ(Project().dataTransfers.items.back().count, 7);

    // 语言设置: one language more, the next one in its row's list.
    const int languagesBefore = Project().languages.Count();
    {
        ModalScript script;
        script.Then<dialogs::LanguageDialog>([languagesBefore](dialogs::LanguageDialog& d) {
            ChooseNext(d.CountBox());
            ChooseNext(d.LanguageBox(languagesBefore));
            EXPECT_GE(d.FontBox(languagesBefore)->currentIndex(), 0) << "the new row has a font";
            PressLater(OkOf(d));
        });
        walk(ids::kLanguageSettings, script);
    }
    EXPECT_EQ(Project().languages.Count(), languagesBefore + 1);
    EXPECT_TRUE(sink.Texts().empty()) << sink.Texts().front();
    if (HasFatalFailure()) {
        return;
    }

    // The file saved with every change.
    saveNow();
    const std::vector<uint8_t> saved = test::FileBytes(path);
    ASSERT_EQ(saved, states.back());

    // Undo all with Ctrl+Z's command: each step back to the state before it.
    QAction* undo = window.Action(ids::kUndo);
    QAction* redo = window.Action(ids::kRedo);
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(undo->isEnabled()) << i;
        undo->trigger();
        EXPECT_EQ(DocumentBytes(), states[i - 1]) << "undo to state " << i - 1;
        EXPECT_TRUE(Starred());
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(Project().settings.initialScreen, initialBefore);
    EXPECT_EQ(Project().GetPort(0)->protocolId, protocolBefore);
    EXPECT_EQ(onCom0().port, 0);
    EXPECT_EQ(onCom0().address, addressBefore.address);
    EXPECT_EQ(Project().languages.Count(), languagesBefore);

    // Redo all: the saved state again, no "*".
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(redo->isEnabled()) << i;
        redo->trigger();
        EXPECT_EQ(DocumentBytes(), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_FALSE(Starred());

    // Saved again, closed and opened: the same file, and the same again
    // when saved from the reopened project.
    window.Action(ids::kSaveProject)->trigger();
    EXPECT_EQ(test::FileBytes(path), saved);
    ASSERT_TRUE(window.CloseProject());
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    EXPECT_EQ(DocumentBytes(), saved);
    window.Action(ids::kSaveProject)->trigger();
    EXPECT_EQ(test::FileBytes(path), saved);
    EXPECT_EQ(prompt.Questions().size(), 1u) << "nothing asked after the port change";
}

// Cancel after a change, or OK without one, leaves the project as it was:
// no undo step, no "*", the same bytes.
TEST_F(SettingsWalk, CancelledOrUnchangedDialogsLeaveNoStep) {
    window.show();
    ASSERT_NO_FATAL_FAILURE(OpenDemo());
    const std::vector<uint8_t> start = DocumentBytes();
    const auto nothingChanged = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(Undo().count(), 0);
        EXPECT_FALSE(Starred()) << window.windowTitle().toStdString();
        EXPECT_FALSE(services.doc.IsModified());
        EXPECT_EQ(DocumentBytes(), start);
    };
    const auto cancelOf = [](QDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>();
        return box != nullptr ? box->button(QDialogButtonBox::Cancel) : nullptr;
    };

    // The dialogs with OK and Cancel: one combo changed, then Cancel; then
    // OK with nothing changed.
    const auto both = [&](int command, auto typed, const std::function<QComboBox*(QDialog&)>& box) {
        using Dialog = typename decltype(typed)::type;
        SCOPED_TRACE(command);
        ModalScript cancelled;
        cancelled.Then<Dialog>([&](Dialog& d) {
            ChooseNext(box(d));
            PressLater(cancelOf(d));
        });
        ASSERT_TRUE(cancelled.Run(window.Action(command)));
        nothingChanged("cancelled");
        ModalScript unchanged;
        unchanged.Then<Dialog>([](Dialog& d) { PressLater(OkOf(d)); });
        ASSERT_TRUE(unchanged.Run(window.Action(command)));
        nothingChanged("OK alone");
    };
    both(ids::kGlobalSettings, std::type_identity<dialogs::GlobalSettingsDialog>{},
         [](QDialog& d) { return static_cast<dialogs::GlobalSettingsDialog&>(d).InitialScreen(); });
    both(ids::kCommunication, std::type_identity<dialogs::CommunicationDialog>{},
         [](QDialog& d) { return static_cast<dialogs::CommunicationDialog&>(d).SerialPage(0)->Baud(); });
    both(ids::kLanguageSettings, std::type_identity<dialogs::LanguageDialog>{},
         [](QDialog& d) { return static_cast<dialogs::LanguageDialog&>(d).SystemBox(); });

    // The data transfers: an item added, then Escape and "yes, drop it";
    // then OK on the untouched list.
    {
        ModalScript dropped;
        dropped.Then<dialogs::DataTransferDialog>([](dialogs::DataTransferDialog& d) { PressLater(d.AddButton()); });
        dropped.Then<dialogs::DataTransferItemDialog>([](dialogs::DataTransferItemDialog& d) {
            TypeInto(d.Count()->Edit(), QStringLiteral("9"));
            PressLater(OkOf(d));
        });
        dropped.Then<dialogs::DataTransferDialog>(
            [](dialogs::DataTransferDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
            [](dialogs::DataTransferDialog& d) { return d.Changed(); });
        prompt.Script(Answer::Yes);
        ASSERT_TRUE(dropped.Run(window.Action(ids::kDataTransfer)));
        EXPECT_EQ(prompt.Questions().size(), 1u) << "asked before dropping the added item";
        nothingChanged("transfers dropped");
        ModalScript unchanged;
        unchanged.Then<dialogs::DataTransferDialog>([](dialogs::DataTransferDialog& d) { PressLater(d.OkButton()); });
        ASSERT_TRUE(unchanged.Run(window.Action(ids::kDataTransfer)));
        nothingChanged("transfers OK alone");
    }

    // The event list, which stays open beside the editor: OK alone.
    window.Action(ids::kAlarmSettings)->trigger();
    auto* events = window.findChild<dialogs::EventListDialog*>();
    ASSERT_NE(events, nullptr);
    events->OkButton()->click();
    EXPECT_FALSE(events->isVisible());
    nothingChanged("event list OK alone");
    EXPECT_TRUE(sink.Texts().empty()) << sink.Texts().front();
}
