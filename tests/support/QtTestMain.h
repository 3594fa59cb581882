#pragma once
// main() of the Qt test programs: GoogleTest inside a QApplication on the
// offscreen platform. ctest runs every test as its own process, several at a
// time, so each process gets a scratch home folder of its own: remembered
// window layouts, recent projects, language choices and the documents folder
// of one test never meet those of a test running beside it.
#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace balsar::test {

inline int RunQtTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace balsar::test
