#include "dialogs/ScreenChoices.h"

#include "project/CMirloProject.h"

namespace balsar::dialogs {

void FillScreenNumbers(QComboBox* box, const CMirloProject* project, const QStringList& leading) {
    box->clear();
    box->addItems(leading);
    if (project == nullptr) {
        return;
    }
    for (const auto& screen : project->Screens()) {
        box->addItem(QString::number(screen->GetNumber()));
    }
}

void ShowNumber(QComboBox* box, int64_t number) {
    const QString text = QString::number(number);
    const int row = box->findText(text);
    if (row >= 0) {
        box->setCurrentIndex(row);
    } else if (box->isEditable()) {
        box->setEditText(text);
    } else {
        box->addItem(text);
        box->setCurrentIndex(box->count() - 1);
    }
}

int64_t NumberOf(const QComboBox* box, int64_t fallback) {
    bool ok = false;
    const qlonglong value = box->currentText().trimmed().toLongLong(&ok);
    return ok ? value : fallback;
}

} // namespace balsar::dialogs
