#pragma once
// The designer's command line: Balsar [PROJECT.ZPJ] [--screenshot OUT.png]
// [--help]. A file manager passes the project alone.
#include <QString>
#include <QStringList>

namespace balsar::app {

struct DesignerCommandLine {
    // The project to open; empty for none.
    QString project;
    // Draw the main window into this PNG file once it is shown, then end
    // (documentation pictures, and a check that an installation starts).
    QString screenshot;
    bool help = false;
    // A usage error to print; the program ends with status 2.
    QString error;
};

// arguments[0] is the program.
DesignerCommandLine ParseDesignerCommandLine(const QStringList& arguments);
// The text --help prints.
QString DesignerUsage();

} // namespace balsar::app
