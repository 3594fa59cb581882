// The designer as a desktop window: every command has an icon (theme or our
// own picture), every toolbar button is reachable at the designed 860 x 730
// without the overflow arrow, the window may grow, and its layout is
// remembered.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "DemoProject.h"
#include "app/AppStrings.h"
#include "app/CommandIcons.h"
#include "app/CommandTable.h"
#include "app/MainToolBars.h"
#include "app/MainWindow.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "editor/ProjectTree.h"
#include "icons/SuiteIcons.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::app;

namespace {

class Layout : public ::testing::Test {
protected:
    Layout() : services(sink, prompt), window(services) {
        QSettings(texts::kRecentSettingsOrganisation, texts::kAppName).remove(QStringLiteral("MainWindow"));
    }

    QList<QToolBar*> ToolBars() const { return window.findChildren<QToolBar*>(); }

    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerServices services;
    MainWindow window;
};

// The overflow ("››") button a toolbar shows when its buttons do not fit.
bool OverflowShown(const QToolBar* bar) {
    for (const QToolButton* button : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        if (button->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(CommandIcons, EveryCommandHasAPictureOfItsOwn) {
    for (const CommandSpec& command : CommandTable()) {
        const CommandIconNames* names = FindCommandIcon(command.id);
        ASSERT_NE(names, nullptr) << command.id;
        // The fallback is what a desktop without the theme name shows, so
        // it must exist whatever the theme offers.
        const QIcon picture = icons::Fallback(names->fallback);
        ASSERT_FALSE(picture.isNull()) << names->fallback;
        EXPECT_FALSE(picture.pixmap(20, 20).isNull()) << names->fallback;
        EXPECT_FALSE(CommandIcon(command.id).isNull()) << command.id;
    }
    EXPECT_TRUE(CommandIcon(12345).isNull());
    EXPECT_TRUE(icons::Fallback("actions/no-such-picture").isNull());
}

TEST(CommandIcons, ElementKindsAndProgramsHavePictures) {
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10}) {
        EXPECT_FALSE(icons::ElementKind(kind).isNull()) << kind;
    }
    // The trend buffer is never placed by the user; unknown codes get nothing.
    EXPECT_TRUE(icons::ElementKind(8).isNull());
    EXPECT_TRUE(icons::ElementKind(-1).isNull());
    EXPECT_TRUE(icons::ElementKind(11).isNull());
    for (const char* program : {"balsar", "caldoloader", "caldotransfer"}) {
        EXPECT_FALSE(icons::Program(program).isNull()) << program;
    }
    // A picture is drawn, not empty: some pixels are opaque.
    const QImage lamp = icons::ElementKind(0).pixmap(24, 24).toImage();
    int opaque = 0;
    for (int y = 0; y < lamp.height(); ++y) {
        for (int x = 0; x < lamp.width(); ++x) {
            opaque += qAlpha(lamp.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 50);
}

TEST(CommandIcons, MainToolbarCommandsSplitByMenu) {
    ToolBarId id{};
    ASSERT_TRUE(ToolBarOf(Bar::Main, Menu::Project, &id));
    EXPECT_EQ(id, ToolBarId::Standard);
    ASSERT_TRUE(ToolBarOf(Bar::Main, Menu::Elements, &id));
    EXPECT_EQ(id, ToolBarId::Elements);
    ASSERT_TRUE(ToolBarOf(Bar::Main, Menu::Tools, &id));
    EXPECT_EQ(id, ToolBarId::Settings);
    ASSERT_TRUE(ToolBarOf(Bar::Tools, Menu::None, &id));
    EXPECT_EQ(id, ToolBarId::Tools);
    ASSERT_TRUE(ToolBarOf(Bar::Align, Menu::Arrange, &id));
    EXPECT_EQ(id, ToolBarId::Align);
    EXPECT_FALSE(ToolBarOf(Bar::None, Menu::Project, &id));
}

TEST_F(Layout, EveryToolbarButtonHasAnIconAndIsVisibleAtTheDesignedSize) {
    window.show();
    QApplication::processEvents();
    ASSERT_EQ(window.size(), QSize(MainWindow::kWidth, MainWindow::kHeight));
    int buttons = 0;
    for (const QToolBar* bar : ToolBars()) {
        EXPECT_FALSE(OverflowShown(bar)) << bar->objectName().toStdString();
        for (QAction* action : bar->actions()) {
            // Commands hidden on purpose (tools 3 and 4 have no work) have no button.
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            ++buttons;
            const std::string name = action->objectName().toStdString();
            EXPECT_FALSE(action->icon().isNull()) << name;
            const auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(button->isVisible()) << name;
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << name;
            // Inside the window, not cut off at its right edge.
            const QRect inWindow(button->mapTo(&window, QPoint(0, 0)), button->size());
            EXPECT_TRUE(window.rect().contains(inWindow)) << name;
        }
    }
    // Every command the table puts on a toolbar is on one, but for the two
    // tools that have no work and stay hidden.
    int expected = 0;
    for (const CommandSpec& command : CommandTable()) {
        const bool hidden = command.id == ids::kToolbarCommand3 || command.id == ids::kToolbarCommand4;
        expected += command.bar != Bar::None && !hidden ? 1 : 0;
    }
    EXPECT_EQ(buttons, expected);
    // The commands that used to hide behind the overflow arrow.
    for (int id : {ids::kDataTransfer, ids::kCommunication, ids::kSwapPorts, ids::kOfflineSimulation,
                   ids::kDownload}) {
        bool shown = false;
        for (const QToolBar* bar : ToolBars()) {
            if (QWidget* button = bar->widgetForAction(window.Action(id))) {
                shown = shown || button->isVisible();
            }
        }
        EXPECT_TRUE(shown) << id;
    }
}

TEST_F(Layout, OpensAtTheDesignedSizeAndMayGrowButNotShrink) {
    EXPECT_EQ(window.minimumSize(), QSize(860, 730));
    EXPECT_GT(window.maximumWidth(), 860);
    EXPECT_GT(window.maximumHeight(), 730);
    window.show();
    window.resize(1280, 960);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(1280, 960));
    window.resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(860, 730));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(Layout, SizeAndToolbarPlacesAreRemembered) {
    EXPECT_FALSE(RestoreWindowLayout(window)); // nothing saved yet
    window.show();
    window.resize(1100, 800);
    QToolBar* align = window.findChild<QToolBar*>(QStringLiteral("toolbarAlign"));
    ASSERT_NE(align, nullptr);
    window.addToolBar(Qt::LeftToolBarArea, align);
    QApplication::processEvents();
    SaveWindowLayout(window);

    MainWindow again(services);
    ASSERT_TRUE(RestoreWindowLayout(again));
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.size(), QSize(1100, 800));
    QToolBar* restored = again.findChild<QToolBar*>(QStringLiteral("toolbarAlign"));
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(again.toolBarArea(restored), Qt::LeftToolBarArea);
}

TEST_F(Layout, ALayoutOfOtherToolbarsIsNotApplied) {
    QSettings store(texts::kRecentSettingsOrganisation, texts::kAppName);
    store.setValue(QStringLiteral("MainWindow/geometry"), window.saveGeometry());
    store.setValue(QStringLiteral("MainWindow/state"), window.saveState(99));
    store.sync();
    EXPECT_FALSE(RestoreWindowLayout(window));
    EXPECT_EQ(window.size(), QSize(860, 730));
}

TEST_F(Layout, ProjectTreeShowsEachElementWithItsKindsPicture) {
    const std::string path = folder.File("demo.ZPJ");
    {
        RecordingMessageSink coreSink;
        RecordingPrompt corePrompt;
        DesignerSession session(coreSink, corePrompt);
        CMirloDoc doc(session, CoreClassRegistry());
        doc.SetProject(demo::BuildDemoProject(session.NewProjectLanguage()));
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    ASSERT_TRUE(window.OpenProjectPath(QString::fromStdString(path)));
    editor::ProjectTree* tree = window.Tree();
    QTreeWidgetItem* screens = tree->ScreensItem();
    ASSERT_NE(screens, nullptr);
    int elements = 0;
    for (int i = 0; i < screens->childCount(); ++i) {
        QTreeWidgetItem* screen = screens->child(i);
        for (int j = 0; j < screen->childCount(); ++j) {
            ++elements;
            EXPECT_FALSE(screen->child(j)->icon(0).isNull()) << screen->child(j)->text(0).toStdString();
        }
    }
    EXPECT_GT(elements, 5);
}

TEST(Manual, TheHelpCommandOpensTheHtmlManualBesideTheProgram) {
    // The test runs with BALSAR_HOME=<build>/bin, where the build wrote the
    // manual's HTML.
    const QString path = MainWindow::ManualPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/docs/manual/index.html"))) << path.toStdString();
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<table>")));
    EXPECT_TRUE(html.contains(QStringLiteral("src=\"images/main-window.png\"")));
    // Links between pages lead to their HTML, and pictures are beside them.
    EXPECT_FALSE(html.contains(QStringLiteral(".md\"")));
    EXPECT_TRUE(QFileInfo::exists(QFileInfo(path).dir().filePath(QStringLiteral("images/main-window.png"))));
}
