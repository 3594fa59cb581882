#include "app/MainToolBars.h"

#include <QAction>
#include <QMainWindow>
#include <QSettings>
#include <QToolBar>

#include "app/AppStrings.h"
#include "app/DesignerSettings.h"
#include "app/CommandTable.h"

namespace balsar::app {

namespace {

// Raised whenever the set of toolbars changes, so an older saved state is
// not applied to bars it does not describe.
constexpr int kLayoutVersion = 1;

struct ToolBarDescription {
    ToolBarId id;
    const char* objectName;
    const char* title;
    // A toolbar break goes before this bar: it starts the second row.
    bool newRow;
};

constexpr ToolBarDescription kBars[] = {
    {ToolBarId::Standard, "toolbarStandard", texts::kToolbarMain, false},
    {ToolBarId::Elements, "toolbarElements", texts::kToolbarElements, false},
    {ToolBarId::Tools, "toolbarTools", texts::kToolbarTools, false},
    {ToolBarId::Settings, "toolbarSettings", texts::kToolbarSettings, true},
    {ToolBarId::Align, "toolbarAlign", texts::kToolbarAlign, false},
};


} // namespace

bool ToolBarOf(Bar bar, Menu menu, ToolBarId* out) {
    switch (bar) {
    case Bar::Align:
        *out = ToolBarId::Align;
        return true;
    case Bar::Tools:
        *out = ToolBarId::Tools;
        return true;
    case Bar::Main:
        *out = menu == Menu::Elements                           ? ToolBarId::Elements
               : (menu == Menu::Settings || menu == Menu::Tools) ? ToolBarId::Settings
                                                                 : ToolBarId::Standard;
        return true;
    case Bar::None:
        break;
    }
    return false;
}

QList<QToolBar*> BuildToolBars(QMainWindow& window, const std::map<int, QAction*>& actions) {
    QList<QToolBar*> bars;
    for (const ToolBarDescription& description : kBars) {
        if (description.newRow) {
            window.addToolBarBreak();
        }
        QToolBar* bar = window.addToolBar(QString::fromUtf8(description.title));
        bar->setObjectName(QString::fromLatin1(description.objectName));
        bar->setIconSize(QSize(20, 20));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bars.append(bar);
    }
    for (const CommandSpec& command : CommandTable()) {
        ToolBarId id{};
        const auto action = actions.find(command.id);
        if (action == actions.end() || !ToolBarOf(command.bar, command.menu, &id)) {
            continue;
        }
        QToolBar* bar = bars.at(static_cast<int>(id));
        if (command.separatorBefore && !bar->actions().isEmpty()) {
            bar->addSeparator();
        }
        bar->addAction(action->second);
    }
    return bars;
}

bool RestoreWindowLayout(QMainWindow& window) {
    QSettings store = DesignerSettings();
    store.beginGroup(QStringLiteral("MainWindow"));
    const QByteArray geometry = store.value(QStringLiteral("geometry")).toByteArray();
    const QByteArray state = store.value(QStringLiteral("state")).toByteArray();
    store.endGroup();
    if (geometry.isEmpty() || state.isEmpty()) {
        return false;
    }
    // The state first: a wrong version leaves the bars and the window alone.
    if (!window.restoreState(state, kLayoutVersion)) {
        return false;
    }
    return window.restoreGeometry(geometry);
}

void SaveWindowLayout(const QMainWindow& window) {
    QSettings store = DesignerSettings();
    store.beginGroup(QStringLiteral("MainWindow"));
    store.setValue(QStringLiteral("geometry"), window.saveGeometry());
    store.setValue(QStringLiteral("state"), window.saveState(kLayoutVersion));
    store.endGroup();
}

} // namespace balsar::app
