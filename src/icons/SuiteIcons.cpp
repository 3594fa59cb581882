#include "icons/SuiteIcons.h"

#include <QFile>

namespace balsar::icons {

namespace {

QString ResourcePath(const char* name) { return QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(name)); }

} // namespace

QIcon Fallback(const char* name) {
    const QString path = ResourcePath(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon Themed(const char* themeName, const char* fallback) {
    const QIcon picture = Fallback(fallback);
    if (themeName == nullptr || *themeName == '\0') {
        return picture;
    }
    return QIcon::fromTheme(QString::fromUtf8(themeName), picture);
}

QIcon ElementKind(int kind) {
    // Indexed by kind code; kind 8 (trend buffer) is never placed by the user.
    static constexpr const char* kPictures[] = {
        "elements/balsar-element-lamp",        "elements/balsar-element-function-key",
        "elements/balsar-element-static-text", "elements/balsar-element-dynamic-text",
        "elements/balsar-element-register",    "elements/balsar-element-bar-graph",
        "elements/balsar-element-trend-graph", "elements/balsar-element-picture",
        nullptr,                               "elements/balsar-element-ascii-string",
        "elements/balsar-element-event-list"};
    if (kind < 0 || kind >= static_cast<int>(std::size(kPictures)) || kPictures[kind] == nullptr) {
        return {};
    }
    return Fallback(kPictures[kind]);
}

QIcon Screen() { return Fallback("elements/balsar-screen"); }

QIcon Program(const char* name) {
    const QString fallback = QStringLiteral("apps/%1").arg(QString::fromUtf8(name));
    return Themed(name, fallback.toUtf8().constData());
}

} // namespace balsar::icons
