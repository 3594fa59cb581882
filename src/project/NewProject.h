#pragma once
// Creating a project: the new-project wizard's name rules, its page-1 checks
// and its finish sequence, and the shell's steps when it takes a new
// project. No windows: questions go through the session's Prompt, messages
// through its MessageSink.
#include <filesystem>
#include <memory>
#include <string>

#include "project/PortSettingsChange.h"

namespace balsar {

class CMirloDoc;
class CMirloProject;
class DesignerSession;
class MessageSink;
class Prompt;

// The name without leading and trailing spaces and ideographic spaces.
std::string TrimProjectName(const std::string& name);

// What the wizard holds when Finish is pressed.
struct NewProjectRequest {
    // As typed; trimmed by the finish.
    std::string name;
    // The folder that receives the project folder.
    std::filesystem::path parentFolder;
    // Position in the model list.
    int modelIndex = 0;
    // What the port pages produced.
    PortSettings ports;
};

// The wizard's first location: <program folder>/projects.
std::filesystem::path DefaultParentFolder(const std::filesystem::path& programFolder);
// <parent>/<trimmed name>.
std::filesystem::path NewProjectFolder(const NewProjectRequest& request);
// <project folder>/<trimmed name>.ZPJ.
std::filesystem::path NewProjectPath(const NewProjectRequest& request);

// Page 1 on finish: an existing project folder asks whether to overwrite it
// (No refuses); a missing parent folder is reported and refuses.
bool CheckProjectLocation(const NewProjectRequest& request, MessageSink& sink, Prompt& prompt);

enum class NewProjectResult {
    Created,
    // Refused before anything was written; the wizard stays open.
    KeepWizardOpen,
    // Something failed; the wizard closes without a project.
    Failed,
};

// The finish sequence. The new-project command has closed the open project
// already. With a template "<model name>.SFP" in the hardware folder the
// project is a copy of it with the chosen ports; otherwise an empty project
// of the chosen model and ports that the shell takes (TakeNewProject). On
// success the project is open in doc and the session is activated on it
// (model and port descriptions). Nothing is written before the questions
// are answered.
NewProjectResult FinishNewProject(CMirloDoc& doc, DesignerSession& session, const NewProjectRequest& request);

// The shell's steps for a new project: it becomes the open project, is saved
// at once, its folder becomes the current folder, and screen 1 is added
// (up-key target 0, down-key target 2, no description). False when the save
// fails; the document then holds no project.
bool TakeNewProject(CMirloDoc& doc, std::unique_ptr<CMirloProject> project);

} // namespace balsar
