// Balsar [PROJECT.ZPJ]: the designer.
#include <QApplication>
#include <QTranslator>

#include "app/AppStrings.h"
#include "app/MainToolBars.h"
#include "app/MainWindow.h"
#include "app/QtMessages.h"
#include "base/ProgramPaths.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(balsar::app::texts::kAppName));
    // Ties the windows to balsar.desktop (its icon and name in the shell).
    QApplication::setDesktopFileName(QStringLiteral("balsar"));
    // An optional translation of the whole user interface; running without
    // one is normal.
    QTranslator translator;
    if (translator.load(QStringLiteral("BalsarCHS"), QString::fromStdString(balsar::ProgramFolder().string()))) {
        QApplication::installTranslator(&translator);
    }

    balsar::app::QtMessageSink sink;
    balsar::app::QtPrompt prompt;
    balsar::app::DesignerServices services(sink, prompt);
    balsar::app::MainWindow window(services);
    using balsar::app::RestoreWindowLayout;
    using balsar::app::SaveWindowLayout;
    sink.SetParent(&window);
    prompt.SetParent(&window);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.OpenProjectPath(arguments.at(1));
    }
    RestoreWindowLayout(window);
    window.show();
    const int status = QApplication::exec();
    SaveWindowLayout(window);
    return status;
}
