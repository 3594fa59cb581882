#include "app/QtMessages.h"

#include <QMessageBox>

#include "app/AppStrings.h"
#include "i18n/UiText.h"

namespace balsar::app {

namespace {

QString Caption(const std::string& caption) {
    return caption.empty() ? i18n::Ui(texts::kAppName) : i18n::UiMessage(caption);
}

} // namespace

void QtMessageSink::Message(const std::string& text, MessageKind kind, const std::string& caption) {
    const QMessageBox::Icon icon = kind == MessageKind::Info      ? QMessageBox::Information
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Critical;
    QMessageBox box(icon, Caption(caption), i18n::UiMessage(text), QMessageBox::Ok, m_parent);
    box.exec();
}

Answer QtPrompt::Ask(const std::string& text, Buttons buttons, const std::string& caption) {
    // Enter presses the safe answer: a Yes/No or OK/Cancel question of the
    // designer confirms something that replaces, deletes or drops the
    // user's work, so No (Cancel) is the default; the save question's
    // default is Yes (save), its escape Cancel.
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    QMessageBox::StandardButton preferred = QMessageBox::No;
    QMessageBox::StandardButton escape = QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) {
        set |= QMessageBox::Cancel;
        preferred = QMessageBox::Yes;
        escape = QMessageBox::Cancel;
    } else if (buttons == Buttons::OkCancel) {
        set = QMessageBox::Ok | QMessageBox::Cancel;
        preferred = QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::Question, Caption(caption), i18n::UiMessage(text), set, m_parent);
    box.setDefaultButton(preferred);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

} // namespace balsar::app
