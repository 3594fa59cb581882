#include "editor/PictureInsert.h"

#include <QFileDialog>

#include "editor/ScreenEditor.h"

namespace balsar::editor {

QString PictureFileFilter() {
    // Qt takes the patterns from the last parentheses of a filter.
    return QStringLiteral("bitmap files (*.bmp)");
}

bool ChoosePictureAndArm(QWidget* parent, ScreenEditor& editor) {
    if (!editor.HasScreen()) {
        return false;
    }
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), PictureFileFilter());
    if (path.isEmpty()) {
        return false;
    }
    return editor.ArmPicture(path.toStdString());
}

} // namespace balsar::editor
