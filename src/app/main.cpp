// Balsar [PROJECT.ZPJ] [--screenshot OUT.png]: the designer.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/AppStrings.h"
#include "app/DesignerCommandLine.h"
#include "app/MainToolBars.h"
#include "app/MainWindow.h"
#include "app/QtMessages.h"
#include "base/ProgramPaths.h"
#include "i18n/UiLanguage.h"

int main(int argc, char** argv) {
    using namespace balsar::app;
    // Read before any window system is needed: --help works without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const DesignerCommandLine line = ParseDesignerCommandLine(arguments);
    if (line.help) {
        std::fputs(DesignerUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Balsar: %s\n%s", line.error.toLocal8Bit().constData(),
                     DesignerUsage().toLocal8Bit().constData());
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(texts::kAppName));
    // Ties the windows to balsar.desktop (its icon and name in the shell).
    QApplication::setDesktopFileName(QStringLiteral("balsar"));
    balsar::i18n::SetUpLanguage();
    // An optional translation of the whole user interface; running without
    // one is normal.
    QTranslator translator;
    if (translator.load(QStringLiteral("BalsarCHS"), QString::fromStdString(balsar::ProgramFolder().string()))) {
        QApplication::installTranslator(&translator);
    }

    QtMessageSink sink;
    QtPrompt prompt;
    DesignerServices services(sink, prompt);
    MainWindow window(services);
    sink.SetParent(&window);
    prompt.SetParent(&window);

    // Opening a project makes its folder the current one: the picture's
    // path is taken as given on the command line.
    const QString screenshot = line.screenshot.isEmpty() ? QString() : QFileInfo(line.screenshot).absoluteFilePath();
    if (!line.project.isEmpty()) {
        window.OpenProjectPath(line.project);
    }
    if (!screenshot.isEmpty()) {
        // The designed size, whatever was remembered; nothing is saved.
        window.show();
        QTimer::singleShot(0, &window, [&window, &screenshot] {
            const bool saved = window.grab().save(screenshot, "PNG");
            if (!saved) {
                std::fprintf(stderr, "Balsar: cannot write %s\n", screenshot.toLocal8Bit().constData());
            }
            QApplication::exit(saved ? 0 : 1);
        });
        return QApplication::exec();
    }
    RestoreWindowLayout(window);
    window.show();
    const int status = QApplication::exec();
    SaveWindowLayout(window);
    return status;
}
