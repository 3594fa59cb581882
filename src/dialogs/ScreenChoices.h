#pragma once
// The drop-down lists of screen numbers the settings dialogs offer.
#include <QComboBox>
#include <QString>
#include <cstdint>

namespace balsar {
class CMirloProject;
}

namespace balsar::dialogs {

// Fills the box with every screen number of the project, in project order,
// after the given leading entries.
void FillScreenNumbers(QComboBox* box, const CMirloProject* project, const QStringList& leading = {});
// Shows a number: its entry when listed, else the number as typed text
// (editable boxes) or a new entry.
void ShowNumber(QComboBox* box, int64_t number);
// The decimal number of the box's text; fallback when it is none.
int64_t NumberOf(const QComboBox* box, int64_t fallback);

} // namespace balsar::dialogs
