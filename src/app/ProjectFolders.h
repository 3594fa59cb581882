#pragma once
// Where the designer's file dialogs and the new-project wizard start: the
// folder last used for projects when it still exists, else a "Balsar"
// folder in the user's documents, made on first use; and, while a project
// is open, that project's own folder.
#include <QString>
#include <filesystem>

namespace balsar {
class CMirloDoc;
}

namespace balsar::app {

// The parent folder the wizard proposes: `remembered` when it is an existing
// folder, else `documents`/Balsar, created when missing. When that cannot be
// created, `documents` itself, or the home folder when that is no folder.
std::filesystem::path ProposedProjectParent(const std::filesystem::path& remembered,
                                            const std::filesystem::path& documents);
// The same with the remembered folder from the settings and the user's
// documents folder of the desktop.
std::filesystem::path ProposedProjectParent();
// Remembers the folder that holds a project's folder (the parent of the
// folder of `projectFile`), for the next wizard and open dialog.
void RememberProjectFile(const std::filesystem::path& projectFile);
// Where an open or picture dialog starts: the open project's folder, else
// the proposed parent folder.
QString DialogStartFolder(const CMirloDoc& doc);

} // namespace balsar::app
