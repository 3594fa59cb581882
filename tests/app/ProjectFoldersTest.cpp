// Where the wizard and the file dialogs start: an existing folder always.
#include <QDir>
#include <QSettings>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/AppStrings.h"
#include "app/ProjectFolders.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::app;
namespace fs = std::filesystem;

TEST(ProjectFolders, TheRememberedFolderWhileItExistsElseBalsarInTheDocumentsMadeOnFirstUse) {
    test::TempFolder folder;
    const fs::path documents = folder.Path() / "Documents";
    fs::create_directories(documents);
    const fs::path remembered = folder.Path() / "work";
    fs::create_directories(remembered);
    EXPECT_EQ(ProposedProjectParent(remembered, documents), remembered);

    // Gone (or never set): "Balsar" in the documents, created.
    fs::remove(remembered);
    EXPECT_EQ(ProposedProjectParent(remembered, documents), documents / "Balsar");
    EXPECT_TRUE(fs::is_directory(documents / "Balsar"));
    EXPECT_EQ(ProposedProjectParent("", documents), documents / "Balsar");

    // A remembered path that is a file is not a folder to propose.
    const std::string file = folder.File("plain.txt");
    std::ofstream(file) << "x";
    EXPECT_EQ(ProposedProjectParent(file, documents), documents / "Balsar");

    // Documents where nothing can be made: the proposal still exists.
    const fs::path blocked = folder.Path() / "blocked";
    std::ofstream(blocked.string()) << "a file, not a folder";
    EXPECT_EQ(ProposedProjectParent("", blocked), fs::path(QDir::homePath().toStdString()));
}

TEST(ProjectFolders, DialogsStartInTheOpenProjectsFolderAndRememberItsParent) {
    test::TempFolder folder;
    QSettings(texts::kRecentSettingsOrganisation, texts::kAppName).remove(QStringLiteral("Folders"));
    const fs::path projectFolder = folder.Path() / "plant" / "line1";
    fs::create_directories(projectFolder);
    RememberProjectFile(projectFolder / "line1.ZPJ");
    // The next wizard proposes the folder that holds the project's folder.
    EXPECT_EQ(ProposedProjectParent(), folder.Path() / "plant");

    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    // No project: the proposed parent.
    EXPECT_EQ(DialogStartFolder(doc).toStdString(), (folder.Path() / "plant").string());
    auto project = std::make_unique<CMirloProject>();
    project->SetProjectPath((projectFolder / "line1.ZPJ").string());
    doc.SetProject(std::move(project));
    EXPECT_EQ(DialogStartFolder(doc).toStdString(), projectFolder.string());
}
