#pragma once
// The designer's toolbars and the remembered window layout. The commands of
// the main toolbar are split by menu into three bars, so that at the
// designed 860-pixel width every button is shown in two rows of toolbars
// instead of behind an overflow arrow; the alignment and tools bars keep
// their own commands.
#include <QList>
#include <map>

class QAction;
class QMainWindow;
class QToolBar;

namespace balsar::app {

enum class Bar;
enum class Menu;

// The toolbars in the order they are laid out, with their object names
// (the keys of the saved toolbar state).
enum class ToolBarId { Standard, Elements, Tools, Settings, Align };

// Which toolbar a command of the table goes on; false for none.
bool ToolBarOf(Bar bar, Menu menu, ToolBarId* out);

// Adds the toolbars to `window` and fills them from the command table with
// the given actions (by command identifier), separators as the table says.
// Returns the bars in ToolBarId order.
QList<QToolBar*> BuildToolBars(QMainWindow& window, const std::map<int, QAction*>& actions);

// Restores the window's size, position and toolbar places saved by
// SaveWindowLayout; false (and nothing changed) when none were saved or
// they do not fit this version's toolbars.
bool RestoreWindowLayout(QMainWindow& window);
void SaveWindowLayout(const QMainWindow& window);

} // namespace balsar::app
