#pragma once
// The designer's remembered settings (recent projects, folders, window
// layout), in the user's configuration folder.
#include <QSettings>

#include "app/AppStrings.h"

namespace balsar::app {

inline QSettings DesignerSettings() { return QSettings(texts::kRecentSettingsOrganisation, texts::kAppName); }

} // namespace balsar::app
