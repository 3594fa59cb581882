#include "project/NewProject.h"

#include <system_error>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "base/Text.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/NewProjectStrings.h"
#include "project/ProjectStrings.h"

namespace balsar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSpace = " ";
constexpr std::string_view kIdeographicSpace = "\u3000";

void ApplyPorts(CMirloProject& project, const PortSettings& ports) {
    for (int i = 0; i < 3; ++i) {
        project.GetPort(i)->CopyFrom(ports.ports[static_cast<size_t>(i)]);
    }
    project.GetCanPort() = ports.can;
}

// Removes what a failed template copy left behind.
void RemoveCopy(const fs::path& projectPath, const fs::path& folder, bool folderCreated) {
    std::error_code ec;
    fs::remove(projectPath, ec);
    if (folderCreated) {
        fs::remove(folder, ec);
    }
}

// Creates the project folder unless it exists; created tells which.
bool EnsureFolder(const fs::path& folder, bool& created, MessageSink& sink) {
    std::error_code ec;
    created = false;
    if (fs::is_directory(folder, ec)) {
        return true;
    }
    created = fs::create_directory(folder, ec);
    if (!created) {
        sink.Message(Format(texts::kCannotCreateFolder, folder.string().c_str()));
    }
    return created;
}

NewProjectResult FinishFromTemplate(CMirloDoc& doc, DesignerSession& session, const NewProjectRequest& request,
                                    const fs::path& templatePath) {
    if (!CheckProjectLocation(request, session.sink, session.prompt)) {
        return NewProjectResult::KeepWizardOpen;
    }
    const fs::path folder = NewProjectFolder(request);
    const fs::path path = NewProjectPath(request);
    bool created = false;
    if (!EnsureFolder(folder, created, session.sink)) {
        return NewProjectResult::Failed;
    }
    std::error_code ec;
    fs::copy_file(templatePath, path, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        session.sink.Message(Format(texts::kCannotCreateFile, path.string().c_str(), ec.message().c_str()));
        RemoveCopy(path, folder, created);
        return NewProjectResult::Failed;
    }
    if (!doc.OnOpenDocument(path.string())) {
        RemoveCopy(path, folder, created);
        return NewProjectResult::Failed;
    }
    ApplyPorts(*doc.Project(), request.ports);
    session.Activate(*doc.Project());
    doc.SetModifiedFlag(true);
    doc.OnSaveDocument(path.string());
    return NewProjectResult::Created;
}

NewProjectResult FinishEmpty(CMirloDoc& doc, DesignerSession& session, const NewProjectRequest& request,
                             const HardwareModel& chosen) {
    std::unique_ptr<CMirloProject> project = doc.CreateProject();
    if (!CheckProjectLocation(request, session.sink, session.prompt)) {
        return NewProjectResult::KeepWizardOpen;
    }
    const fs::path folder = NewProjectFolder(request);
    project->SetProjectPath(NewProjectPath(request).string());
    project->panelModelId = chosen.id;
    ApplyPorts(*project, request.ports);
    bool created = false;
    if (!EnsureFolder(folder, created, session.sink)) {
        return NewProjectResult::Failed;
    }
    if (!TakeNewProject(doc, std::move(project))) {
        std::error_code ec;
        if (!fs::remove(folder, ec)) {
            session.sink.Message(Format(texts::kCannotDeleteFolder, folder.string().c_str()));
        }
        return NewProjectResult::Failed;
    }
    session.Activate(*doc.Project());
    return NewProjectResult::Created;
}

} // namespace

std::string TrimProjectName(const std::string& name) {
    std::string_view text = name;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : {kSpace, kIdeographicSpace}) {
            while (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            while (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return std::string(text);
}

fs::path DefaultParentFolder(const fs::path& programFolder) { return programFolder / "projects"; }

fs::path NewProjectFolder(const NewProjectRequest& request) {
    return request.parentFolder / TrimProjectName(request.name);
}

fs::path NewProjectPath(const NewProjectRequest& request) {
    const std::string name = TrimProjectName(request.name);
    return request.parentFolder / name / (name + texts::kProjectExtension);
}

bool CheckProjectLocation(const NewProjectRequest& request, MessageSink& sink, Prompt& prompt) {
    const fs::path folder = NewProjectFolder(request);
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        const std::string question = Format(texts::kOverwriteFolder, folder.string().c_str());
        if (prompt.Ask(question, Buttons::YesNo) != Answer::Yes) {
            return false;
        }
    }
    if (!fs::is_directory(request.parentFolder, ec)) {
        sink.Message(Format(texts::kParentMissing, request.parentFolder.string().c_str()));
        return false;
    }
    return true;
}

NewProjectResult FinishNewProject(CMirloDoc& doc, DesignerSession& session, const NewProjectRequest& request) {
    if (TrimProjectName(request.name).empty()) {
        return NewProjectResult::KeepWizardOpen;
    }
    const HardwareModelList& models = session.Models();
    if (models.Entries().size() > 1 && session.prompt.Ask(texts::kConfirmModel, Buttons::YesNo) != Answer::Yes) {
        return NewProjectResult::KeepWizardOpen;
    }
    HardwareModel chosen;
    if (!models.LoadModelByIndex(chosen, request.modelIndex, session.sink)) {
        return NewProjectResult::Failed;
    }
    const fs::path templatePath = models.Folder() / (chosen.name + texts::kTemplateExtension);
    std::error_code ec;
    if (fs::is_regular_file(templatePath, ec)) {
        return FinishFromTemplate(doc, session, request, templatePath);
    }
    return FinishEmpty(doc, session, request, chosen);
}

bool TakeNewProject(CMirloDoc& doc, std::unique_ptr<CMirloProject> project) {
    const std::string path = project->GetProjectPath();
    doc.SetProject(std::move(project));
    // Screen 1 first, then the save: the file on disk is the project as
    // opened, so closing it unchanged asks nothing.
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    screen->SetUpKeyTarget(0);
    screen->SetDownKeyTarget(2);
    screen->SetDescription("");
    doc.AddScreen(std::move(screen));
    if (!doc.OnSaveDocument(path)) {
        doc.ClearProject();
        return false;
    }
    std::error_code ec;
    fs::current_path(fs::path(path).parent_path(), ec);
    return true;
}

} // namespace balsar
