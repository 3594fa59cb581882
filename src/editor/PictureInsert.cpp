#include "editor/PictureInsert.h"

#include <QFileDialog>
#include <filesystem>

#include "editor/ScreenEditor.h"
#include "project/CMirloDoc.h"

namespace balsar::editor {

QString PictureFileFilter() {
    // Qt takes the patterns from the last parentheses of a filter.
    return QStringLiteral("bitmap files (*.bmp)");
}

bool ChoosePictureAndArm(QWidget* parent, ScreenEditor& editor) {
    if (!editor.HasScreen()) {
        return false;
    }
    // Pictures usually sit beside the project: the dialog starts in its folder.
    QString start;
    if (const CMirloProject* project = editor.Doc().Project(); project != nullptr) {
        start = QString::fromStdString(std::filesystem::path(project->GetProjectPath()).parent_path().string());
    }
    const QString path = QFileDialog::getOpenFileName(parent, QString(), start, PictureFileFilter());
    if (path.isEmpty()) {
        return false;
    }
    return editor.ArmPicture(path.toStdString());
}

} // namespace balsar::editor
