#include "app/QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

namespace balsar::app {

namespace {

QStringList ToQt(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    return list;
}

} // namespace

bool QtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    return QProcess::startDetached(QString::fromStdString(program), ToQt(arguments));
}

bool QtProcessLauncher::StartAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                     int& exitCode) {
    QProcess process;
    process.start(QString::fromStdString(program), ToQt(arguments));
    if (!process.waitForStarted(-1)) {
        return false;
    }
    process.waitForFinished(-1);
    exitCode = process.exitCode();
    return true;
}

} // namespace balsar::app
