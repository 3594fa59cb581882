// GoogleTest with a QApplication on the offscreen platform. Started with
// --print-ui-language it prints the language this process would choose
// ("zh" or "en") and ends: the locale tests run it with their environment.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "i18n/UiLanguage.h"
#include "support/QtTestMain.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--print-ui-language") == 0) {
        QCoreApplication app(argc, argv);
        const auto language = balsar::i18n::LanguageForProcess();
        std::printf("%s\n", language == balsar::i18n::UiLanguage::English ? "en" : "zh");
        return 0;
    }
    return balsar::test::RunQtTests(argc, argv);
}
