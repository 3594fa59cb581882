// Balsar [PROJECT.ZPJ]: the designer.
#include <QApplication>
#include <QTranslator>

#include "app/AppStrings.h"
#include "app/MainWindow.h"
#include "app/QtMessages.h"
#include "base/ProgramPaths.h"
#include "i18n/UiLanguage.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(balsar::app::texts::kAppName));
    balsar::i18n::SetUpLanguage();
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
    sink.SetParent(&window);
    prompt.SetParent(&window);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.OpenProjectPath(arguments.at(1));
    }
    window.show();
    return QApplication::exec();
}
