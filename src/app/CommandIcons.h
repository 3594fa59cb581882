#pragma once
// The icon of every designer command: a freedesktop theme name where the
// desktop has a fitting standard icon, and the picture drawn for this
// program as the fallback (and for commands no standard name describes).
#include <QIcon>

namespace balsar::app {

struct CommandIconNames {
    int id;
    // Freedesktop icon-naming name; empty when there is no fitting one.
    const char* theme;
    // Resource name below :/icons, without ".svg".
    const char* fallback;
};

// The names of a command; null for an identifier without an icon.
const CommandIconNames* FindCommandIcon(int id);
// The icon of a command (theme or fallback); null only for an unknown id.
QIcon CommandIcon(int id);

} // namespace balsar::app
