#include "app/ProjectFolders.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <system_error>

#include "app/AppStrings.h"
#include "app/DesignerSettings.h"
#include "project/CMirloDoc.h"

namespace balsar::app {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRememberedKey = "Folders/projects";
constexpr const char* kDocumentsFolderName = "Balsar";


bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

} // namespace

fs::path ProposedProjectParent(const fs::path& remembered, const fs::path& documents) {
    if (IsFolder(remembered)) {
        return remembered;
    }
    const fs::path home = QDir::homePath().toStdString();
    const fs::path base = documents.empty() ? home : documents;
    const fs::path ours = base / kDocumentsFolderName;
    std::error_code ec;
    fs::create_directories(ours, ec);
    if (IsFolder(ours)) {
        return ours;
    }
    return IsFolder(base) ? base : home;
}

fs::path ProposedProjectParent() {
    const QString remembered = DesignerSettings().value(QString::fromLatin1(kRememberedKey)).toString();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return ProposedProjectParent(fs::path(remembered.toStdString()), fs::path(documents.toStdString()));
}

void RememberProjectFile(const fs::path& projectFile) {
    const fs::path parent = fs::absolute(projectFile).parent_path().parent_path();
    if (IsFolder(parent)) {
        DesignerSettings().setValue(QString::fromLatin1(kRememberedKey), QString::fromStdString(parent.string()));
    }
}

QString DialogStartFolder(const CMirloDoc& doc) {
    if (const CMirloProject* project = doc.Project(); project != nullptr && !project->GetProjectPath().empty()) {
        const fs::path folder = fs::path(project->GetProjectPath()).parent_path();
        if (IsFolder(folder)) {
            return QString::fromStdString(folder.string());
        }
    }
    return QString::fromStdString(ProposedProjectParent().string());
}

} // namespace balsar::app
