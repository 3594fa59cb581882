#pragma once
// The upload/download task ("Mission"): the file the serial tool reads or
// writes ("<<" chooses it), the direction, the PC serial port (com1 to com7)
// and the line parameters.
#include <QDialog>
#include <filesystem>

#include "compiler/ExternalTools.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace balsar::dialogs {

class SerialTaskDialog : public QDialog {
    Q_OBJECT
public:
    // The target starts as "<current folder>/upload.dat", the direction as
    // upload, the port as com1.
    explicit SerialTaskDialog(const std::filesystem::path& currentFolder, QWidget* parent = nullptr);

    // The dialog's choices; the port index is the list's (0 for com1).
    SerialTask Task() const;
    // Takes a file chosen with "<<": created empty when it does not exist.
    bool TakeTargetFile(const QString& path);

    QLineEdit* Target() const { return m_target; }
    QPushButton* Browse() const { return m_browse; }
    QRadioButton* Upload() const { return m_upload; }
    QRadioButton* Download() const { return m_download; }
    QComboBox* Port() const { return m_port; }

private:
    QLineEdit* m_target;
    QPushButton* m_browse;
    QRadioButton* m_upload;
    QRadioButton* m_download;
    QComboBox* m_port;
};

// Shows the dialog; true with the task when OK was pressed.
bool ShowSerialTaskDialog(QWidget* parent, const std::filesystem::path& currentFolder, SerialTask& task);

} // namespace balsar::dialogs
