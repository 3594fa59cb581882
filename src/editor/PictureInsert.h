#pragma once
// The picture insert command: a BMP file chosen in a file dialog goes into
// the project's bitmap library and arms the insert tool with the bitmap's
// size, or the reason it cannot is shown.
#include <QString>

class QWidget;

namespace balsar::editor {

class ScreenEditor;

// The file dialog's filter.
QString PictureFileFilter();
// Asks for the file and arms the tool; false after Cancel or a refusal.
bool ChoosePictureAndArm(QWidget* parent, ScreenEditor& editor);

} // namespace balsar::editor
