#include "app/DesignerCommandLine.h"

namespace balsar::app {

DesignerCommandLine ParseDesignerCommandLine(const QStringList& arguments) {
    DesignerCommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            line.help = true;
        } else if (a == QLatin1String("--screenshot")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                line.error = QStringLiteral("--screenshot needs a file name");
                return line;
            }
            line.screenshot = arguments.at(++i);
        } else if (a.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("unknown option: ") + a;
            return line;
        } else if (line.project.isEmpty()) {
            line.project = a;
        } else {
            line.error = QStringLiteral("one project at a time: ") + a;
            return line;
        }
    }
    return line;
}

QString DesignerUsage() {
    return QStringLiteral("usage: Balsar [PROJECT.ZPJ] [--screenshot OUT.png]\n"
                          "  PROJECT.ZPJ           open this project\n"
                          "  --screenshot OUT.png  draw the window into OUT.png once shown, then end\n"
                          "  --help                this text\n"
                          "BALSAR_HOME names the folder whose lib/ holds the library data\n"
                          "(default: the program's own folder).\n");
}

} // namespace balsar::app
