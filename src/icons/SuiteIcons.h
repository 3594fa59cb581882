#pragma once
// The suite's icons: the desktop theme's icon where the theme has one, else
// the picture drawn for this program (always present, so no command is ever
// shown as a bare text button).
#include <QIcon>

namespace balsar::icons {

// The theme's icon `themeName`, else the resource ":/icons/<fallback>.svg"
// (fallback is e.g. "actions/balsar-cut"). An empty theme name takes the
// fallback directly. Null only when the fallback picture does not exist.
QIcon Themed(const char* themeName, const char* fallback);
// The resource picture ":/icons/<name>.svg"; null when there is none.
QIcon Fallback(const char* name);
// The picture of an element kind (lamp 0 ... event list 10); null for a kind
// that has none (the trend buffer, unknown codes).
QIcon ElementKind(int kind);
// A screen in the project tree.
QIcon Screen();
// A program's own icon: "balsar", "caldoloader" or "caldotransfer".
QIcon Program(const char* name);

} // namespace balsar::icons
