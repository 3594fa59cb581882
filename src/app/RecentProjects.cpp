#include "app/RecentProjects.h"

#include <QSettings>
#include <fstream>
#include <iterator>

#include "app/AppStrings.h"
#include "app/DesignerSettings.h"
#include "base/Utf.h"

namespace balsar::app {

namespace {

bool EndsWithExtension(const std::string& path) {
    const std::string ext = texts::kProjectExtension;
    return path.size() >= ext.size() && AsciiUpper(path.substr(path.size() - ext.size())) == ext;
}

bool Readable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in.good();
}


} // namespace

std::vector<std::string> ExistingRecentProjects(const std::vector<std::string>& entries) {
    std::vector<std::string> out;
    for (const std::string& entry : entries) {
        if (entry.empty() || static_cast<int>(out.size()) >= kRecentCount) {
            continue;
        }
        std::string path = entry.substr(0, 260);
        if (!EndsWithExtension(path)) {
            path += texts::kProjectExtension;
        }
        if (Readable(path)) {
            out.push_back(path);
        }
    }
    return out;
}

std::vector<std::string> WithRecentProject(const std::vector<std::string>& entries, const std::string& path) {
    std::vector<std::string> out{path};
    for (const std::string& entry : entries) {
        if (entry != path && static_cast<int>(out.size()) < kRecentCount) {
            out.push_back(entry);
        }
    }
    return out;
}

std::vector<std::string> LoadRecentEntries() {
    QSettings settings = DesignerSettings();
    std::vector<std::string> entries;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString value = settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!value.isEmpty()) {
            entries.push_back(value.toStdString());
        }
    }
    return entries;
}

void StoreRecentEntries(const std::vector<std::string>& entries) {
    QSettings settings = DesignerSettings();
    for (int i = 1; i <= kRecentCount; ++i) {
        const size_t index = static_cast<size_t>(i - 1);
        const QString key = QStringLiteral("Recent File List/File%1").arg(i);
        if (index < entries.size()) {
            settings.setValue(key, QString::fromStdString(entries[index]));
        } else {
            settings.remove(key);
        }
    }
}

std::string VersionText(const std::string& folder) {
    std::ifstream in(folder + "/version.txt", std::ios::binary);
    if (!in) {
        return texts::kDefaultVersion;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace balsar::app
