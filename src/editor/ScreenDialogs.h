#pragma once
// The dialogs of the screen commands: "新建画面", "复制画面" and the
// "画面属性" page.
#include <QDialog>
#include <cstdint>
#include <string>

#include "editor/commands/ScreenPropertiesCommand.h"

class QLineEdit;
class QSpinBox;

namespace balsar {
class MessageSink;
}

namespace balsar::editor {

// The number boxes of these dialogs say their range through the sink when
// a typed number falls outside it.

class NewScreenDialog : public QDialog {
    Q_OBJECT
public:
    // In system-screen mode the number is fixed at 65535.
    NewScreenDialog(uint16_t proposed, bool systemScreenMode, MessageSink& sink, QWidget* parent = nullptr);
    uint16_t Number() const;
    std::string Description() const;
    QSpinBox* NumberSpin() const { return m_number; }
    QLineEdit* DescriptionEdit() const { return m_description; }

private:
    QSpinBox* m_number;
    QLineEdit* m_description;
};

class CopyScreenDialog : public QDialog {
    Q_OBJECT
public:
    CopyScreenDialog(uint16_t source, uint16_t proposed, MessageSink& sink, QWidget* parent = nullptr);
    uint16_t Target() const;
    QSpinBox* TargetSpin() const { return m_target; }

private:
    QSpinBox* m_target;
};

class ScreenPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    ScreenPropertiesDialog(uint16_t number, const ScreenProperties& properties, MessageSink& sink,
                           QWidget* parent = nullptr);
    ScreenProperties Properties() const;
    QSpinBox* UpSpin() const { return m_up; }
    QSpinBox* DownSpin() const { return m_down; }
    QLineEdit* DescriptionEdit() const { return m_description; }

private:
    QLineEdit* m_description;
    QSpinBox* m_up;
    QSpinBox* m_down;
};

} // namespace balsar::editor
